// renderDayValue on any pattern of up to 600 bytes, any day value and any
// settings (patterns, names, separators, designators, era texts, lead bytes):
//
// - the only error is EInvalidOp, and only for values the splits refuse;
// - the result holds at most 256 bytes, and it is the first 256 bytes of the
//   output the pattern would give without the cut: put k copied bytes in
//   front of the pattern and the result is those k bytes followed by the
//   first 256 - k bytes of the earlier result, for every k, so the cut falls
//   at each position of the output in turn;
// - bytes after a zero byte are never read, and bytes appended after the
//   pattern only ever append to the result;
// - nesting never exceeds two levels: replacing each settings pattern by a
//   quoted literal of what it renders on its own with every expansion empty
//   gives the same result.
//
// Input: a flag byte, the value (mode byte and eight bytes), lead-byte ranges
// (12 bytes), the language byte, separators, designators, names, the four
// settings patterns, the era text, the count of bytes put in front, and the
// rest as the pattern.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/day_stamp.hpp"
#include "datetext/render.hpp"
#include "fuzz/fuzz_checks.hpp"
#include "fuzz/fuzz_format_args.hpp"
#include "locale/locale_formats.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

namespace {

constexpr std::size_t kMaxPattern = 600;
constexpr std::size_t kCapacity = 256;

std::string readText(Reader& in, unsigned maxLength) {
  std::string text(in.byte() % (maxLength + 1), '\0');
  for (char& c : text)
    c = static_cast<char>(in.byte());
  return text;
}

double readValue(Reader& in) {
  const std::uint8_t mode = in.byte();
  const std::uint64_t bits = in.word();
  switch (mode % 4) {
    case 0: {  // any double, NaN and infinities included
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    case 1:  // a valid stamp: any day of years 1 to 65535 and any millisecond
      return valueFromStamp({static_cast<std::int32_t>((bits >> 32) % msPerDay),
                             static_cast<std::int32_t>((bits & 0xFFFFFFFF) % 23936166 + 1)});
    case 2:  // the uptime report's values: day 1 at any millisecond
      return valueFromStamp({static_cast<std::int32_t>(bits % msPerDay), 1});
    default:  // whole days and a fraction on either side of the epoch
      return static_cast<double>(static_cast<std::int32_t>(bits)) +
             static_cast<double>(bits >> 40) / 16777216.0;
  }
}

// Runs the renderer; nothing when it raised EInvalidOp (anything else raised
// is a failure).
template <class F>
std::optional<std::string> rendered(F&& render) {
  try {
    return render();
  } catch (const TEscapedFailure& raised) {
    CHECK(raised.error != nullptr && raised.error->className() == "EInvalidOp");
    releaseError(raised.error);
    return std::nullopt;
  }
}

// A pattern whose only token is a quoted literal copying `text`: runs
// without "'" in '...', each "'" in "...". Needs a text without zero bytes
// and lead bytes, and quotes that are no lead bytes.
std::string literalPattern(std::string_view text) {
  std::string pattern;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\'') {
      pattern += "\"'\"";
      ++i;
      continue;
    }
    const std::size_t end = std::min(text.find('\'', i), text.size());
    pattern += '\'';
    pattern.append(text.substr(i, end - i));
    pattern += '\'';
    i = end;
  }
  return pattern;
}

bool literalSafe(std::string_view text) {
  if (leadBytes.contains('\'') || leadBytes.contains('"')) return false;
  for (char c : text) {
    if (c == '\0' || leadBytes.contains(c)) return false;
  }
  return true;
}

