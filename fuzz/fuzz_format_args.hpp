// Shared by the formatter's fuzz targets: typed arguments and a template
// decoded from the fuzz input, and a guarded destination buffer.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "errors/core/raise.hpp"
#include "format/format_engine.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan::fuzzing {

// Reads bytes from the front of the input; zeros once it runs out.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
  std::uint8_t byte() { return p_ != end_ ? *p_++ : 0; }
  std::uint64_t word() {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
      v |= std::uint64_t{byte()} << (8 * i);
    return v;
  }
  std::string rest() {
    std::string s(reinterpret_cast<const char*>(p_), static_cast<std::size_t>(end_ - p_));
    p_ = end_;
    return s;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
};

// Up to eight typed arguments with the values their references point at.
// Layout of the input: count byte, then per argument a kind byte and eight
// value bytes (two more for an extended value's sign and exponent); the
// remaining bytes are the template.
class FuzzArgs {
 public:
  explicit FuzzArgs(Reader& in) {
    const int count = in.byte() % 9;
    for (int i = 0; i < count; ++i)
      add(in);
  }
  TArgList list() const { return TArgList(args_.data(), args_.size()); }

 private:
  void add(Reader& in) {
    const std::uint8_t kindByte = in.byte();
    const std::uint64_t bits = in.word();
    Slot& slot = slots_[args_.size()];
    // Mostly valid kinds, sometimes one beyond the table.
    const auto kind = static_cast<TArgKind>(kindByte % 19);
    TArgValue arg{static_cast<std::uintptr_t>(bits), kind};
    const std::size_t textLength = bits & 15;
    switch (kind) {
      case argExtended:
        std::memcpy(slot.extended, &bits, 8);
        slot.extended[8] = in.byte();  // exponent low byte
        slot.extended[9] = in.byte();  // sign and exponent high bits
        arg.value = reinterpret_cast<std::uintptr_t>(slot.extended);
        break;
      case argCurrency:
      case argInt64:
        slot.int64 = static_cast<std::int64_t>(bits);
        arg.value = reinterpret_cast<std::uintptr_t>(&slot.int64);
        break;
      case argShortText:
        slot.bytes[0] = static_cast<unsigned char>(bits >> 8);  // any count 0..255
        for (std::size_t i = 1; i < sizeof slot.bytes; ++i) {
          slot.bytes[i] = static_cast<unsigned char>('a' + i % 26);
        }
        arg.value = reinterpret_cast<std::uintptr_t>(slot.bytes);
        break;
      case argZText:
        std::memset(slot.bytes, 'z', textLength);
        slot.bytes[textLength] = 0;
        slot.bytes[3] = static_cast<unsigned char>(bits >> 16);  // maybe an early zero
        arg.value = reinterpret_cast<std::uintptr_t>(slot.bytes);
        break;
      case argWideZText:
        for (std::size_t i = 0; i < textLength; ++i) {
          slot.wide[i] = static_cast<WCHAR>((bits >> (i % 48)) & 0xFFFF);
          if (slot.wide[i] == 0) slot.wide[i] = 'w';
        }
        slot.wide[textLength] = 0;
        arg.value = reinterpret_cast<std::uintptr_t>(slot.wide);
        break;
      case argText:
        slot.text.assign(textLength * 3, static_cast<char>(bits >> 8));
        arg.value = (bits & 0x100) != 0 ? 0 : reinterpret_cast<std::uintptr_t>(&slot.text);
        break;
      case argWideText:
        slot.wideText.assign(textLength, static_cast<char16_t>(bits >> 16));
        arg.value = (bits & 0x100) != 0 ? 0 : reinterpret_cast<std::uintptr_t>(&slot.wideText);
        break;
      case argVariant:
        slot.variant[0] = static_cast<std::uint16_t>(bits % 3);
        arg.value = reinterpret_cast<std::uintptr_t>(slot.variant);
        break;
      case argInteger:
      case argPointer:
      default:
        break;  // the value itself; other kinds are never read
    }
    args_.push_back(arg);
  }

  struct Slot {
    alignas(16) unsigned char extended[16] = {};
    std::int64_t int64 = 0;
    unsigned char bytes[300] = {};
    WCHAR wide[20] = {};
    std::string text;
    std::u16string wideText;
    std::uint16_t variant[8] = {};
  };
  Slot slots_[8];
  std::vector<TArgValue> args_;
};

// Runs `f`; true when it returned, false when it raised (the error, an
// expected format or variant error, is released).
template <class F>
bool returns(F&& f) {
  try {
    f();
    return true;
  } catch (const TEscapedFailure& raised) {
    releaseError(raised.error);
    return false;
  }
}

// A destination with a guard region after its capacity.
class GuardedBuffer {
 public:
  static constexpr std::size_t kGuard = 64;
  static constexpr unsigned char kFill = 0xA5;

  explicit GuardedBuffer(std::size_t capacity)
      : capacity_(capacity), bytes_(capacity + kGuard, kFill) {}
  char* data() { return reinterpret_cast<char*>(bytes_.data()); }
  // Aborts when a byte at or after `from` (and past the capacity) changed.
  void checkGuard(std::size_t from) const {
    for (std::size_t i = from < capacity_ ? capacity_ : from; i < bytes_.size(); ++i) {
      if (bytes_[i] != kFill) std::abort();
    }
  }

 private:
  std::size_t capacity_;
  std::vector<unsigned char> bytes_;
};

// Installs the scripted platform once, so wide texts convert the same way
// everywhere and the message table is the program's own.
inline void installPlatform() {
  static FakePlatform fake;
}

// A message may have a width of up to a mebibyte per directive: keep the
// templates whose results stay small enough for the fuzzer's memory limit.
inline bool fewDirectives(const std::string& templateText) {
  std::size_t count = 0;
  for (const char c : templateText)
    count += c == '%';
  return count <= 24;
}

}  // namespace bootspan::fuzzing
