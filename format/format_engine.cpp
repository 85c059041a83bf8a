// The scan shared by the three formatter entries: one pass over the template,
// writing straight into the destination up to its capacity.
#include <cstring>
#include <string_view>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/float_text.hpp"
#include "format/format.hpp"
#include "format/format_limits.hpp"
#include "format/formatted_errors.hpp"
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
[[noreturn]] void raiseDirectiveError(unsigned number, const char* first, const char* last) {
  char quoted[kQuotedDirectiveMax + 1];
  std::size_t n = static_cast<std::size_t>(last - first);
  if (n > kQuotedDirectiveMax) n = kQuotedDirectiveMax;
  std::memcpy(quoted, first, n);
  quoted[n] = '\0';
  if (n > 0 && byteKindInZText(quoted, n - 1) == leadByte) quoted[n - 1] = '\0';
  const TArgValue arg = zTextArg(quoted);
  raiseConvertError(number, TArgList(&arg, 1));
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the decimal digits of `n` ending just before `end`; returns the
// first digit. Zero gives one digit.
template <class Unsigned>
char* writeDecimal(char* end, Unsigned n) {
  char* p = end;
  while (n >= 100) {
    const unsigned pair = static_cast<unsigned>(n % 100);
    n /= 100;
    p -= 2;
    p[0] = kDigitPairs[2 * pair];
    p[1] = kDigitPairs[2 * pair + 1];
  }
  if (n >= 10) {
    p -= 2;
    p[0] = kDigitPairs[2 * n];
    p[1] = kDigitPairs[2 * n + 1];
  } else {
    *--p = static_cast<char>('0' + n);
  }
  return p;
}

// The number of decimal digits of n, at least 1.
inline std::size_t decimalDigitCount(std::uint64_t n) {
  std::size_t count = 1;
  for (std::uint64_t limit = 10; n >= limit; limit *= 10) {
    ++count;
    if (count == 20) break;  // 10^19 <= n: the next limit would overflow
  }
  return count;
}

// The number of hexadecimal digits of n, at least 1.
inline std::size_t hexDigitCount(std::uint64_t n) {
  return static_cast<std::size_t>(64 - __builtin_clzll(n | 1) + 3) / 4;
}

// The eight hexadecimal digit characters of a 32-bit value, most
// significant first in memory: each nibble is spread into its own byte, then
// turned into '0'..'9' or 'A'..'F' without a branch.
inline std::uint64_t hexCharacters(std::uint32_t n) {
  std::uint64_t x = n;
  x = ((x & 0xFFFF0000u) << 16) | (x & 0xFFFFu);
  x = ((x & 0x0000FF000000FF00u) << 8) | (x & 0x000000FF000000FFu);
  x = ((x & 0x00F000F000F000F0u) << 4) | (x & 0x000F000F000F000Fu);
  // Byte i now holds nibble i. Nibbles of 10 and more get 7 more, to reach 'A'.
  const std::uint64_t letters = ((x + 0x0606060606060606u) >> 4) & 0x0101010101010101u;
  x += 0x3030303030303030u + letters * 7;
  return __builtin_bswap64(x);  // nibble 7 first in memory
}

// Writes the hexadecimal digits of `n` (upper case) ending just before `end`;
// returns the first digit. Zero gives one digit.
inline char* writeHex(char* end, std::uint64_t n) {
  const std::size_t count = hexDigitCount(n);  // [1, 16]
  const std::size_t lowCount = count < 8 ? count : 8;
  // The low word's characters, last one in byte 7: shifted so that the
  // characters to keep end up in the low bytes, least significant last.
  std::uint64_t low = hexCharacters(static_cast<std::uint32_t>(n)) >> (8 * (8 - lowCount));
  char* p = end - lowCount;
  for (std::size_t i = 0; i < lowCount; ++i, low >>= 8)
    p[i] = static_cast<char>(low);
  if (count > 8) {
    const std::size_t highCount = count - 8;
    std::uint64_t high =
        hexCharacters(static_cast<std::uint32_t>(n >> 32)) >> (8 * (8 - highCount));
    p -= highCount;
    for (std::size_t i = 0; i < highCount; ++i, high >>= 8)
      p[i] = static_cast<char>(high);
  }
  return p;
}

// Copies n bytes; pieces of up to 16 bytes are the common case, and two
// overlapping word copies cost less than a call to memcpy.
inline void copyBytes(char* to, const char* from, std::size_t n) {
  if (n >= 8) {
    if (n > 16) {
      std::memcpy(to, from, n);
      return;
    }
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
  } else {
    for (std::size_t i = 0; i < n; ++i)
      to[i] = from[i];
  }
}

// Copies the bytes at `from` to `to` up to the first '%' or `n` bytes,
// whichever comes first, and returns the count copied. Eight bytes at a time
// while they hold no '%' (a word-wide byte search), then byte by byte.
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
  for (; i < n && from[i] != '%'; ++i)
    to[i] = from[i];
  return i;
}