void checkNesting(std::string_view pattern, double value, const std::string& result) {
  const TLocaleFormats saved = localeFormats;
  std::string* const fields[] = {&localeFormats.shortDatePattern, &localeFormats.longDatePattern,
                                 &localeFormats.shortTimePattern, &localeFormats.longTimePattern};
  // What each settings pattern renders as a second level: the same walk with
  // every expansion inside it empty.
  std::string frozen[4];
  for (std::string* f : fields)
    f->clear();
  const std::string* const originals[] = {&saved.shortDatePattern, &saved.longDatePattern,
                                          &saved.shortTimePattern, &saved.longTimePattern};
  bool usable = true;
  for (int i = 0; i < 4 && usable; ++i) {
    if (originals[i]->empty()) continue;  // an empty settings pattern renders nothing
    // A settings pattern that needs a split the value refuses cannot have
    // been rendered (the whole call would have raised): it stays empty.
    const auto level2 = rendered([&] { return renderDayValue(*originals[i], value); });
    if (!level2) continue;
    usable = literalSafe(*level2);
    frozen[i] = literalPattern(*level2);
  }
  if (usable) {
    for (int i = 0; i < 4; ++i)
      *fields[i] = frozen[i];
    const auto again = rendered([&] { return renderDayValue(pattern, value); });
    CHECK(again.has_value() && *again == result);
  }
  localeFormats = saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform& fake = fakePlatform();
  fake.dateFormatCalls.clear();
  Reader in(data, size);

  const std::uint8_t flags = in.byte();
  const double value = readValue(in);

  // Lead bytes as up to six ranges; never the byte 1, which the appended tail
  // below uses as a plain character.
  leadBytes.clear();
  sysLocale.farEast = (flags & 1) != 0;
  for (int pair = 0; pair < 6; ++pair) {
    const unsigned low = in.byte();
    const unsigned high = in.byte();
    if (!sysLocale.farEast) continue;
    for (unsigned b = low; b <= high; ++b) {
      if (b != 1) leadBytes.add(static_cast<unsigned char>(b));
    }
  }
  fake.charNextLeadBytes.reset();
  for (unsigned b = 0; b < 256; ++b)
    fake.charNextLeadBytes[b] = leadBytes.contains(static_cast<unsigned char>(b));
  const std::uint8_t language = in.byte();
  sysLocale.primaryLanguage = language % 3 == 0 ? 17 : language % 3 == 1 ? 4 : 9;
  sysLocale.subLanguage = (language >> 2) % 3;

  TLocaleFormats& f = localeFormats;
  f = TLocaleFormats{};
  f.dateSeparator = static_cast<char>(in.byte());
  f.timeSeparator = static_cast<char>(in.byte());
  f.amDesignator = readText(in, 12);
  f.pmDesignator = readText(in, 12);
  // Names: a length and a first byte per array; entry i counts up from it.
  auto fillNames = [&](auto& names) {
    const std::size_t length = in.byte() % 41;
    const std::uint8_t first = in.byte();
    for (std::size_t i = 1; i < names.size(); ++i)
      names[i].assign(length, static_cast<char>(first + i));
  };
  fillNames(f.shortMonthNames);
  fillNames(f.longMonthNames);
  fillNames(f.shortDayNames);
  fillNames(f.longDayNames);
  f.shortDatePattern = readText(in, 24);
  f.longDatePattern = readText(in, 24);
  f.shortTimePattern = readText(in, 24);
  f.longTimePattern = readText(in, 24);

  // Era texts: the platform answers this text for every picture, or fails.
  std::string eraText = readText(in, 40);
  if ((flags & 2) != 0) eraText.assign(300, 'E');  // does not fit the 256-byte buffer
  fake.dateFormat = [eraText, fails = (flags & 4) != 0](const SYSTEMTIME&, const std::string&) {
    return fails ? std::nullopt : std::optional<std::string>(eraText);
  };

  const std::size_t frontCount = in.byte() | (static_cast<std::size_t>(in.byte() & 1) << 8);
  std::string pattern = in.rest();
  if (pattern.size() > kMaxPattern) pattern.resize(kMaxPattern);

  const auto result = rendered([&] { return renderDayValue(pattern, value); });
  if (!result) {
    // Only values the splits refuse raise.
    CHECK(!std::isfinite(value) || std::fabs(value) * 86400000.0 >= 9.2e18);
    return 0;
  }
  CHECK(result->size() <= kCapacity);
  CHECK(rendered([&] { return renderLongTime(value); }) ==
        rendered([&] { return renderDayValue(f.longTimePattern, value); }));

  // Nothing after a zero byte is read. (An empty pattern means "C", but a
  // pattern that starts with a zero byte is not empty and renders nothing.)
  std::string afterZero = pattern;
  afterZero.push_back('\0');
  afterZero += "hh AMPM 'x";
  CHECK(rendered([&] { return renderDayValue(afterZero, value); }) ==
        (pattern.empty() ? std::string() : *result));

  // Appended bytes only append: "\x01" ends any run, am/pm form or
  // double-byte character, and an hour letter that is no lead byte ends every
  // 12-hour look-ahead (a lead byte is passed over with its character).
  const std::string_view visible(pattern.c_str());
  const char hourLetter = !leadBytes.contains('h') ? 'h' : !leadBytes.contains('H') ? 'H' : 0;
  if (!visible.empty() && hourLetter != 0) {
    const std::string longer = std::string(visible) + '\x01' + hourLetter + std::string(visible);
    // The appended hour may need a split that the value refuses.
    const auto extended = rendered([&] { return renderDayValue(longer, value); });
    CHECK(!extended || extended->compare(0, result->size(), *result) == 0);
  }

  // Copied bytes in front move the cut through the output.
  const char* fillers = "0123456789 ,.-_#";
  char filler = 0;
  for (const char* c = fillers; *c != '\0'; ++c) {
    if (!leadBytes.contains(*c)) {
      filler = *c;
      break;
    }
  }
  if (filler != 0 && frontCount <= kCapacity && !visible.empty()) {
    const std::string front(frontCount, filler);
    std::string expected = front + *result;
    if (expected.size() > kCapacity) expected.resize(kCapacity);
    CHECK(rendered([&] { return renderDayValue(front + pattern, value); }) == expected);
  }

  checkNesting(pattern, value, *result);
  return 0;
}
