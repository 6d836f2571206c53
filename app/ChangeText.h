// How a changed key reads in the preview of a press and in the history:
// "    [AMP::SOUNDS] Engine : 1.0 -> 0.8", "—" where a file lacks the key,
// below the file's name.
#pragma once

#include <string>

#include "components/safewrite/IniContent.h"

extern const char* const ChangeIndent;

std::string ChangeLine(const TIniChange& change);
