#include "datetext/render.hpp"

#include <array>
#include <cstdint>
#include <cstring>

#include "datetext/era_text.hpp"
#include "datetext/render_output.hpp"
#include "locale/locale_formats.hpp"
#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"

namespace bootspan {

namespace {

// Levels at or beyond this depth render nothing: the caller's pattern is
// level 1 and one expansion inside it is level 2.
constexpr std::int32_t kMaxDepth = 2;

// Bytes 'A' to 'Z' and 'a' to 'z' with bit 5 cleared are the upper-case
// letters; no other byte gives one of them, so (b & 0xDF) == 'M' is exactly
// "b is 'M' or 'm'".
bool isLetter(char b, char upper) {
  return (b & 0xDF) == upper;
}

// The am/pm and day-name forms of an "a" token, in the order they are tried.
enum class AForm { none, amSlashPm, aSlashP, amPm, aaaa, aaa };

// The first form, compared ASCII case-blind, that the bytes from `p` (an "a"
// or "A", p < end) begin with. The forms differ in their second or third
// byte except "AAAA" and "AAA", where the longer is tried first, so one
// look at the second byte picks the forms to compare.
AForm aFormAt(const char* p, const char* end) {
  const std::ptrdiff_t left = end - p;
  if (left < 3) return AForm::none;
  if (isLetter(p[1], 'M')) {
    if (left >= 5 && p[2] == '/' && isLetter(p[3], 'P') && isLetter(p[4], 'M')) {
      return AForm::amSlashPm;
    }
    if (left >= 4 && isLetter(p[2], 'P') && isLetter(p[3], 'M')) return AForm::amPm;
    return AForm::none;
  }
  if (p[1] == '/') return isLetter(p[2], 'P') ? AForm::aSlashP : AForm::none;
  if (isLetter(p[1], 'A') && isLetter(p[2], 'A')) {
    return left >= 4 && isLetter(p[3], 'A') ? AForm::aaaa : AForm::aaa;
  }
  return AForm::none;
}

// What the 12-hour look-ahead does at a byte that is not a lead byte.
enum class LookAhead : std::uint8_t { pass, quote, hour, a, stop };

constexpr std::array<LookAhead, 256> kLookAheadClass = [] {
  std::array<LookAhead, 256> classes{};  // LookAhead::pass
  classes['\0'] = LookAhead::stop;
  classes['\''] = classes['"'] = LookAhead::quote;
  classes['H'] = classes['h'] = LookAhead::hour;
  classes['A'] = classes['a'] = LookAhead::a;
  return classes;
}();

// The token of each starter byte: "a" to "z" made "A" to "Z" (ASCII only).
constexpr std::array<char, 256> kTokenOf = [] {
  std::array<char, 256> tokens{};
  for (int b = 0; b < 256; ++b)
    tokens[b] = static_cast<char>(b >= 'a' && b <= 'z' ? b - ('a' - 'A') : b);
  return tokens;
}();

bool isAmPmForm(AForm form) {
  return form == AForm::amSlashPm || form == AForm::aSlashP || form == AForm::amPm;
}

// The start of the character after the one at `p` (p < end) as the platform
// steps it, at least one byte on and never beyond `end`. A byte before the
// end or a zero byte is stepped alone, so the platform never reads past the
// pattern. Callers step the bytes that stepsAlone knows to be alone
// themselves.
__attribute__((noinline)) const char* platformStep(const char* p, const char* end) {
  if (end - p < 2 || p[1] == '\0') return p + 1;
  const char* next = zNextChar(p);
  if (next <= p) return p + 1;
  return next < end ? next : end;
}

// The name with 1-based `index` in `names`, or nothing for an index outside
// 1..N-1, such as the month 0 of a day number below 1.
template <std::size_t N>
std::string_view nameAt(const std::array<std::string, N>& names, std::uint32_t index) {
  return index >= 1 && index < N ? std::string_view(names[index]) : std::string_view();
}

// The weekday to name for the value, or 0 (no name) for a day number below
// 1: day 0 would otherwise name a Sunday although it is no calendar day.
std::uint32_t namedWeekday(TDayValue value) {
  if (stampFromValue(value).dayNumber < 1) return 0;
  return weekdayOf(value);
}

void renderPattern(std::string_view pattern, TRenderOutput& out);

// The working state of one pattern level.
class TPatternLevel {
 public:
  explicit TPatternLevel(TRenderOutput& out) : out_(out) {}

  void walk(const char* p, const char* end);

