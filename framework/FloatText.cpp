#include "framework/FloatText.h"

#include <algorithm>
#include <charconv>

#include "framework/SysUtils.h"

namespace {

constexpr char DecimalSeparator = ',';
// Beyond this many powers of ten any mantissa a text field can hold has long
// overflowed or vanished; saturating there keeps the exponent in range.
constexpr long long ExponentLimit = 1'000'000'000'000LL;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number as sign, significant digits and power of ten: the value is
// digits × 10^exponent.
struct DecimalNumber {
  bool negative = false;
  std::string digits;
  long long exponent = 0;
};

class Scanner {
 public:
  explicit Scanner(const std::string& text) : FText(text) {}

  std::optional<DecimalNumber> Number() {
    DecimalNumber number;
    SkipBlanks();
    if (Peek('+') || Peek('-')) number.negative = FText[FAt++] == '-';
    if (!Mantissa(number)) return std::nullopt;
    if (Peek('E') || Peek('e')) {
      ++FAt;
      if (!Exponent(number)) return std::nullopt;
    }
    SkipBlanks();
    if (FAt != FText.size()) return std::nullopt;
    return number;
  }

 private:
  bool Peek(char c) const { return FAt < FText.size() && FText[FAt] == c; }
  bool PeekDigit() const { return FAt < FText.size() && IsDigit(FText[FAt]); }
  void SkipBlanks() {
    while (Peek(' ')) ++FAt;
  }

  bool Mantissa(DecimalNumber& number) {
    const size_t start = FAt;
    bool separatorSeen = false;
    for (; PeekDigit() || (Peek(DecimalSeparator) && !separatorSeen); ++FAt) {
      if (FText[FAt] == DecimalSeparator) {
        separatorSeen = true;
        continue;
      }
      number.digits += FText[FAt];
      if (separatorSeen) --number.exponent;
    }
    return FAt != start;
  }

  bool Exponent(DecimalNumber& number) {
    bool negative = false;
    if (Peek('+') || Peek('-')) negative = FText[FAt++] == '-';
    if (!PeekDigit()) return false;
    long long exponent = 0;
    for (; PeekDigit(); ++FAt) exponent = std::min(exponent * 10 + (FText[FAt] - '0'), ExponentLimit);
    number.exponent += negative ? -exponent : exponent;
    return true;
  }

  const std::string& FText;
  size_t FAt = 0;
};

std::optional<double> ToDouble(DecimalNumber number) {
  const double zero = number.negative ? -0.0 : 0.0;
  const size_t firstSignificant = number.digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return zero;
  number.digits.erase(0, firstSignificant);
  // The value lies in [10^magnitude, 10^(magnitude + 1)).
  const long long magnitude = static_cast<long long>(number.digits.size()) - 1 + number.exponent;
  if (magnitude > 400) return std::nullopt;
  if (magnitude < -400) return zero;
  // std::from_chars rounds to nearest and ignores the locale.
  const std::string plain = number.digits + "e" + std::to_string(number.exponent);
  double value = 0;
  if (std::from_chars(plain.data(), plain.data() + plain.size(), value).ec == std::errc())
    return number.negative ? -value : value;
  // Out of range: too large for a double, or too small for its smallest
  // subnormal, which rounds to zero.
  if (magnitude >= 0) return std::nullopt;
  return zero;
}

}  // namespace

std::optional<double> TryStrToFloat(const std::string& text) {
  std::optional<DecimalNumber> number = Scanner(text).Number();
  if (!number) return std::nullopt;
  return ToDouble(std::move(*number));
}

double StrToFloat(const std::string& text) {
  const std::optional<double> value = TryStrToFloat(text);
  if (!value) throw EConvertError("'" + text + "' is not a valid floating point value");
  return *value;
}
