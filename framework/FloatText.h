// Decimal numbers typed with a comma as decimal separator, read the same way
// whatever the machine's regional settings say.
//
// Grammar: optional blanks; an optional sign "+" or "-"; a non-empty run of
// digits holding at most one comma (a lone comma reads as 0); an optional
// exponent made of "E" or "e", an optional sign and at least one digit;
// optional blanks; the end of the text. A point is not a separator.
#pragma once

#include <optional>
#include <string>

// The double nearest to the number the text holds; nothing when the text does
// not follow the grammar or its value is too large for a double.
std::optional<double> TryStrToFloat(const std::string& text);

// As TryStrToFloat, raising EConvertError "'text' is not a valid floating
// point value" where that gives nothing.
double StrToFloat(const std::string& text);
