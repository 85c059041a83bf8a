// The scan shared by the three formatter entries: one pass over the template,
// writing straight into the destination up to its capacity.
//
// The scan keeps its whole state (destination, room, template position,
// argument cursor) in local variables, and the common conversions (32-bit
// integers, pointers, text values, zero-terminated texts) are inline, so the
// state stays in registers. The rarer conversions live in out-of-line
// functions that take the destination by value and hand it back.
#include <cstring>
#include <string_view>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/float_text.hpp"
#include "format/format.hpp"
#include "format/format_limits.hpp"
#include "format/formatted_errors.hpp"
#include "format/integer_digits.hpp"
#include "locale/locale_formats.hpp"
#include "locale/multibyte.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

constexpr unsigned kInvalidFormatMessage = 65513;     // Format '%s' invalid or incompatible ...
constexpr unsigned kNoArgumentMessage = 65514;        // No argument for format '%s'
constexpr unsigned kInvalidVariantOpMessage = 65516;  // Invalid variant operation

// The longest directive text quoted in an error message.
constexpr std::size_t kQuotedDirectiveMax = 31;

// Raises EConvertError `number` quoting the directive text [first, last):
// at most 31 bytes, and never ending in the lead byte of a cut character.
[[noreturn]] __attribute__((noinline, cold)) void raiseDirectiveError(unsigned number,
                                                                      const char* first,
                                                                      const char* last) {
  char quoted[kQuotedDirectiveMax + 1];
  std::size_t n = static_cast<std::size_t>(last - first);
  if (n > kQuotedDirectiveMax) n = kQuotedDirectiveMax;
  std::memcpy(quoted, first, n);
  quoted[n] = '\0';
  if (n > 0 && byteKindInZText(quoted, n - 1) == leadByte) quoted[n - 1] = '\0';
  const TArgValue arg = zTextArg(quoted);
  raiseConvertError(number, TArgList(&arg, 1));
}

// Copies n bytes, n at most 16, with two overlapping word copies or a few
// single bytes rather than a call.
inline void copyShort(char* to, const char* from, std::size_t n) {
  if (n >= 8) {
    std::uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else if (n != 0) {
    // One, two or three bytes: the first, the middle and the last (some the same).
    const char first = from[0];
    const char middle = from[n / 2];
    const char last = from[n - 1];
    to[0] = first;
    to[n / 2] = middle;
    to[n - 1] = last;
  }
}

// Copies n bytes; pieces of up to 16 bytes are the common case.
inline void copyBytes(char* to, const char* from, std::size_t n) {
  if (n > 16) {
    std::memcpy(to, from, n);
  } else {
    copyShort(to, from, n);
  }
}

// The zeros in front of an integer's digits, at most kMaxZeroFill of them.
constexpr char kZeros[kMaxZeroFill + 1] = "0000000000000000";

// Copies the bytes at `from` to `to` up to the first '%' or `n` bytes,
// whichever comes first, and returns the count copied. Eight bytes at a time
// while they hold no '%' (a word-wide byte search), then four, then byte by
// byte.
inline std::size_t copyLiteral(char* to, const char* from, std::size_t n) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  constexpr std::uint64_t kPercents = kOnes * '%';
  std::size_t i = 0;
  for (; n - i >= 8; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, from + i, 8);
    const std::uint64_t x = word ^ kPercents;  // a zero byte where '%' was
    const std::uint64_t found = (x - kOnes) & ~x & kHighs;
    if (found != 0) {
      // The lowest flag marks the first '%' (flags above it may be false).
      const std::size_t before = static_cast<std::size_t>(__builtin_ctzll(found)) / 8;
      copyBytes(to + i, from + i, before);
      return i + before;
    }
    std::memcpy(to + i, &word, 8);
  }
  if (n - i >= 4) {
    std::uint32_t word;
    std::memcpy(&word, from + i, 4);
    const std::uint32_t x = word ^ static_cast<std::uint32_t>(kPercents);
    const std::uint32_t found =
        (x - static_cast<std::uint32_t>(kOnes)) & ~x & static_cast<std::uint32_t>(kHighs);
    if (found != 0) {
      const std::size_t before = static_cast<std::size_t>(__builtin_ctz(found)) / 8;
      copyBytes(to + i, from + i, before);
      return i + before;
    }
    std::memcpy(to + i, &word, 4);
    i += 4;
  }
  for (; i < n && from[i] != '%'; ++i)
    to[i] = from[i];
  return i;
}