// The destination with its remaining capacity.
struct Output {
  char* next;
  std::size_t room;

  void put(const char* bytes, std::size_t n) {
    if (n > room) n = room;
    copyBytes(next, bytes, n);
    next += n;
    room -= n;
  }
  void putByte(char c) {
    if (room == 0) return;
    *next++ = c;
    --room;
  }
  void blanks(std::size_t n) {
    if (n > room) n = room;
    if (n <= 16) {
      for (std::size_t i = 0; i < n; ++i)
        next[i] = ' ';
    } else {
      std::memset(next, ' ', n);
    }
    next += n;
    room -= n;
  }
  // Writes `text` padded with blanks to `width`, on the left unless leftAlign.
  void padded(const char* text, std::size_t length, std::uint32_t width, bool leftAlign) {
    const std::size_t fill = width > length ? width - length : 0;
    if (!leftAlign) blanks(fill);
    put(text, length);
    if (leftAlign) blanks(fill);
  }
};

// The parsed fields of one directive.
struct Directive {
  const char* start;  // the '%'
  bool leftAlign = false;
  std::uint32_t width = 0;
  std::int32_t precision = -1;
  char letter = 0;
};

class Engine {
 public:
  Engine(char* dest, std::size_t capacity, const char* templateBytes, std::size_t templateLength,
         TArgList args)
      : out_{dest, capacity},
        begin_(dest),
        p_(templateBytes),
        end_(templateBytes + templateLength),
        args_(args) {}

  std::size_t run() {
    while (out_.room != 0 && p_ != end_) {
      // Copy the literal run up to the next '%' (or the capacity).
      const std::size_t span = static_cast<std::size_t>(end_ - p_);
      const std::size_t limit = span < out_.room ? span : out_.room;
      const std::size_t literal = copyLiteral(out_.next, p_, limit);
      out_.next += literal;
      out_.room -= literal;
      p_ += literal;
      if (literal == limit) continue;
      ++p_;                   // over the '%'
      if (p_ == end_) break;  // a final lone '%' is dropped
      if (*p_ == '%') {
        ++p_;
        out_.putByte('%');
        continue;
      }
      Directive d;
      d.start = p_ - 1;
      if (!parse(d)) break;  // the template ends inside the directive
      convert(d);
    }
    return static_cast<std::size_t>(out_.next - begin_);
  }

 private:
  // Reads a number at p_: '*' takes an argument, digits accumulate (wrapping
  // in 32 bits), anything else gives 0 and stays. False when the template ends.
  bool readNumber(std::uint32_t& n) {
    n = 0;
    if (*p_ == '*') {
      if (cursor_ < args_.size()) {
        const TArgValue& a = args_[cursor_];
        n = a.kind == argInteger ? static_cast<std::uint32_t>(a.value) : 0;
        ++cursor_;
      }
      ++p_;
    } else {
      while (*p_ >= '0' && *p_ <= '9') {
        n = n * 10 + static_cast<std::uint32_t>(*p_ - '0');
        if (++p_ == end_) return false;
      }
    }
    return p_ != end_;
  }

  // Parses from the byte after '%' through the type letter. False when the
  // template ends first: the unfinished directive is dropped.
  bool parse(Directive& d) {
    std::uint32_t n;
    bool starWidth;
    for (;;) {
      d.leftAlign = false;
      if (*p_ == '-') {
        d.leftAlign = true;
        if (++p_ == end_) return false;
      }
      starWidth = *p_ == '*';
      if (!readNumber(n)) return false;
      if (*p_ != ':') break;
      cursor_ = n;
      if (++p_ == end_) return false;
    }
    // A width from '*' is a signed argument: a negative one left-aligns its
    // magnitude instead of asking for some four billion blanks.
    if (starWidth && static_cast<std::int32_t>(n) < 0) {
      d.leftAlign = true;
      n = 0u - n;
    }
    d.width = n > kMaxFieldWidth ? kMaxFieldWidth : n;
    if (*p_ == '.') {
      if (++p_ == end_) return false;
      if (!readNumber(n)) return false;
      d.precision = static_cast<std::int32_t>(n);
    }
    d.letter = *p_++;
    return true;
  }

