// Every multibyte operation over every text of up to three bytes (zero bytes
// included), with the lead bytes of code pages 932 and 950, against a plain
// left-to-right parse of the text into characters: byte kinds, index
// conversions and their round trips, steps of one or two bytes that never
// pass the end, and character searches that only find whole single-byte
// characters.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan {
namespace {

// The characters of a text of at most three bytes, 0-based: a lead byte with
// a non-zero byte after it inside the text is a two-byte character; every
// other byte is one character.
struct Parse {
  int length = 0;
  int chars = 0;
  int starts[4] = {};       // starts[chars] = length
  int charOf[3] = {};       // 1-based character number of each byte
  TByteKind kinds[3] = {};  // byte kinds
};

Parse parse(std::string_view text, bool doubleByte) {
  Parse p;
  p.length = static_cast<int>(text.size());
  int i = 0;
  while (i < p.length) {
    p.starts[p.chars++] = i;
    const bool lead = doubleByte && leadBytes.contains(text[i]);
    p.charOf[i] = p.chars;
    p.kinds[i] = lead ? leadByte : singleByte;
    if (lead && i + 1 < p.length && text[i + 1] != '\0') {
      p.charOf[i + 1] = p.chars;
      p.kinds[i + 1] = trailByte;
      i += 2;
    } else {
      i += 1;
    }
  }
  p.starts[p.chars] = p.length;
  return p;
}

class MultibyteSweep : public ::testing::Test {
 protected:
  MultibyteSweep() : savedSysLocale_(sysLocale), savedLeadBytes_(leadBytes) {}
  ~MultibyteSweep() override {
    sysLocale = savedSysLocale_;
    leadBytes = savedLeadBytes_;
  }

  void useLeadBytes(UINT codePage, std::vector<std::pair<BYTE, BYTE>> ranges) {
    leadBytes.clear();
    for (auto [low, high] : ranges) {
      for (unsigned b = low; b <= high; ++b)
        leadBytes.add(static_cast<unsigned char>(b));
    }
    fake.useDoubleByteCodePage(codePage, std::move(ranges));
  }

  // Checks every operation on `text` (followed by a zero byte in memory);
  // false after recording a failure.
  bool checkText(std::string_view text, bool farEast);

  // Runs checkText on every text of up to three bytes; gives the count.
  long long sweep(bool farEast) {
    sysLocale.farEast = farEast;
    char bytes[4] = {};
    long long count = 0;
    int failures = 0;
    for (int length = 0; length <= 3; ++length) {
      const long total = 1L << (8 * length);
      for (long code = 0; code < total && failures < 10; ++code) {
        for (int k = 0; k < length; ++k)
          bytes[k] = static_cast<char>(code >> (8 * k));
        bytes[length] = '\0';
        if (!checkText(std::string_view(bytes, static_cast<std::size_t>(length)), farEast)) {
          ++failures;
        }
        ++count;
      }
    }
    return count;
  }

  FakePlatform fake;

 private:
  TSysLocaleInfo savedSysLocale_;
  TLeadByteSet savedLeadBytes_;
};

std::string shown(std::string_view text) {
  std::string s;
  for (unsigned char c : text) {
    static const char digits[] = "0123456789ABCDEF";
    s += digits[c >> 4];
    s += digits[c & 15];
    s += ' ';
  }
  return s;
}

#define SWEEP_EXPECT(condition)                                                              \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      ADD_FAILURE() << "text " << shown(text) << "(farEast " << farEast << "): " #condition; \
      return false;                                                                          \
    }                                                                                        \
  } while (0)