// The destination with its remaining room. Passed and returned by value, so
// that it stays in registers.
struct Sink {
  char* next;
  std::size_t room;
};

inline void put(Sink& s, const char* bytes, std::size_t n) {
  if (n > s.room) n = s.room;
  copyBytes(s.next, bytes, n);
  s.next += n;
  s.room -= n;
}

// Blanks to pad short fields from.
constexpr char kBlanks[17] = "                ";

// n blanks, n at most the room.
inline void fillBlanks(char* to, std::size_t n) {
  if (n <= 16) {
    copyShort(to, kBlanks, n);
  } else {
    std::memset(to, ' ', n);
  }
}

inline void blanks(Sink& s, std::size_t n) {
  if (n > s.room) n = s.room;
  fillBlanks(s.next, n);
  s.next += n;
  s.room -= n;
}

// Writes `text` padded with blanks to `width`, on the left unless leftAlign;
// each piece only up to the room left.
inline void padded(Sink& s, const char* text, std::size_t length, std::uint32_t width,
                   bool leftAlign) {
  if (width <= length) [[likely]] {
    put(s, text, length);
    return;
  }
  const std::size_t fill = width - length;
  if (!leftAlign) blanks(s, fill);
  put(s, text, length);
  if (leftAlign) blanks(s, fill);
}

// The parsed fields of one directive that shape its text: 12 bytes, passed
// in registers.
struct Field {
  std::uint32_t width;
  std::int32_t precision;
  bool leftAlign;
};

// The field of an integer: an optional '-', zeros in front up to
// `precision` digits when that is 0..16, the `digits` digits that `write`
// puts before the end pointer it is given; then padded to the width. Written
// straight into the destination when the whole field fits, else through a
// scratch area and cut to the room left.
template <class WriteDigits>
inline void integerField(Sink& s, const Field& d, std::int32_t precision, bool negative,
                         std::size_t digits, WriteDigits write) {
  const auto wanted = static_cast<std::uint32_t>(precision);
  const std::size_t zeros = wanted <= kMaxZeroFill && wanted > digits ? wanted - digits : 0;
  const std::size_t length = (negative ? 1 : 0) + zeros + digits;  // at most 21
  const std::size_t fill = d.width > length ? d.width - length : 0;
  char scratch[24];
  const bool direct = fill + length <= s.room;
  char* at = scratch;
  if (direct) {
    if (!d.leftAlign) {
      fillBlanks(s.next, fill);
      s.next += fill;
      s.room -= fill;
    }
    at = s.next;
  }
  char* p = at;
  if (negative) *p++ = '-';
  copyShort(p, kZeros, zeros);
  write(p + zeros + digits);
  if (direct) {
    s.next += length;
    s.room -= length;
    if (d.leftAlign) {
      fillBlanks(s.next, fill);
      s.next += fill;
      s.room -= fill;
    }
  } else {
    padded(s, scratch, length, d.width, d.leftAlign);
  }
}

inline void decimalField(Sink& s, const Field& d, std::uint32_t magnitude, bool negative) {
  integerField(s, d, d.precision, negative, digits::decimalCount(magnitude),
               [magnitude](char* end) { digits::writeDecimal(end, magnitude); });
}

inline void hexField(Sink& s, const Field& d, std::int32_t precision, std::uint64_t bits) {
  const std::size_t count = digits::hexCount(bits);
  integerField(s, d, precision, false, count,
               [bits, count](char* end) { digits::writeHex(end - count, bits, count); });
}

// d, u and x of a 64-bit integer.
__attribute__((noinline)) Sink int64Field(Sink s, Field d, char letter, std::int64_t value) {
  auto bits = static_cast<std::uint64_t>(value);
  if (letter == 'X') {
    hexField(s, d, d.precision, bits);
    return s;
  }
  const bool negative = letter == 'D' && value < 0;
  if (negative) bits = 0 - bits;
  integerField(s, d, d.precision, negative, digits::decimalCount(bits),
               [bits](char* end) { digits::writeDecimal(end, bits); });
  return s;
}

