// The screen-wide hourglass for as long as a command runs, whichever way the
// command ends.
#pragma once

#include "framework/Forms.h"

class TBusyCursor {
 public:
  TBusyCursor() { Screen.SetCursor(crHourGlass); }
  ~TBusyCursor() { Screen.SetCursor(crDefault); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};
