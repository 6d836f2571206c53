#include "app/CommandGate.h"

#include <utility>

namespace {

// What a command does while files are written.
enum class TWhileWriting {
  Waits,  // nothing: it would change the files, the list or the values
  Runs,   // it only shows something
  Ends,   // kept until the write is over
};

struct TRule {
  TCommand Command;
  TWhileWriting WhileWriting;
  bool Writes;  // the window is writing while it runs
};

const TRule Rules[] = {
    {TCommand::Write, TWhileWriting::Waits, true},
    {TCommand::Quit, TWhileWriting::Ends, false},
    {TCommand::TakeTypedRoot, TWhileWriting::Waits, false},
    {TCommand::TickAll, TWhileWriting::Waits, false},
    {TCommand::FillValues, TWhileWriting::Waits, false},
    {TCommand::Drop, TWhileWriting::Waits, false},
    {TCommand::Undo, TWhileWriting::Waits, false},
    {TCommand::OpenBackups, TWhileWriting::Runs, false},
    {TCommand::About, TWhileWriting::Runs, false},
    {TCommand::Redo, TWhileWriting::Waits, false},
    // The system's dialogs open their own modal loop, which would hold the
    // write between two files until closed.
    {TCommand::SaveValues, TWhileWriting::Waits, false},
    {TCommand::LoadValues, TWhileWriting::Waits, false},
    {TCommand::ChooseFolder, TWhileWriting::Waits, false},
    {TCommand::RecentFolder, TWhileWriting::Waits, false},
    {TCommand::CurrentValues, TWhileWriting::Runs, false},
    {TCommand::UseValues, TWhileWriting::Waits, false},
    {TCommand::Preview, TWhileWriting::Waits, false},
    {TCommand::History, TWhileWriting::Waits, false},
};

const TRule& RuleOf(TCommand command) {
  for (const TRule& rule : Rules)
    if (rule.Command == command) return rule;
  // Every command has its rule; one added without would wait while writing.
  static const TRule unknown{command, TWhileWriting::Waits, false};
  return unknown;
}

}  // namespace

bool TCommandGate::Allows(TCommand command) const {
  return FState == TState::Idle || RuleOf(command).WhileWriting != TWhileWriting::Waits;
}

void TCommandGate::Run(TCommand command, const std::function<void()>& action) {
  const TRule& rule = RuleOf(command);
  if (FState == TState::Idle)
    rule.Writes ? RunWriting(action) : action();
  else if (rule.WhileWriting == TWhileWriting::Runs)
    action();
  else if (rule.WhileWriting == TWhileWriting::Ends) {
    FState = TState::EndRequested;
    FEnd = action;
  }
}

// The window is idle again however the write ends, an exception included;
// an end requested meanwhile is carried out then.
void TCommandGate::RunWriting(const std::function<void()>& action) {
  struct TIdleAtEnd {
    TCommandGate& Gate;
    ~TIdleAtEnd() {
      const bool endRequested = Gate.FState == TState::EndRequested;
      Gate.FState = TState::Idle;
      if (endRequested) std::exchange(Gate.FEnd, nullptr)();
    }
  } idleAtEnd{*this};
  FState = TState::Writing;
  action();
}
