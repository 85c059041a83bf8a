// The directive formatter's engine: text from a template and a list of typed
// arguments, written into a buffer of fixed capacity (format_message.hpp has
// the entries over it). A directive is
//   "%" [index ":"] ["-"] [width] ["." precision] letter
// where index, width and precision are digits or "*". Letters: d u x (integers), p
// (pointer), s (texts), e f g n m (floating and currency values), %% for "%".
//
// Widths pad with blanks and never cut; a width above kMaxFieldWidth (1 MiB)
// acts as that bound, and a negative width from '*' left-aligns its magnitude.
// p prints at least 8 upper-case hexadecimal digits and never cuts an
// address: the 32-bit product always shows 8, the 64-bit build shows more for
// addresses above 4 GiB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "platform/win_types.hpp"

namespace bootspan {

enum TArgKind : std::uint8_t {
  argInteger = 0,
  argBoolean = 1,
  argChar = 2,
  argExtended = 3,
  argShortText = 4,
  argPointer = 5,
  argZText = 6,
  argObject = 7,
  argClass = 8,
  argWideChar = 9,
  argWideZText = 10,
  argText = 11,
  argCurrency = 12,
  argVariant = 13,
  argInterface = 14,
  argWideText = 15,
  argInt64 = 16,
};

// One typed argument: an address-sized word holding the value itself or a
// reference to it, as the kind says. An argument list is a contiguous
// sequence of them with its count.
struct TArgValue {
  std::uintptr_t value;
  TArgKind kind;
};

using TArgList = std::span<const TArgValue>;

inline TArgValue integerArg(std::int32_t v) {
  return {static_cast<std::uintptr_t>(static_cast<std::uint32_t>(v)), argInteger};
}
inline TArgValue charArg(char c) {
  return {static_cast<unsigned char>(c), argChar};
}
inline TArgValue extendedArg(const long double& v) {
  return {reinterpret_cast<std::uintptr_t>(&v), argExtended};
}
// A counted text: one length byte followed by that many bytes.
inline TArgValue shortTextArg(const unsigned char* counted) {
  return {reinterpret_cast<std::uintptr_t>(counted), argShortText};
}
inline TArgValue pointerArg(const void* p) {
  return {reinterpret_cast<std::uintptr_t>(p), argPointer};
}
inline TArgValue zTextArg(const char* text) {
  return {reinterpret_cast<std::uintptr_t>(text), argZText};
}
inline TArgValue wideZTextArg(const WCHAR* text) {
  return {reinterpret_cast<std::uintptr_t>(text), argWideZText};
}
// A text value; a null reference is the empty text.
inline TArgValue textArg(const std::string* text) {
  return {reinterpret_cast<std::uintptr_t>(text), argText};
}
inline TArgValue textArg(const std::string& text) {
  return textArg(&text);
}
// A fixed-point amount in ten-thousandths.
inline TArgValue currencyArg(const std::int64_t& v) {
  return {reinterpret_cast<std::uintptr_t>(&v), argCurrency};
}
// A variant: its first 16 bits are its type code.
inline TArgValue variantArg(const void* variant) {
  return {reinterpret_cast<std::uintptr_t>(variant), argVariant};
}
// A wide text value; a null reference is the empty text.
inline TArgValue wideTextArg(const std::u16string* text) {
  return {reinterpret_cast<std::uintptr_t>(text), argWideText};
}
inline TArgValue int64Arg(const std::int64_t& v) {
  return {reinterpret_cast<std::uintptr_t>(&v), argInt64};
}

// Formats into `dest` and returns the bytes written (0..capacity). Reads
// exactly `templateLength` bytes of the template; writes no terminator. The
// result is the first `capacity` bytes of the full result; directives past
// that point are not evaluated.
// Raises EConvertError for a directive without an argument or with one of the
// wrong kind.
std::size_t formatIntoBuffer(char* dest, std::size_t capacity, const char* templateBytes,
                             std::size_t templateLength, TArgList args);

inline std::size_t formatIntoBuffer(char* dest, std::size_t capacity, std::string_view templateText,
                                    std::initializer_list<TArgValue> args) {
  return formatIntoBuffer(dest, capacity, templateText.data(), templateText.size(),
                          TArgList(args.begin(), args.size()));
}

}  // namespace bootspan
