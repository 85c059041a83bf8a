// The scan of one pattern level: stepping over characters, quoted literals,
// the 12-hour look-ahead, and handing each token to its field.
#include "datetext/pattern_level.hpp"

#include "datetext/pattern_bytes.hpp"
#include "locale/locale_formats.hpp"
#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"

namespace bootspan {

namespace {

// Levels at or beyond this depth render nothing.
constexpr std::int32_t kMaxDepth = 2;

}  // namespace

void renderPattern(std::string_view pattern, TRenderOutput& out) {
  if (pattern.empty() || out.depth >= kMaxDepth) return;
  ++out.depth;
  TPatternLevel level(out);
  level.walk(pattern.data(), pattern.data() + pattern.size());
  --out.depth;
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
    p = writeToken(tokenOf(starter_), at, p, end);
  }
}

char TPatternLevel::tokenOf(char starter) {
  char token = kTokenOf[static_cast<unsigned char>(starter)];
  if (static_cast<unsigned char>(token - 'A') <= 'Z' - 'A') {
    if (token == 'M' && lastLetter_ == 'H') token = 'N';  // "m" after "h" is minutes
    lastLetter_ = token;
  }
  return token;
}

const char* TPatternLevel::writeToken(char token, const char* at, const char* p, const char* end) {
  switch (token) {
    case 'Y':
    case 'M':
    case 'D':
    case 'E':
    case 'G':
      p = countRepeats(p, end);
      fields_.writeDate(token, count_);
      return p;
    case 'H':
    case 'N':
    case 'S':
    case 'Z':
      p = countRepeats(p, end);
      if (token == 'H' && !twelveHour_) lookAheadForTwelveHour(p, end);
      fields_.writeTime(token, count_, twelveHour_);
      return p;
    case 'T':
    case 'C':
      p = countRepeats(p, end);
      fields_.writeExpansion(token, count_);
      return p;
    case 'A':
      return amPmOrDayName(at, p, end);
    case '/':
      if (localeFormats.dateSeparator != '\0') out_.appendByte(localeFormats.dateSeparator);
      return p;
    case ':':
      if (localeFormats.timeSeparator != '\0') out_.appendByte(localeFormats.timeSeparator);
      return p;
    case '\'':
    case '"':
      return quotedLiteral(p, end);
    default:
      out_.appendByte(starter_);
      return p;
  }
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
  for (; p < end; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    // The zero byte is never a lead byte: it ends the scan below.
    if (leadBytes.contains(c)) {
      p = platformStep(p, end) - 1;  // the loop's step lands after the character
      continue;
    }
    switch (kLookAheadClass[c]) {
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

// The "a" token at `at`: an am/pm form makes the level's hours 12-hour ones;
// a byte that starts no form is written as it is and the scan goes on at
// `next`.
const char* TPatternLevel::amPmOrDayName(const char* at, const char* next, const char* end) {
  const AForm form = aFormAt(at, end);
  const std::size_t length = fields_.writeAForm(form, at);
  if (length == 0) return next;
  if (isAmPmForm(form)) twelveHour_ = true;
  return at + length;
}

}  // namespace bootspan
