// The field of the s letter: a text argument cut to the precision, then
// padded with blanks to the width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "format/directive.hpp"
#include "format/field.hpp"
#include "format/format.hpp"

namespace bootspan {

// s for the kinds rarer in messages: counted and wide texts and variants.
// Raises EConvertError for a kind that is no text, and EVariantError for a
// variant that is neither empty nor null (none converts to text here).
// Writes at most `room` bytes at `to` and returns their count.
std::size_t rareTextField(char* to, std::size_t room, Directive d, const TArgValue& arg);

// s for any argument: text values, zero-terminated texts and characters
// here, the rarer kinds through rareTextField. A negative precision (none
// given) cuts nothing. Writes at most `room` bytes at `to` and returns their
// count. Example: "%-4.2s" of "abc" gives "ab  ".
inline std::size_t textField(char* to, std::size_t room, const Directive& d, const TArgValue& arg) {
  const auto cut = static_cast<std::uint32_t>(d.precision);
  switch (arg.kind) {
    case argText: {
      const auto* text = reinterpret_cast<const std::string*>(arg.value);
      if (text == nullptr) return writeField(to, room, d, "", 0);
      const std::size_t length = text->size();
      return writeField(to, room, d, text->data(), cut < length ? cut : length);
    }
    case argZText: {
      // The scan for the terminator stops after `cut` bytes.
      const char* text = reinterpret_cast<const char*>(arg.value);
      std::size_t length = 0;
      while (length < cut && text[length] != '\0')
        ++length;
      return writeField(to, room, d, text, length);
    }
    case argChar: {
      const char c = static_cast<char>(arg.value);
      return writeField(to, room, d, &c, 1);
    }
    default:
      return rareTextField(to, room, d, arg);
  }
}

}  // namespace bootspan
