// The download address of a newer version comes from a file fetched over the
// network: whoever can change that file chooses the address. Only a plain web
// address is handed to the user's browser, and it is handed over whole.
#pragma once

#include <string>

// An absolute http:// or https:// address with a host, of at most 1,024
// characters, each a letter, a digit, one of -._~:/?#[]@!$&'()*+,;= or a "%"
// followed by two hexadecimal digits. Anything else is refused: a quote or a
// blank would end the argument the address is given in and start another, a
// local path would start a program, and a letter outside ASCII may stand for
// another one once converted.
bool IsOpenableWebAddress(const std::wstring& address);

// Starts the user's handler of the address's scheme with the address as one
// argument. Whether it started is not reported.
void OpenWebAddress(const std::wstring& address);
