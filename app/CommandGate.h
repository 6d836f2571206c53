// The one place that says which of the window's commands may run now. The
// window is idle, writing files, or writing with a request to end that waits
// for the write to be over, so that no file keeps only part of its values.
// Every button, shortcut, drop and menu item passes through here, and the
// window menu greys its items by the same answer.
#pragma once

#include <functional>

// Every command the window offers.
enum class TCommand {
  Write,
  Quit,
  TakeTypedRoot,
  TickAll,
  FillValues,
  Drop,
  Undo,
  OpenBackups,
  About,
  Redo,
  SaveValues,
  LoadValues,
  ChooseFolder,
  RecentFolder,
  CurrentValues,
  UseValues,
  Preview,
  History,
};

class TCommandGate {
 public:
  // Whether the command would run if given now.
  bool Allows(TCommand command) const;
  // Runs the command when it may run now and drops it otherwise; a request
  // to end made while files are written is kept and carried out, through
  // `action`, once the write is over. A write runs with the window writing.
  void Run(TCommand command, const std::function<void()>& action);
  bool Writing() const { return FState != TState::Idle; }

 private:
  enum class TState { Idle, Writing, EndRequested };
  void RunWriting(const std::function<void()>& action);

  TState FState = TState::Idle;
  std::function<void()> FEnd;
};
