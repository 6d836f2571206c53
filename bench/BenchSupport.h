// What the benchmark programs share: a clock, the spread line they print, the
// window built as the program builds it but with a version check that stays
// silent, and sound banks of the game's size to write into.
#pragma once

#include <string>
#include <vector>

#include "components/safewrite/IniContent.h"

class TForm1;

namespace klangor::test {
class TempFolder;
}

namespace klangor::bench {

// Seconds on the performance counter.
double Now();

// Prints "NAME: min X median Y max Z (n N)".
void PrintSpread(const std::string& name, std::vector<double> values);

// Registers the layout's classes, with a version checker that asks a closed
// loopback port and reports nothing: its failure box must not land inside
// a measurement, and no test hook may sit in the message path to catch it.
void RegisterBenchLayoutClasses();

// The sound folder of the game root RBR inside a bench's folder.
extern const char* const BenchSoundFolder;

// Starts the application and creates the real window as the program entry
// does, on the bench's folder: its sound folder is made and the window's
// backup sets go into the folder too.
TForm1& CreateBenchWindow(const klangor::test::TempFolder& folder);

// Fills Edit1, CheckBox1 and all 28 gain fields and returns the writes the
// command will make into each file, in its order.
std::vector<TIniValue> FillAllFields(TForm1& form);

// A sound bank of about 80 lines holding every key written.
std::string SoundBank(const std::vector<TIniValue>& values);

// Writes COUNT sound banks named bank0.ini ... into the folder.
void WriteSoundBanks(const std::string& folder, int count, const std::string& text);

}  // namespace klangor::bench
