// Drives the window's controls with the messages the user's mouse and
// keyboard would send them, so that the layout's event wiring is part of what
// a test exercises. Send* run the handler before returning; Post* leave the
// messages queued for the next time pending messages run.
#pragma once

#include <windows.h>

#include "framework/Controls.h"

namespace klangor::test {

// A left-button press and release in the control's top-left corner.
void SendClick(TWinControl& control);
void PostClick(TWinControl& control);

// A key pressed in the control, with the Shift key held or not.
void SendKey(TWinControl& control, WORD key, bool shift = false);
// A key typed into the control through the message loop, with Shift, Ctrl
// and Alt held as given while it is handled and released afterwards, so
// that keys posted one after another each carry their own.
void PostKey(TWinControl& control, WORD key, TShiftState shift = 0);

// Removes an end request (WM_QUIT) left in the thread's queue, so that it
// does not end the message processing of a later test.
void DropQuitMessage();

}  // namespace klangor::test
