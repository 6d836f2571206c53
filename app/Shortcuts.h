// The window's keyboard shortcuts: each presses one of the styled buttons,
// which are out of the Tab order and so beyond the keyboard otherwise.
#pragma once

#include <string>
#include <vector>

class TForm1;

// One line per shortcut, "Ctrl+S : " followed by what its button does now.
std::vector<std::string> ShortcutLines(TForm1& form);
