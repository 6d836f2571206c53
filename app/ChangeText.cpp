#include "app/ChangeText.h"

#include "app/BankValues.h"

const char* const ChangeIndent = "    ";

std::string ChangeLine(const TIniChange& change) {
  return ChangeIndent + ("[" + change.Section + "] " + change.Key + " : ") + change.Before.value_or(AbsentValue) +
         " -> " + change.After.value_or(AbsentValue);
}
