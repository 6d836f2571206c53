// The About box of the system menu: version and copyright from the version
// resource, the update site, the backups folder once it exists, and the
// keyboard shortcuts.
#pragma once

#include <string>

class TForm1;

extern const char* const AboutCaption;

std::string AboutText(TForm1& form);
void ShowAbout(TForm1& form);
