// A kernel handle closed by its owner on every way out, an exception's
// included: a file's (CloseHandle) or a folder search's (FindClose).
#pragma once

#include <windows.h>

template <auto Close>
class THandleOwner {
 public:
  explicit THandleOwner(HANDLE handle) : FHandle(handle) {}
  ~THandleOwner() {
    if (Valid()) Close(FHandle);
  }
  THandleOwner(const THandleOwner&) = delete;
  THandleOwner& operator=(const THandleOwner&) = delete;

  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return FHandle; }

 private:
  HANDLE FHandle;
};

using TFileHandle = THandleOwner<&CloseHandle>;
using TFindHandle = THandleOwner<&FindClose>;
