#include "planner/sweep_range.h"

#include <array>
#include <charconv>

#include "output/printable_text.h"

namespace tarnwick {
namespace {

// Enough for any value a box can meaningfully hold, and small enough that every product and
// difference below stays far inside 64 bits.
constexpr int kMaxDecimals = 6;
constexpr int kMaxIntegerDigits = 9;

std::int64_t PowerOfTen(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

struct Decimal {
  std::int64_t digits = 0;  // the number without its point
  int decimals = 0;         // how many of those digits follow the point
};

std::optional<Decimal> ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  Decimal d;
  int integerDigits = 0, anyDigits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    if (point) {
      if (++d.decimals > kMaxDecimals) return std::nullopt;
    } else if (integerDigits > 0 || c != '0') {
      if (++integerDigits > kMaxIntegerDigits) return std::nullopt;
    }
    d.digits = d.digits * 10 + (c - '0');
    ++anyDigits;
  }
  if (anyDigits == 0) return std::nullopt;
  if (negative) d.digits = -d.digits;
  return d;
}

}  // namespace

std::string_view FieldName(Box field) {
  return InputFor(field).option;
}

std::string_view FieldLabel(Box field) {
  return InputFor(field).label;
}

std::string ScaledToText(std::int64_t scaled, int decimals) {
  const std::int64_t unit = PowerOfTen(decimals);
  const std::uint64_t magnitude =
      scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::string text;
  if (scaled < 0) text += '-';
  text += std::to_string(magnitude / unit);
  if (decimals > 0) {
    const std::string fraction = std::to_string(magnitude % unit);
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

double SweepRange::Value(std::size_t index) const {
  const std::string text = Text(index);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);  // "." whatever the locale
  return value;
}

std::string SweepRange::Text(std::size_t index) const {
  return ScaledToText(Scaled(index), decimals);
}

std::string SweepRange::Label(std::size_t index) const {
  return decimals > 0 ? Text(index) : ScaledToText(Scaled(index) * 10, 1);
}

ParsedSweepRange ParseSweepRange(std::string_view text) {
  auto fail = [](std::string message) {
    // Appended to a named string: GCC 12 misreads "literal" + std::string&& as an overlapping
    // copy (-Wrestrict) once it inlines it.
    std::string line = "--sweep: ";
    line += message;
    return ParsedSweepRange{std::nullopt, std::move(line)};
  };
  const auto eq = text.find('=');
  if (eq == std::string_view::npos) {
    return fail("expected FIELD=FROM:TO:STEP, e.g. exit-delay=0:30:0.1, not " + QuotedText(text));
  }
  const std::string_view name = text.substr(0, eq);
  SweepRange range;
  const InputRow* input = InputForOption(name);
  if (input == nullptr) {
    return fail("unknown field " + QuotedText(name) + "; use " + std::string(InputOptionList()));
  }
  range.field = input->box;

  std::array<std::string_view, 3> parts;
  std::string_view rest = text.substr(eq + 1);
  for (std::size_t p = 0; p < parts.size(); ++p) {
    const auto colon = rest.find(':');
    if ((p < 2) == (colon == std::string_view::npos)) {
      return fail("expected FROM:TO:STEP after " + std::string(name) + "=, not " +
                  QuotedText(text.substr(eq + 1)));
    }
    parts[p] = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
  }

  const char* partNames[] = {"FROM", "TO", "STEP"};
  std::array<Decimal, 3> numbers;
  for (std::size_t p = 0; p < parts.size(); ++p) {
    const auto d = ParseDecimal(parts[p]);
    if (!d) {
      return fail(std::string(partNames[p]) + " " + QuotedText(parts[p]) +
                  " is not a plain decimal number (at most " + std::to_string(kMaxIntegerDigits) +
                  " digits before the point and " + std::to_string(kMaxDecimals) + " after it)");
    }
    numbers[p] = *d;
    range.decimals = std::max(range.decimals, d->decimals);
  }
  for (Decimal& d : numbers) d.digits *= PowerOfTen(range.decimals - d.decimals);
  range.from = numbers[0].digits;
  range.to = numbers[1].digits;
  range.step = numbers[2].digits;

  if (range.from > range.to) {
    return fail("FROM " + std::string(parts[0]) + " is greater than TO " + std::string(parts[1]));
  }
  if (range.step <= 0) return fail("STEP " + std::string(parts[2]) + " must be greater than 0");
  if ((range.to - range.from) / range.step >= static_cast<std::int64_t>(kMaxSweepValues)) {
    return fail("the range has more than " + std::to_string(kMaxSweepValues) +
                " values; use a larger STEP");
  }
  return ParsedSweepRange{range, {}};
}

}  // namespace tarnwick
