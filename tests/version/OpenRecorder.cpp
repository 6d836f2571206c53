// Stands in for the web browser of the tests: the shell starts it for every
// address it opens, and it appends its command line to the file that
// KLANGOR_OPEN_LOG names.
#include <windows.h>

#include <cstdio>

int main() {
  char log[MAX_PATH];
  if (!GetEnvironmentVariableA("KLANGOR_OPEN_LOG", log, MAX_PATH)) return 1;
  FILE* file = std::fopen(log, "ab");
  if (!file) return 2;
  std::fprintf(file, "%s\n", GetCommandLineA());
  std::fclose(file);
  return 0;
}
