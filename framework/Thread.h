// A thread whose body can hand one call at a time to the main thread and wait
// for it (Synchronize). The main thread runs handed-over calls from its
// message loop, also while a modal box is open.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/Classes.h"
#include "framework/SysUtils.h"

// Raised in a thread whose hand-over was dropped because the program is ending.
class EThreadDropped : public Exception {
 public:
  EThreadDropped() : Exception("The program is ending") {}
};

class TThread : public TObject {
 public:
  // A suspended thread runs once Start is called.
  explicit TThread(bool createSuspended);
  ~TThread() override;

  void Start();
  bool FreeOnTerminate = false;

  // Called on the main thread once, before any thread hands a call over.
  static void InitializeSynchronize();
  // From now on every hand-over, waiting or future, is dropped: the waiting
  // thread gets EThreadDropped instead of running its call. Threads started
  // before this call stay dropped also after InitializeSynchronize opens the
  // hand-over again for a new window.
  static void DropPendingSynchronize();

 protected:
  virtual void Execute() = 0;
  // Runs the call on the main thread and waits for it; an error raised by the
  // call is raised again here.
  void Synchronize(const std::function<void()>& method);

 private:
  static DWORD WINAPI ThreadProc(void* parameter);

  HANDLE FHandle = nullptr;
  bool FStarted = false;
  unsigned FEpoch = 0;
};