 private:
  void ensureDate();
  void ensureTime();
  // Moves `p` past the bytes equal to the starter and sets count_.
  const char* countRepeats(const char* p, const char* end);
  void lookAheadForTwelveHour(const char* p, const char* end);
  const char* quotedLiteral(const char* p, const char* end);
  const char* amPmOrDayName(const char* starterAt, const char* next, const char* end);
  void appendHour();

  TRenderOutput& out_;
  char starter_ = 0;
  char lastLetter_ = ' ';
  std::int32_t count_ = 0;
  bool dateSplit_ = false;
  bool timeSplit_ = false;
  bool twelveHour_ = false;
  std::uint16_t year_ = 0, month_ = 0, day_ = 0;
  std::uint16_t hour_ = 0, minute_ = 0, second_ = 0, millisecond_ = 0;
};

void TPatternLevel::ensureDate() {
  if (dateSplit_) return;
  splitDate(out_.dayValue, year_, month_, day_);
  dateSplit_ = true;
}

void TPatternLevel::ensureTime() {
  if (timeSplit_) return;
  splitTime(out_.dayValue, hour_, minute_, second_, millisecond_);
  timeSplit_ = true;
}

const char* TPatternLevel::countRepeats(const char* p, const char* end) {
  const char* run = p;
  while (run < end && *run == starter_)
    ++run;
  count_ = static_cast<std::int32_t>(run - p) + 1;
  return run;
}

// After an hour run: the hour is a 12-hour one when an am/pm form follows
// outside quotes before the next hour token.
void TPatternLevel::lookAheadForTwelveHour(const char* p, const char* end) {
  bool inQuotes = false;
  while (p < end) {
    const char c = *p;
    // The zero byte is never a lead byte: it ends the scan below.
    if (leadBytes.contains(c)) {
      p = platformStep(p, end);
      continue;
    }
    const LookAhead what = kLookAheadClass[static_cast<unsigned char>(c)];
    if (what == LookAhead::pass) {
      ++p;
      continue;
    }
    switch (what) {
      case LookAhead::pass:
        break;
      case LookAhead::quote:
        inQuotes = !inQuotes;
        break;
      case LookAhead::a:
        if (inQuotes) break;
        if (isAmPmForm(aFormAt(p, end))) twelveHour_ = true;
        return;
      case LookAhead::hour:
      case LookAhead::stop:
        return;
    }
    ++p;
  }
}

// Copies the bytes after the opening quote up to the same quote character
// (or the end); a double-byte character is copied whole, so its second byte
// never closes the literal. Returns the position after the closing quote.
const char* TPatternLevel::quotedLiteral(const char* p, const char* end) {
  const char* q = p;
  while (q < end && *q != '\0' && *q != starter_)
    q = leadBytes.contains(*q) ? platformStep(q, end) : q + 1;
  out_.appendBytes(p, static_cast<std::size_t>(q - p));
  return q < end && *q == starter_ ? q + 1 : q;
}

const char* TPatternLevel::amPmOrDayName(const char* at, const char* next, const char* end) {
  ensureTime();
  const bool morning = hour_ < 12;
  switch (aFormAt(at, end)) {
    case AForm::amSlashPm:
      out_.appendBytes(morning ? at : at + 3, 2);  // as written: "am/pm" gives "am" or "pm"
      twelveHour_ = true;
      return at + 5;
    case AForm::aSlashP:
      out_.appendByte(morning ? at[0] : at[2]);
      twelveHour_ = true;
      return at + 3;
    case AForm::amPm:
      out_.appendText(morning ? localeFormats.amDesignator : localeFormats.pmDesignator);
      twelveHour_ = true;
      return at + 4;
    case AForm::aaaa:
      ensureDate();
      out_.appendText(nameAt(localeFormats.longDayNames, namedWeekday(out_.dayValue)));
      return at + 4;
    case AForm::aaa:
      ensureDate();
      out_.appendText(nameAt(localeFormats.shortDayNames, namedWeekday(out_.dayValue)));
      return at + 3;
    case AForm::none:
      break;
  }
  out_.appendByte(starter_);
  return next;
}

void TPatternLevel::appendHour() {
  std::uint32_t hour = hour_;  // 0..23
  if (twelveHour_) {
    if (hour == 0) {
      hour = 12;
    } else if (hour > 12) {
      hour -= 12;
    }
  }
  out_.appendDigits(hour, count_ < 2 ? count_ : 2);
}

void TPatternLevel::walk(const char* p, const char* end) {
  while (p < end && *p != '\0') {
    const char* at = p;
    starter_ = *p;
    if (stepsAlone(starter_)) {
      ++p;
    } else {
      p = platformStep(p, end);
      if (leadBytes.contains(starter_)) {
        // A double-byte character outside quotes prints nothing.
        lastLetter_ = ' ';
        continue;
      }
    }
    char token = kTokenOf[static_cast<unsigned char>(starter_)];
    if (static_cast<unsigned char>(token - 'A') <= 'Z' - 'A') {
      if (token == 'M' && lastLetter_ == 'H') token = 'N';  // "m" after "h" is minutes
      lastLetter_ = token;
    }
    switch (token) {
      case 'Y':
        p = countRepeats(p, end);
        ensureDate();
        if (count_ <= 2) {
          out_.appendDigits(year_ % 100u, 2);
        } else {
          out_.appendDigits(year_, 4);
        }
        break;
      case 'M':
        p = countRepeats(p, end);
        ensureDate();
        if (count_ <= 2) {
          out_.appendDigits(month_, count_);
        } else {
          out_.appendText(count_ == 3 ? nameAt(localeFormats.shortMonthNames, month_)
                                      : nameAt(localeFormats.longMonthNames, month_));
        }
        break;
      case 'D':
        p = countRepeats(p, end);
        if (count_ <= 2) {
          ensureDate();
          out_.appendDigits(day_, count_);
        } else if (count_ == 3) {
          out_.appendText(nameAt(localeFormats.shortDayNames, namedWeekday(out_.dayValue)));
        } else if (count_ == 4) {
          out_.appendText(nameAt(localeFormats.longDayNames, namedWeekday(out_.dayValue)));
        } else {
          renderPattern(
              count_ == 5 ? localeFormats.shortDatePattern : localeFormats.longDatePattern, out_);
        }
        break;
      case 'E':
        p = countRepeats(p, end);
        ensureDate();
        out_.appendText(eraYearText(year_, month_, day_, count_));
        break;
      case 'G':
        p = countRepeats(p, end);
        ensureDate();
        out_.appendText(eraNameText(year_, month_, day_, count_));
        break;
      case 'H':
        p = countRepeats(p, end);
        ensureTime();
        if (!twelveHour_) lookAheadForTwelveHour(p, end);
        appendHour();
        break;
      case 'N':
        p = countRepeats(p, end);
        ensureTime();
        out_.appendDigits(minute_, count_ < 2 ? count_ : 2);
        break;
      case 'S':
        p = countRepeats(p, end);
        ensureTime();
        out_.appendDigits(second_, count_ < 2 ? count_ : 2);
        break;
      case 'Z':
        p = countRepeats(p, end);
        ensureTime();
        out_.appendDigits(millisecond_, count_ < 3 ? count_ : 3);
        break;
      case 'T':
        p = countRepeats(p, end);
        renderPattern(count_ == 1 ? localeFormats.shortTimePattern : localeFormats.longTimePattern,
                      out_);
        break;
      case 'C':
        p = countRepeats(p, end);
        renderPattern(localeFormats.shortDatePattern, out_);
        ensureTime();
        if (hour_ != 0 || minute_ != 0 || second_ != 0) {
          out_.appendByte(' ');
          renderPattern(localeFormats.longTimePattern, out_);
        }
        break;
      case 'A':
        p = amPmOrDayName(at, p, end);
        break;
      case '/':
        if (localeFormats.dateSeparator != '\0') out_.appendByte(localeFormats.dateSeparator);
        break;
      case ':':
        if (localeFormats.timeSeparator != '\0') out_.appendByte(localeFormats.timeSeparator);
        break;
      case '\'':
      case '"':
        p = quotedLiteral(p, end);
        break;
      default:
        out_.appendByte(starter_);
        break;
    }
  }
}

// Renders one pattern level into `out`; nothing for an empty pattern or
// beyond the nesting limit. Every scan of the level stops at a zero byte,
// which ends the pattern.
void renderPattern(std::string_view pattern, TRenderOutput& out) {
  if (pattern.empty() || out.depth >= kMaxDepth) return;
  ++out.depth;
  TPatternLevel level(out);
  level.walk(pattern.data(), pattern.data() + pattern.size());
  --out.depth;
}

}  // namespace

std::string renderDayValue(std::string_view pattern, TDayValue value) {
  TRenderOutput out;
  out.dayValue = value;
  renderPattern(pattern.empty() ? std::string_view("C") : pattern, out);
  return std::string(out.buffer, static_cast<std::size_t>(out.used));
}

std::string renderLongTime(TDayValue value) {
  return renderDayValue(localeFormats.longTimePattern, value);
}

}  // namespace bootspan
