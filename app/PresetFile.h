// A preset: the filled values in the sound banks' own format, so that it is
// read exactly as a bank is and any bank also serves as a preset: section
// "[OPTIONS::SOUNDS]" and then "[AMP::SOUNDS]", each (when it has a filled
// value) followed by its keys in writing order as "key=value", UTF-8 without
// a byte-order mark, CR LF line ends, nothing else.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components/safewrite/IniContent.h"

std::string PresetText(const std::vector<TIniValue>& values);

// Writes the preset to a temporary file beside the target, flushed, and
// moves it into the target's place in one step: a file already there is
// either replaced whole or left as it was. 0, or the system's error code;
// the temporary file is gone either way.
DWORD SavePreset(const std::string& path, const std::vector<TIniValue>& values);

// A start argument or a dropped name ending in ".ini" (any letter case) that
// is not a folder names a preset.
bool IsPresetPath(const std::string& path);
