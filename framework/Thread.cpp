#include "framework/Thread.h"

#include <deque>
#include <exception>
#include <mutex>

namespace {

constexpr UINT WM_SYNCHRONIZE = WM_APP + 1;

struct HandOver {
  const std::function<void()>* method;
  HANDLE done;
  std::exception_ptr error;
  bool dropped = false;
};

// Lives until the process ends: a worker thread may still be blocked on it
// while the program's static objects are destroyed.
struct SynchronizeQueue {
  std::mutex lock;
  std::deque<HandOver*> pending;
  bool closed = false;
  // Counts the ends of message loops: a thread started before the last end
  // belongs to a window that is gone and never hands a call over again.
  unsigned epoch = 0;
  HWND window = nullptr;
  DWORD mainThread = 0;
};

SynchronizeQueue& Queue() {
  static auto* queue = new SynchronizeQueue;
  return *queue;
}

void RunPending() {
  SynchronizeQueue& queue = Queue();
  for (;;) {
    HandOver* call;
    {
      std::lock_guard<std::mutex> guard(queue.lock);
      if (queue.pending.empty()) return;
      call = queue.pending.front();
      queue.pending.pop_front();
    }
    try {
      (*call->method)();
    } catch (...) {
      call->error = std::current_exception();
    }
    SetEvent(call->done);
  }
}

LRESULT CALLBACK SynchronizeWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SYNCHRONIZE) {
    RunPending();
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

void TThread::InitializeSynchronize() {
  SynchronizeQueue& queue = Queue();
  std::lock_guard<std::mutex> guard(queue.lock);
  queue.closed = false;
  queue.mainThread = GetCurrentThreadId();
  if (queue.window) return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = SynchronizeWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TThread.Synchronize";
  RegisterClassW(&windowClass);
  queue.window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
}

void TThread::DropPendingSynchronize() {
  SynchronizeQueue& queue = Queue();
  std::lock_guard<std::mutex> guard(queue.lock);
  queue.closed = true;
  ++queue.epoch;
  for (HandOver* call : queue.pending) {
    call->dropped = true;
    SetEvent(call->done);
  }
  queue.pending.clear();
}

TThread::TThread(bool createSuspended) {
  {
    SynchronizeQueue& queue = Queue();
    std::lock_guard<std::mutex> guard(queue.lock);
    FEpoch = queue.epoch;
  }
  FHandle = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr);
  if (!FHandle) throw Exception("Thread creation error");
  if (!createSuspended) Start();
}

TThread::~TThread() {
  if (FHandle) CloseHandle(FHandle);
}

void TThread::Start() {
  if (FStarted) return;
  FStarted = true;
  ResumeThread(FHandle);
}

DWORD WINAPI TThread::ThreadProc(void* parameter) {
  auto* thread = static_cast<TThread*>(parameter);
  try {
    thread->Execute();
  } catch (...) {
    // An error ends the thread's body; nobody is told of it.
  }
  if (thread->FreeOnTerminate) delete thread;
  return 0;
}

void TThread::Synchronize(const std::function<void()>& method) {
  SynchronizeQueue& queue = Queue();
  if (GetCurrentThreadId() == queue.mainThread) {
    method();
    return;
  }
  HandOver call{&method, CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
  {
    std::lock_guard<std::mutex> guard(queue.lock);
    if (queue.closed || queue.epoch != FEpoch)
      call.dropped = true;
    else
      queue.pending.push_back(&call);
  }
  if (!call.dropped) {
    PostMessageW(queue.window, WM_SYNCHRONIZE, 0, 0);
    WaitForSingleObject(call.done, INFINITE);
  }
  CloseHandle(call.done);
  if (call.dropped) throw EThreadDropped();
  if (call.error) std::rethrow_exception(call.error);
}