// A wide text converted to the ANSI code page, then cut to the precision.
Sink wideField(Sink s, const Field& d, const WCHAR* text, std::size_t length) {
  const auto cut = static_cast<std::uint32_t>(d.precision);
  if (length == 0) {
    padded(s, "", 0, d.width, d.leftAlign);
    return s;
  }
  const int wideLength = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
  Platform& os = platform();
  const int needed = os.WideCharToMultiByte(0, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) {
    padded(s, "", 0, d.width, d.leftAlign);
    return s;
  }
  char small[256];
  std::string large;
  char* narrow = small;
  if (static_cast<std::size_t>(needed) > sizeof small) {
    large.resize(static_cast<std::size_t>(needed));
    narrow = large.data();
  }
  int n = os.WideCharToMultiByte(0, 0, text, wideLength, narrow, needed, nullptr, nullptr);
  if (n < 0) n = 0;
  const std::size_t kept = cut < static_cast<std::size_t>(n) ? cut : static_cast<std::size_t>(n);
  padded(s, narrow, kept, d.width, d.leftAlign);
  return s;
}

// The s letter for the kinds that the scan does not convert inline: counted
// and wide texts and variants; any other kind is incompatible.
__attribute__((noinline)) Sink otherTextField(Sink s, Field d, const TArgValue& arg,
                                              const char* start, const char* end) {
  const auto cut = static_cast<std::uint32_t>(d.precision);
  switch (arg.kind) {
    case argShortText: {
      const auto* counted = reinterpret_cast<const unsigned char*>(arg.value);
      const std::size_t length = counted[0];
      padded(s, reinterpret_cast<const char*>(counted + 1), cut < length ? cut : length, d.width,
             d.leftAlign);
      return s;
    }
    case argWideZText: {
      const auto* text = reinterpret_cast<const WCHAR*>(arg.value);
      std::size_t n = 0;
      while (text[n] != 0)
        ++n;
      return wideField(s, d, text, n);
    }
    case argWideText: {
      const auto* text = reinterpret_cast<const std::u16string*>(arg.value);
      if (text == nullptr) return wideField(s, d, nullptr, 0);
      // A 16-bit code unit is WCHAR on both targets.
      return wideField(s, d, reinterpret_cast<const WCHAR*>(text->data()), text->size());
    }
    case argVariant: {
      std::uint16_t type;
      std::memcpy(&type, reinterpret_cast<const void*>(arg.value), sizeof type);
      if (type <= 1) {
        padded(s, "", 0, d.width, d.leftAlign);
        return s;
      }
      // No variant has a text conversion here: the operation is invalid.
      raiseError(newErrorFromTable(EVariantError::classRef, kInvalidVariantOpMessage));
    }
    default:
      raiseDirectiveError(kInvalidFormatMessage, start, end);
  }
}

// The floating text of an extended value or currency amount; the precision
// chooses digits or decimals but never cuts the text.
__attribute__((noinline)) Sink floatingField(Sink s, Field d, char letter, const TArgValue& arg) {
  const bool given = d.precision >= 0 && d.precision <= 18;
  int precision = 18;
  int decimals;
  TFloatForm form;
  switch (letter) {
    case 'G':
    case 'E':
      form = letter == 'G' ? formGeneral : formExponent;
      precision = given ? d.precision : 15;
      decimals = 3;
      break;
    case 'F':
    case 'N':
      form = letter == 'F' ? formFixed : formNumber;
      decimals = given ? d.precision : 2;
      break;
    default:
      form = formMoney;
      decimals = given ? d.precision : localeFormats.currencyDigits;
      break;
  }
  const TFloatSource source = arg.kind == argCurrency ? sourceCurrency : sourceExtended;
  const auto* value = reinterpret_cast<const void*>(arg.value);
  // The text needs 45 bytes besides the currency symbol, whose length the
  // locale decides.
  const std::size_t needed = kFloatTextMaxBytes + localeFormats.currencySymbol.size();
  char small[128];
  if (needed <= sizeof small) {
    const std::size_t n = floatToText(small, value, source, form, precision, decimals);
    padded(s, small, n, d.width, d.leftAlign);
    return s;
  }
  std::string large(needed, '\0');
  const std::size_t n = floatToText(large.data(), value, source, form, precision, decimals);
  padded(s, large.data(), n, d.width, d.leftAlign);
  return s;
}