bool MultibyteSweep::checkText(std::string_view text, bool farEast) {
  const Parse p = parse(text, farEast);
  const int length = p.length;

  // Counted text, 1-based.
  for (int b = -1; b <= length + 1; ++b) {
    const bool inside = b >= 1 && b <= length;
    SWEEP_EXPECT(byteIndexToCharIndex(text, b) == (inside ? p.charOf[b - 1] : 0));
    const int clamped = b > length ? length : b;
    SWEEP_EXPECT(byteLenToCharLen(text, b) == (clamped <= 0 ? 0 : p.charOf[clamped - 1]));
    SWEEP_EXPECT(byteKindInText(text, b) == (inside ? p.kinds[b - 1] : singleByte));
    if (inside) {
      const int next = nextCharIndex(text, b);
      SWEEP_EXPECT(next >= b + 1 && next <= b + 2 && next <= length + 1);
      SWEEP_EXPECT(next == b + charLengthAt(text, b));
      // The character holding b starts where its number says, and back.
      const int start = charIndexToByteIndex(text, p.charOf[b - 1]);
      SWEEP_EXPECT(start == p.starts[p.charOf[b - 1] - 1] + 1);
      SWEEP_EXPECT(byteIndexToCharIndex(text, start) == p.charOf[b - 1]);
    }
  }
  for (int k = 0; k < p.chars; ++k)
    SWEEP_EXPECT(nextCharIndex(text, p.starts[k] + 1) == p.starts[k + 1] + 1);
  for (int c = -1; c <= length + 1; ++c) {
    SWEEP_EXPECT(charIndexToByteIndex(text, c) ==
                 (c >= 1 && c <= p.chars ? p.starts[c - 1] + 1 : 0));
    int bytes = 0;
    if (c >= 1) {
      const int limit = c > length ? length : c;
      bytes = limit <= p.chars ? p.starts[limit] : length;
    }
    SWEEP_EXPECT(charLenToByteLen(text, c) == bytes);
  }

  // The same bytes as a zero-terminated text: up to the first zero byte.
  const char* z = text.data();
  std::string_view visible(z);
  const Parse zp = parse(visible, true);  // byteKindAt and CharNextA see the lead bytes always
  const Parse scanView = parse(visible, farEast);
  const char* at = z;
  for (int k = 0; k < zp.chars; ++k) {
    SWEEP_EXPECT(at == z + zp.starts[k]);
    const char* next = zNextChar(at);
    SWEEP_EXPECT(next == z + zp.starts[k + 1]);
    SWEEP_EXPECT(zCharLength(at) == (farEast ? next - at : 1));
    at = next;
  }
  SWEEP_EXPECT(zNextChar(at) == at);  // never past the terminator
  for (int offset = 0; offset <= zp.length; ++offset) {
    const TByteKind kind = offset < zp.length ? zp.kinds[offset] : singleByte;
    SWEEP_EXPECT(byteKindAt(z, static_cast<std::size_t>(offset)) == kind);
    SWEEP_EXPECT(byteKindInZText(z, static_cast<std::size_t>(offset)) ==
                 (farEast ? kind : singleByte));
  }
  const char values[] = {'\0', '\\', visible.empty() ? 'a' : visible[0],
                         visible.size() < 2 ? 'b' : visible[1],
                         visible.size() < 3 ? 'c' : visible[2]};
  for (char value : values) {
    const char* first = nullptr;
    const char* last = nullptr;
    for (int j = 0; j <= scanView.length; ++j) {
      if (z[j] == value && (j == scanView.length || scanView.kinds[j] == singleByte)) {
        if (first == nullptr) first = z + j;
        last = z + j;
      }
    }
    SWEEP_EXPECT(scanChar(z, value) == first);
    SWEEP_EXPECT(scanLastChar(z, value) == last);
  }
  return true;
}

TEST_F(MultibyteSweep, CodePage932) {
  useLeadBytes(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
  ASSERT_EQ(leadBytes.count(), 60u);
  EXPECT_EQ(sweep(true), 1 + 256 + 65536 + 16777216);
}

TEST_F(MultibyteSweep, CodePage950) {
  useLeadBytes(950, {{0x81, 0xFE}});
  ASSERT_EQ(leadBytes.count(), 126u);
  EXPECT_EQ(sweep(true), 1 + 256 + 65536 + 16777216);
}

TEST_F(MultibyteSweep, WithoutFarEastEveryByteIsACharacter) {
  useLeadBytes(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
  EXPECT_EQ(sweep(false), 1 + 256 + 65536 + 16777216);
}

}  // namespace
}  // namespace bootspan
