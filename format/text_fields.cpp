#include "format/text_fields.hpp"

#include <cstring>
#include <string>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/directive_error.hpp"
#include "format/field.hpp"
#include "platform/platform.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

// A wide text converted to the ANSI code page, then cut to the precision.
std::size_t wideField(char* to, std::size_t room, const Directive& d, const WCHAR* text,
                      std::size_t length) {
  if (length == 0) return writeField(to, room, d, "", 0);
  const int wideLength = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
  Platform& os = platform();
  const int needed = os.WideCharToMultiByte(0, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return writeField(to, room, d, "", 0);
  char small[256];
  std::string large;
  char* narrow = small;
  if (static_cast<std::size_t>(needed) > sizeof small) {
    large.resize(static_cast<std::size_t>(needed));
    narrow = large.data();
  }
  int n = os.WideCharToMultiByte(0, 0, text, wideLength, narrow, needed, nullptr, nullptr);
  if (n < 0) n = 0;
  const auto cut = static_cast<std::uint32_t>(d.precision);
  const std::size_t kept = cut < static_cast<std::size_t>(n) ? cut : static_cast<std::size_t>(n);
  return writeField(to, room, d, narrow, kept);
}

}  // namespace

std::size_t textField(char* to, std::size_t room, const Directive& d, const TArgValue& arg) {
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
    case argShortText: {
      const auto* counted = reinterpret_cast<const unsigned char*>(arg.value);
      const std::size_t length = counted[0];
      return writeField(to, room, d, reinterpret_cast<const char*>(counted + 1),
                        cut < length ? cut : length);
    }
    case argWideZText: {
      const auto* text = reinterpret_cast<const WCHAR*>(arg.value);
      std::size_t n = 0;
      while (text[n] != 0)
        ++n;
      return wideField(to, room, d, text, n);
    }
    case argWideText: {
      const auto* text = reinterpret_cast<const std::u16string*>(arg.value);
      if (text == nullptr) return wideField(to, room, d, nullptr, 0);
      // A 16-bit code unit is WCHAR on both targets.
      return wideField(to, room, d, reinterpret_cast<const WCHAR*>(text->data()), text->size());
    }
    case argVariant: {
      std::uint16_t type;
      std::memcpy(&type, reinterpret_cast<const void*>(arg.value), sizeof type);
      if (type <= 1) return writeField(to, room, d, "", 0);
      // No variant has a text conversion here: the operation is invalid.
      raiseError(newErrorFromTable(EVariantError::classRef, msg::variantOperation));
    }
    default:
      raiseDirectiveError(msg::invalidFormat, d.start, d.end);
  }
}

}  // namespace bootspan