// Reads a number at p: '*' takes the argument at the cursor if there is one
// (its value when it is an integer, else 0), digits accumulate (wrapping in
// 32 bits), anything else gives 0 and stays. False when the template ends.
inline bool readNumber(const char*& p, const char* end, TArgList args, std::uint32_t& cursor,
                       std::uint32_t& n) {
  n = 0;
  if (*p == '*') {
    if (cursor < args.size()) {
      const TArgValue& a = args[cursor];
      n = a.kind == argInteger ? static_cast<std::uint32_t>(a.value) : 0;
      ++cursor;
    }
    ++p;
  } else {
    for (unsigned digit; (digit = static_cast<unsigned char>(*p) - '0') <= 9;) {
      n = n * 10 + digit;
      if (++p == end) return false;
    }
  }
  return p != end;
}

// The whole scan; out of line, so that the short path of formatIntoBuffer
// saves no registers.
__attribute__((noinline)) std::size_t formatAll(char* dest, std::size_t capacity, const char* p,
                                                const char* end, TArgList args) {
  Sink s{dest, capacity};
  std::uint32_t cursor = 0;
  while (s.room != 0 && p != end) {
    // Copy the literal run up to the next '%' (or the capacity).
    const std::size_t span = static_cast<std::size_t>(end - p);
    const std::size_t limit = span < s.room ? span : s.room;
    const std::size_t literal = copyLiteral(s.next, p, limit);
    s.next += literal;
    s.room -= literal;
    p += literal;
    if (literal == limit) break;  // the template or the room has run out
    ++p;                          // over the '%'
    if (p == end) break;          // a final lone '%' is dropped
    if (*p == '%') {
      ++p;
      *s.next++ = '%';  // the room is at least 1: the literal stopped before it
      --s.room;
      continue;
    }

    // Parse from the byte after '%' through the type letter; the template
    // ending first drops the unfinished directive.
    Field d{0, -1, false};
    const char* const start = p - 1;
    const auto first = static_cast<unsigned char>(*p);
    // Most directives are the letter alone. A byte that is no '-', '*', '.',
    // digit or ':' (':' follows '9') starts no index, flag, width or
    // precision, so the parse below would read width 0 and no precision.
    if (first == '-' || first == '*' || first == '.' ||
        static_cast<unsigned char>(first - '0') <= ':' - '0') {
      std::uint32_t n;
      bool starWidth;
      for (;;) {
        d.leftAlign = false;
        if (*p == '-') {
          d.leftAlign = true;
          if (++p == end) return static_cast<std::size_t>(s.next - dest);
        }
        starWidth = *p == '*';
        if (!readNumber(p, end, args, cursor, n)) return static_cast<std::size_t>(s.next - dest);
        if (*p != ':') break;
        cursor = n;
        if (++p == end) return static_cast<std::size_t>(s.next - dest);
      }
      // A width from '*' is a signed argument: a negative one left-aligns its
      // magnitude instead of asking for some four billion blanks.
      if (starWidth && static_cast<std::int32_t>(n) < 0) {
        d.leftAlign = true;
        n = 0u - n;
      }
      d.width = n > kMaxFieldWidth ? kMaxFieldWidth : n;
      if (*p == '.') {
        if (++p == end) break;
        if (!readNumber(p, end, args, cursor, n)) break;
        d.precision = static_cast<std::int32_t>(n);
      }
    }
    const char letter = static_cast<char>(*p++ & ~0x20);  // the letter, case-blind

    if (cursor >= args.size()) raiseDirectiveError(kNoArgumentMessage, start, p);
    const TArgValue& arg = args[cursor++];
    switch (letter) {
      case 'D':
      case 'U':
      case 'X':
        if (arg.kind == argInteger) {
          const auto bits = static_cast<std::uint32_t>(arg.value);
          if (letter == 'X') {
            hexField(s, d, d.precision, bits);
          } else {
            const bool negative = letter == 'D' && static_cast<std::int32_t>(bits) < 0;
            decimalField(s, d, negative ? 0u - bits : bits, negative);
          }
        } else if (arg.kind == argInt64) {
          s = int64Field(s, d, letter, *reinterpret_cast<const std::int64_t*>(arg.value));
        } else {
          raiseDirectiveError(kInvalidFormatMessage, start, p);
        }
        break;
      case 'P':
        if (arg.kind != argPointer) raiseDirectiveError(kInvalidFormatMessage, start, p);
        hexField(s, d, 8, arg.value);  // the precision is always 8
        break;
      case 'S': {
        const auto cut = static_cast<std::uint32_t>(d.precision);
        if (arg.kind == argText) {
          const auto* text = reinterpret_cast<const std::string*>(arg.value);
          if (text == nullptr) {
            padded(s, "", 0, d.width, d.leftAlign);
          } else {
            const std::size_t length = text->size();
            padded(s, text->data(), cut < length ? cut : length, d.width, d.leftAlign);
          }
        } else if (arg.kind == argZText) {
          // The scan for the terminator stops after `cut` bytes.
          const char* text = reinterpret_cast<const char*>(arg.value);
          std::size_t length = 0;
          while (length < cut && text[length] != '\0')
            ++length;
          padded(s, text, length, d.width, d.leftAlign);
        } else if (arg.kind == argChar) {
          const char c = static_cast<char>(arg.value);
          padded(s, &c, 1, d.width, d.leftAlign);
        } else {
          s = otherTextField(s, d, arg, start, p);
        }
        break;
      }
      case 'G':
      case 'E':
      case 'F':
      case 'N':
      case 'M':
        if (arg.kind != argExtended && arg.kind != argCurrency)
          raiseDirectiveError(kInvalidFormatMessage, start, p);
        s = floatingField(s, d, letter, arg);
        break;
      default:
        raiseDirectiveError(kInvalidFormatMessage, start, p);
    }
  }
  return static_cast<std::size_t>(s.next - dest);
}

