// The comma-separated number reader against its grammar. Generated texts are
// judged by an independent oracle: a regular expression of the grammar decides
// whether a text is a number, and the C library's strtod, fed the same digits
// with a point, gives its value. Every text must be refused or read as that
// value, never misread.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>

#include "framework/FloatText.h"
#include "framework/SysUtils.h"

namespace {

// Blanks, sign, mantissa (digits with at most one comma), exponent, blanks.
const std::regex Grammar("^ *([+-]?)([0-9]+,?[0-9]*|,[0-9]*)([eE][+-]?[0-9]+)? *$");

std::optional<double> Oracle(const std::string& text) {
  std::smatch parts;
  if (!std::regex_match(text, parts, Grammar)) return std::nullopt;
  // A leading 0 lets strtod read a mantissa that is a lone separator.
  std::string plain = parts[1].str() + "0" + parts[2].str() + parts[3].str();
  for (char& c : plain)
    if (c == ',') c = '.';
  char* end = nullptr;
  const double value = std::strtod(plain.c_str(), &end);
  if (end != plain.c_str() + plain.size()) throw std::logic_error("oracle could not read " + plain);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

void ExpectReadAsOracle(const std::string& text) {
  const std::optional<double> expected = Oracle(text);
  const std::optional<double> actual = TryStrToFloat(text);
  ASSERT_EQ(actual.has_value(), expected.has_value()) << "'" << text << "'";
  if (!expected) return;
  EXPECT_EQ(*actual, *expected) << "'" << text << "'";
  EXPECT_EQ(std::signbit(*actual), std::signbit(*expected)) << "'" << text << "'";
}

class TextGenerator {
 public:
  explicit TextGenerator(unsigned seed) : FRandom(seed) {}

  std::string Next() {
    std::string text = Blanks() + Sign() + Mantissa() + Exponent() + Blanks();
    if (Chance(4)) Damage(text);
    return text;
  }

 private:
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(FRandom) == 0; }
  int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(FRandom); }
  std::string Digits(int maxCount) {
    std::string digits;
    for (int n = Below(maxCount + 1); n > 0; --n) digits += static_cast<char>('0' + Below(10));
    return digits;
  }
  std::string Blanks() { return Chance(3) ? std::string(static_cast<size_t>(Below(3) + 1), ' ') : ""; }
  std::string Sign() {
    static const char* const signs[] = {"", "", "+", "-", "-", "+-", "--"};
    return signs[Below(7)];
  }
  std::string Mantissa() {
    static const char* const separators[] = {"", ",", ",", ",", ".", ",,"};
    if (Chance(10)) return Digits(3) + "0000000000000000000000" + Digits(20);  // many digits
    return Digits(Chance(5) ? 30 : 4) + separators[Below(6)] + Digits(Chance(5) ? 30 : 6);
  }
  std::string Exponent() {
    if (Chance(2)) return "";
    static const char* const letters[] = {"e", "E"};
    static const char* const signs[] = {"", "+", "-"};
    std::string exponent = std::string(letters[Below(2)]) + signs[Below(3)];
    if (Chance(8)) return exponent + "99999999999999999999";
    // Around the ends of the double range as often as near 1.
    return exponent + (Chance(2) ? std::to_string(300 + Below(30)) : Digits(2));
  }
  void Damage(std::string& text) {
    static const char junk[] = {'a', 'x', '.', ',', 'e', 'E', '+', '-', ' ', '\t', '0', '9', '\xE9', '/'};
    const size_t at = static_cast<size_t>(Below(static_cast<int>(text.size()) + 1));
    if (!text.empty() && Chance(3))
      text.erase(at == text.size() ? at - 1 : at, 1);
    else
      text.insert(at, 1, junk[Below(sizeof junk)]);
  }

  std::mt19937 FRandom;
};

}  // namespace

TEST(FloatText, ReadsTheCommaGrammar) {
  const std::pair<std::string, double> numbers[] = {
      {"0", 0.0},
      {"1", 1.0},
      {"0,5", 0.5},
      {",5", 0.5},
      {"5,", 5.0},
      {",", 0.0},
      {"-,", -0.0},
      {"  -1,5e+2  ", -150.0},
      {"+2E-1", 0.2},
      {"1e0", 1.0},
      {"007,50", 7.5},
      {"1e-400", 0.0},
      {"1,7976931348623157e308", DBL_MAX},
      {"4,9406564584124654e-324", 4.9406564584124654e-324},
      {"0e99999999999999999999", 0.0},
      {"1e-99999999999999999999", 0.0},
  };
  for (const auto& [text, value] : numbers) {
    const std::optional<double> read = TryStrToFloat(text);
    ASSERT_TRUE(read.has_value()) << "'" << text << "'";
    EXPECT_EQ(*read, value) << "'" << text << "'";
    EXPECT_EQ(std::signbit(*read), std::signbit(value)) << "'" << text << "'";
  }
}

TEST(FloatText, RefusesWhatIsNotANumberOrTooLarge) {
  const char* const refused[] = {
      "",    " ",   "abc", "1.5",  "1,2,3", "1.2.3", "e5",  "1e",   "1e+",     "1 0",    "--1",
      "+-1", "\t1", "1\t", "1,5x", "0x10",  "inf",   "nan", "1e5,", "1,8e308", "-1e400", "1e99999999999999999999",
      "+",   "-",   ",,",  "1e1,5"};
  for (const char* text : refused) EXPECT_FALSE(TryStrToFloat(text).has_value()) << "'" << text << "'";
}

TEST(FloatText, RefusalRaisesTheConversionError) {
  try {
    StrToFloat("1,2,3");
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'1,2,3' is not a valid floating point value");
  }
  EXPECT_EQ(StrToFloat(" 0,25 "), 0.25);
}

TEST(FloatText, GeneratedTextsAreReadAsTheOracleReadsThem) {
  TextGenerator generator(20240611);
  int numbers = 0;
  for (int n = 0; n < 6000; ++n) {
    const std::string text = generator.Next();
    if (Oracle(text)) ++numbers;
    ASSERT_NO_FATAL_FAILURE(ExpectReadAsOracle(text));
  }
  // Both kinds must be well represented for the comparison to mean anything.
  EXPECT_GT(numbers, 1500);
  EXPECT_LT(numbers, 4500);
}

TEST(FloatText, EveryDoubleWrittenWithACommaReadsBackExactly) {
  std::mt19937_64 random(7);
  for (int n = 0; n < 3000; ++n) {
    uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    std::string comma = text;
    for (char& c : comma)
      if (c == '.') c = ',';
    const std::optional<double> read = TryStrToFloat(comma);
    ASSERT_TRUE(read.has_value()) << comma;
    EXPECT_EQ(*read, value) << comma;
  }
}