  [[noreturn]] __attribute__((noinline, cold)) void fail(unsigned number, const Directive& d) {
    raiseDirectiveError(number, d.start, p_);
  }

  void convert(const Directive& d) {
    if (cursor_ >= args_.size()) fail(kNoArgumentMessage, d);
    const TArgValue& arg = args_[cursor_++];
    const char letter = static_cast<char>(d.letter & ~0x20);
    switch (letter) {
      case 'D':
      case 'U':
      case 'X':
        if (arg.kind != argInteger && arg.kind != argInt64) fail(kInvalidFormatMessage, d);
        return integer(d, letter, arg);
      case 'P':
        if (arg.kind != argPointer) fail(kInvalidFormatMessage, d);
        return number(d, arg.value, 16, false, 8);
      case 'S':
        return text(d, arg);
      case 'G':
      case 'E':
      case 'F':
      case 'N':
      case 'M':
        if (arg.kind != argExtended && arg.kind != argCurrency) fail(kInvalidFormatMessage, d);
        return floating(d, letter, arg);
      default:
        fail(kInvalidFormatMessage, d);
    }
  }

  void integer(const Directive& d, char letter, const TArgValue& arg) {
    std::uint64_t bits;
    bool negative = false;
    if (arg.kind == argInteger) {
      const auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(arg.value));
      bits = static_cast<std::uint32_t>(v);
      if (letter == 'D' && v < 0) {
        negative = true;
        bits = 0u - static_cast<std::uint32_t>(v);
      }
    } else {
      const std::int64_t v = *reinterpret_cast<const std::int64_t*>(arg.value);
      bits = static_cast<std::uint64_t>(v);
      if (letter == 'D' && v < 0) {
        negative = true;
        bits = 0 - bits;
      }
    }
    number(d, bits, letter == 'X' ? 16 : 10, negative, d.precision);
  }

  // Digits of `magnitude`, zero-filled in front to `precision` digits when
  // that is 0..16, after an optional '-'; then padded to the width.
  void number(const Directive& d, std::uint64_t magnitude, unsigned base, bool negative,
              std::int32_t precision) {
    const std::size_t digits = base == 16 ? hexDigitCount(magnitude) : decimalDigitCount(magnitude);
    const auto wanted = static_cast<std::uint32_t>(precision);
    const std::size_t zeros = wanted <= kMaxZeroFill && wanted > digits ? wanted - digits : 0;
    const std::size_t length = (negative ? 1 : 0) + zeros + digits;  // at most 21
    const std::size_t fill = d.width > length ? d.width - length : 0;
    // Written straight into the destination when the whole field fits, else
    // through a scratch area and cut to the room left.
    char scratch[24];
    const bool direct = fill + length <= out_.room;
    if (direct && !d.leftAlign) out_.blanks(fill);
    char* const first = direct ? out_.next : scratch;
    char* p = first;
    if (negative) *p++ = '-';
    for (std::size_t i = 0; i < zeros; ++i)
      *p++ = '0';
    p += digits;
    if (base == 16) {
      writeHex(p, magnitude);
    } else if (magnitude <= 0xFFFFFFFFu) {
      writeDecimal(p, static_cast<std::uint32_t>(magnitude));
    } else {
      writeDecimal(p, magnitude);
    }
    if (direct) {
      out_.next += length;
      out_.room -= length;
      if (d.leftAlign) out_.blanks(fill);
    } else {
      out_.padded(scratch, length, d.width, d.leftAlign);
    }
  }

  void text(const Directive& d, const TArgValue& arg) {
    const auto cut = static_cast<std::uint32_t>(d.precision);
    auto cutTo = [cut](std::size_t length) { return cut < length ? cut : length; };
    switch (arg.kind) {
      case argChar: {
        const char c = static_cast<char>(arg.value);
        return out_.padded(&c, 1, d.width, d.leftAlign);
      }
      case argText: {
        const auto* s = reinterpret_cast<const std::string*>(arg.value);
        if (s == nullptr) return out_.padded("", 0, d.width, d.leftAlign);
        return out_.padded(s->data(), cutTo(s->size()), d.width, d.leftAlign);
      }
      case argShortText: {
        const auto* counted = reinterpret_cast<const unsigned char*>(arg.value);
        return out_.padded(reinterpret_cast<const char*>(counted + 1), cutTo(counted[0]), d.width,
                           d.leftAlign);
      }
      case argZText: {
        // The scan for the terminator stops after `cut` bytes.
        const char* s = reinterpret_cast<const char*>(arg.value);
        std::size_t n = 0;
        while (n < cut && s[n] != '\0')
          ++n;
        return out_.padded(s, n, d.width, d.leftAlign);
      }
      case argWideZText: {
        const auto* s = reinterpret_cast<const WCHAR*>(arg.value);
        std::size_t n = 0;
        while (s[n] != 0)
          ++n;
        return wide(d, s, n);
      }
      case argWideText: {
        const auto* s = reinterpret_cast<const std::u16string*>(arg.value);
        if (s == nullptr) return wide(d, nullptr, 0);
        // A 16-bit code unit is WCHAR on both targets.
        return wide(d, reinterpret_cast<const WCHAR*>(s->data()), s->size());
      }
      case argVariant: {
        std::uint16_t type;
        std::memcpy(&type, reinterpret_cast<const void*>(arg.value), sizeof type);
        if (type <= 1) return out_.padded("", 0, d.width, d.leftAlign);
        // No variant has a text conversion here: the operation is invalid.
        raiseError(newErrorFromTable(EVariantError::classRef, kInvalidVariantOpMessage));
      }
      default:
        fail(kInvalidFormatMessage, d);
    }
  }

  // The floating text of an extended value or currency amount; the precision
  // chooses digits or decimals but never cuts the text.
  __attribute__((noinline)) void floating(const Directive& d, char letter, const TArgValue& arg) {
    const bool given = d.precision >= 0 && d.precision <= 18;
    int precision = 18;
    int digits;
    TFloatForm form;
    switch (letter) {
      case 'G':
      case 'E':
        form = letter == 'G' ? formGeneral : formExponent;
        precision = given ? d.precision : 15;
        digits = 3;
        break;
      case 'F':
      case 'N':
        form = letter == 'F' ? formFixed : formNumber;
        digits = given ? d.precision : 2;
        break;
      default:
        form = formMoney;
        digits = given ? d.precision : localeFormats.currencyDigits;
        break;
    }
    const TFloatSource source = arg.kind == argCurrency ? sourceCurrency : sourceExtended;
    const auto* value = reinterpret_cast<const void*>(arg.value);
    // The text needs 45 bytes besides the currency symbol, whose length the
    // locale decides.
    const std::size_t needed = kFloatTextMaxBytes + localeFormats.currencySymbol.size();
    char small[128];
    if (needed <= sizeof small) {
      const std::size_t n = floatToText(small, value, source, form, precision, digits);
      return out_.padded(small, n, d.width, d.leftAlign);
    }
    std::string large(needed, '\0');
    const std::size_t n = floatToText(large.data(), value, source, form, precision, digits);
    out_.padded(large.data(), n, d.width, d.leftAlign);
  }

  // A wide text converted to the ANSI code page, then cut to the precision.
  __attribute__((noinline)) void wide(const Directive& d, const WCHAR* s, std::size_t length) {
    const auto cut = static_cast<std::uint32_t>(d.precision);
    if (length == 0) return out_.padded("", 0, d.width, d.leftAlign);
    const int wideLength = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
    Platform& os = platform();
    const int needed = os.WideCharToMultiByte(0, 0, s, wideLength, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return out_.padded("", 0, d.width, d.leftAlign);
    char small[256];
    std::string large;
    char* narrow = small;
    if (static_cast<std::size_t>(needed) > sizeof small) {
      large.resize(static_cast<std::size_t>(needed));
      narrow = large.data();
    }
    int n = os.WideCharToMultiByte(0, 0, s, wideLength, narrow, needed, nullptr, nullptr);
    if (n < 0) n = 0;
    const std::size_t kept = cut < static_cast<std::size_t>(n) ? cut : static_cast<std::size_t>(n);
    out_.padded(narrow, kept, d.width, d.leftAlign);
  }

  Output out_;
  char* begin_;
  const char* p_;
  const char* end_;
  TArgList args_;
  std::uint32_t cursor_ = 0;
};

}  // namespace

std::size_t formatIntoBuffer(char* dest, std::size_t capacity, const char* templateBytes,
                             std::size_t templateLength, TArgList args) {
  if (capacity == 0) return 0;
  return Engine(dest, capacity, templateBytes, templateLength, args).run();
}

}  // namespace bootspan
