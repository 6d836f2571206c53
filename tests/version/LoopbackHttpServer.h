// A small HTTP server on 127.0.0.1 for the version check's downloads: it
// serves the files it is given, answers 404 for any other path, closes the
// connection without a word for the paths it is told to, records the paths
// asked for, and can hold its answers back until released.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace klangor::test {

class LoopbackHttpServer {
 public:
  LoopbackHttpServer();
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // "http://127.0.0.1:<port>" + path.
  std::string url(const std::string& path) const;
  void serve(const std::string& path, const std::string& body);
  void closeWithoutReply(const std::string& path);
  std::vector<std::string> requests() const;

  // Answers wait until release() (or the server's end); requests are still
  // recorded when they arrive.
  void hold();
  void release();

  // An address on which nothing listens: a download from it fails at once.
  static std::string closedPortUrl(const std::string& path);

 private:
  void acceptLoop();
  void answer(uintptr_t client);
  std::string response(const std::string& path) const;

  uintptr_t listener_ = 0;  // a SOCKET
  int port_ = 0;
  mutable std::mutex lock_;
  std::condition_variable released_;
  bool holding_ = false;
  bool stopping_ = false;
  std::map<std::string, std::string> files_;
  std::set<std::string> unanswered_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace klangor::test
