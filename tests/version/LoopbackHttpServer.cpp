#include "tests/version/LoopbackHttpServer.h"

#include <winsock2.h>

#include <stdexcept>

namespace klangor::test {
namespace {

class WinsockUse {
 public:
  WinsockUse() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  }
  ~WinsockUse() { WSACleanup(); }
};

// Binds a listening socket to a free loopback port.
SOCKET listenOnLoopback(int& port) {
  SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof address;
  if (socket == INVALID_SOCKET || bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(socket, 8) != 0 || getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error("cannot listen on 127.0.0.1: " + std::to_string(WSAGetLastError()));
  port = ntohs(address.sin_port);
  return socket;
}

// The path of "GET /path HTTP/1.1", or "" for anything else.
std::string requestedPath(const std::string& request) {
  if (request.rfind("GET ", 0) != 0) return {};
  const size_t end = request.find(' ', 4);
  return end == std::string::npos ? std::string() : request.substr(4, end - 4);
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
  static WinsockUse winsock;
  listener_ = listenOnLoopback(port_);
  thread_ = std::thread([this] { acceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
  }
  released_.notify_all();
  closesocket(listener_);  // ends the blocking accept
  thread_.join();
}

std::string LoopbackHttpServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackHttpServer::serve(const std::string& path, const std::string& body) {
  std::lock_guard guard(lock_);
  files_[path] = body;
}

void LoopbackHttpServer::closeWithoutReply(const std::string& path) {
  std::lock_guard guard(lock_);
  unanswered_.insert(path);
}

std::vector<std::string> LoopbackHttpServer::requests() const {
  std::lock_guard guard(lock_);
  return requests_;
}

void LoopbackHttpServer::hold() {
  std::lock_guard guard(lock_);
  holding_ = true;
}

void LoopbackHttpServer::release() {
  {
    std::lock_guard guard(lock_);
    holding_ = false;
  }
  released_.notify_all();
}

std::string LoopbackHttpServer::closedPortUrl(const std::string& path) {
  static WinsockUse winsock;
  int port = 0;
  closesocket(listenOnLoopback(port));
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

void LoopbackHttpServer::acceptLoop() {
  for (;;) {
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    answer(client);
    closesocket(client);
  }
}

void LoopbackHttpServer::answer(uintptr_t client) {
  std::string request;
  char buffer[1024];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int received = recv(client, buffer, sizeof buffer, 0);
    if (received <= 0) return;
    request.append(buffer, static_cast<size_t>(received));
  }
  const std::string path = requestedPath(request);
  std::string reply;
  {
    std::unique_lock guard(lock_);
    requests_.push_back(path);
    released_.wait(guard, [this] { return !holding_ || stopping_; });
    if (unanswered_.contains(path)) return;
    reply = response(path);
  }
  send(client, reply.data(), static_cast<int>(reply.size()), 0);
  shutdown(client, SD_SEND);
}

std::string LoopbackHttpServer::response(const std::string& path) const {
  const auto file = files_.find(path);
  const std::string status = file == files_.end() ? "404 Not Found" : "200 OK";
  const std::string body = file == files_.end() ? "not found" : file->second;
  // No cache: every check of a test asks the server again.
  return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace klangor::test