// The field of "%.*d": an optional '-', zeros in front up to a precision of
// 0..16 (`wanted`), the digits of `value`; through the scan when it does not
// fit the capacity.
__attribute__((noinline)) std::size_t formatDigitsField(char* dest, std::size_t capacity,
                                                        const char* templateBytes, TArgList args,
                                                        std::uint32_t wanted, std::int32_t value) {
  const bool negative = value < 0;
  const std::uint32_t magnitude =
      negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  const std::size_t count = digits::decimalCount(magnitude);
  const std::size_t zeros = wanted <= kMaxZeroFill && wanted > count ? wanted - count : 0;
  const std::size_t length = (negative ? 1 : 0) + zeros + count;
  if (length > capacity) return formatAll(dest, capacity, templateBytes, templateBytes + 4, args);
  char* p = dest;
  if (negative) *p++ = '-';
  copyShort(p, kZeros, zeros);
  digits::writeDecimal(p + zeros + count, magnitude);
  return length;
}

}  // namespace

// "%.*d" with two integer arguments is the template of the date-time
// renderer's numbers: the first argument is the precision, the second the
// number. Its field is the same as the scan writes (an optional '-', zeros in
// front up to a precision of 0..16, the digits, no width), and is written
// here without the scan when it fits the capacity.
std::size_t formatIntoBuffer(char* dest, std::size_t capacity, const char* templateBytes,
                             std::size_t templateLength, TArgList args) {
  if (capacity == 0) return 0;
  static constexpr char kDigitsTemplate[4] = {'%', '.', '*', 'd'};
  if (templateLength == 4 && std::memcmp(templateBytes, kDigitsTemplate, 4) == 0 &&
      args.size() >= 2 && args[0].kind == argInteger && args[1].kind == argInteger) {
    const auto wanted = static_cast<std::uint32_t>(args[0].value);
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(args[1].value));
    // The clock fields: 0..99 with at most two digits asked for (or none),
    // as one or two characters of the pair table ("05" for 5), without a
    // branch on the digit count: the pair's second character goes last, over
    // its first when only one is written.
    if (static_cast<std::uint32_t>(value) < 100 && (wanted <= 2 || wanted > kMaxZeroFill)) {
      const char* pair = digits::kDigitPairs + 2 * value;
      const std::size_t length = 1 + static_cast<std::size_t>((wanted == 2) | (value >= 10));
      if (length <= capacity) {
        dest[0] = pair[0];
        dest[length - 1] = pair[1];
        return length;
      }
    }
    return formatDigitsField(dest, capacity, templateBytes, args, wanted, value);
  }
  return formatAll(dest, capacity, templateBytes, templateBytes + templateLength, args);
}

}  // namespace bootspan
