// Every multibyte operation on any lead-byte set and any text, checked
// against a plain left-to-right parse of the text into characters: each step
// advances one or two bytes and never passes the terminating zero, the byte
// kinds and index conversions agree with the parse, and scanChar and
// scanLastChar only ever find whole single-byte characters.
//
// Input: a flag byte (bit 0: a double-byte code page is in force; bit 1: the
// lead bytes come as up to six (low, high) ranges in 12 bytes instead of a
// 32-byte bitmap), the lead-byte description, then the text (at most 96
// bytes; it may hold zero bytes).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_checks.hpp"
#include "fuzz/fuzz_format_args.hpp"
#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

namespace {

constexpr std::size_t kMaxText = 96;

// The character starts of a text, parsed from the left: a lead byte followed
// by a byte that is inside the text and not zero makes a two-byte character,
// every other byte is a character of its own. `starts` gets one more entry,
// the index after the text. Indexes are 0-based.
struct Parse {
  std::vector<int> starts;
  std::vector<TByteKind> kinds;
  std::vector<int> charOf;  // 1-based character number holding each byte
};

Parse parse(std::string_view text, bool doubleByte) {
  Parse p;
  const int n = static_cast<int>(text.size());
  p.kinds.assign(text.size(), singleByte);
  p.charOf.assign(text.size(), 0);
  int i = 0;
  while (i < n) {
    p.starts.push_back(i);
    const int number = static_cast<int>(p.starts.size());
    const bool lead = doubleByte && leadBytes.contains(text[i]);
    p.charOf[i] = number;
    if (lead) p.kinds[i] = leadByte;
    if (lead && i + 1 < n && text[i + 1] != '\0') {
      p.kinds[i + 1] = trailByte;
      p.charOf[i + 1] = number;
      i += 2;
    } else {
      i += 1;
    }
  }
  p.starts.push_back(n);
  return p;
}

void checkCountedText(std::string_view text, bool farEast) {
  const Parse p = parse(text, farEast);
  const int length = static_cast<int>(text.size());
  const int chars = static_cast<int>(p.starts.size()) - 1;

  for (int b = -1; b <= length + 1; ++b) {
    const bool inside = b >= 1 && b <= length;
    CHECK(byteIndexToCharIndex(text, b) == (inside ? p.charOf[b - 1] : 0));
    const int clamped = b > length ? length : b;
    CHECK(byteLenToCharLen(text, b) == (clamped <= 0 ? 0 : p.charOf[clamped - 1]));
    CHECK(byteKindInText(text, b) == (inside ? p.kinds[b - 1] : singleByte));
    if (inside) {
      // Steps from any byte advance one or two bytes and stay within the
      // text and its terminator.
      const int next = nextCharIndex(text, b);
      CHECK(next == b + charLengthAt(text, b));
      CHECK(next >= b + 1 && next <= b + 2 && next <= length + 1);
      // Round trip: the character holding b starts where its number says.
      CHECK(charIndexToByteIndex(text, p.charOf[b - 1]) == p.starts[p.charOf[b - 1] - 1] + 1);
    }
  }
  for (int k = 0; k < chars; ++k) {
    const int start = p.starts[k] + 1;  // 1-based
    CHECK(nextCharIndex(text, start) == p.starts[k + 1] + 1);
    CHECK(byteIndexToCharIndex(text, charIndexToByteIndex(text, k + 1)) == k + 1);
  }
  for (int c = -1; c <= length + 1; ++c) {
    const int expectedStart = c >= 1 && c <= chars ? p.starts[c - 1] + 1 : 0;
    CHECK(charIndexToByteIndex(text, c) == expectedStart);
    int expectedBytes = 0;
    if (c >= 1) {
      const int limit = c > length ? length : c;
      expectedBytes = limit <= chars ? p.starts[limit] : length;
    }
    CHECK(charLenToByteLen(text, c) == expectedBytes);
  }
}

void checkZeroTerminated(const std::string& text, bool farEast) {
  const char* z = text.c_str();
  const std::size_t terminator = text.find('\0');
  const std::string_view visible(z, terminator == std::string::npos ? text.size() : terminator);
  const Parse platformView = parse(visible, true);  // CharNextA sees the lead bytes always
  const Parse p = parse(visible, farEast);
  const std::size_t end = visible.size();

  // Walking with zNextChar visits exactly the character starts and stops on
  // the terminator.
  const char* at = z;
  std::size_t k = 0;
  while (*at != '\0') {
    CHECK(static_cast<std::size_t>(at - z) == static_cast<std::size_t>(platformView.starts[k]));
    const char* next = zNextChar(at);
    CHECK(next - at == 1 || next - at == 2);
    CHECK(static_cast<std::size_t>(next - z) <= end);
    if (farEast) CHECK(zCharLength(at) == next - at);
    at = next;
    ++k;
  }
  CHECK(zNextChar(at) == at);
  if (!farEast) CHECK(zCharLength(z) == 1);

  for (std::size_t i = 0; i <= end; ++i) {
    const TByteKind expected = i < end ? platformView.kinds[i] : singleByte;
    CHECK(byteKindAt(z, i) == expected);
    CHECK(byteKindInZText(z, i) == (farEast ? expected : singleByte));
  }

  // scanChar and scanLastChar for every value in the text, and for 0.
  bool seen[256] = {};
  for (std::size_t i = 0; i <= end; ++i) {
    const auto value = static_cast<unsigned char>(z[i]);
    if (seen[value]) continue;
    seen[value] = true;
    const char* first = nullptr;
    const char* last = nullptr;
    for (std::size_t j = 0; j <= end; ++j) {
      const bool whole = j == end || p.kinds[j] == singleByte;
      if (static_cast<unsigned char>(z[j]) == value && whole) {
        if (first == nullptr) first = z + j;
        last = z + j;
      }
    }
    const char* found = scanChar(z, static_cast<char>(value));
    CHECK(found == first);
    if (found != nullptr)
      CHECK(byteKindInZText(z, static_cast<std::size_t>(found - z)) != trailByte);
    CHECK(scanLastChar(z, static_cast<char>(value)) == last);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform& fake = fakePlatform();
  Reader in(data, size);
  const std::uint8_t flags = in.byte();
  const bool farEast = (flags & 1) != 0;

  leadBytes.clear();
  if ((flags & 2) != 0) {
    for (int pair = 0; pair < 6; ++pair) {
      const unsigned low = in.byte();
      const unsigned high = in.byte();
      for (unsigned b = low; b <= high; ++b)
        leadBytes.add(static_cast<unsigned char>(b));
    }
  } else {
    for (unsigned b = 0; b < 256; b += 8) {
      const std::uint8_t bits = in.byte();
      for (unsigned k = 0; k < 8; ++k) {
        if ((bits >> k) & 1) leadBytes.add(static_cast<unsigned char>(b + k));
      }
    }
  }
  fake.charNextLeadBytes.reset();
  for (unsigned b = 0; b < 256; ++b)
    fake.charNextLeadBytes[b] = leadBytes.contains(static_cast<unsigned char>(b));
  sysLocale.farEast = farEast;

  std::string text = in.rest();
  if (text.size() > kMaxText) text.resize(kMaxText);

  checkCountedText(text, farEast);
  checkZeroTerminated(text, farEast);
  return 0;
}
