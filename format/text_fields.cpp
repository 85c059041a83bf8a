#include "format/text_fields.hpp"

#include <cstring>
#include <string>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/directive_error.hpp"
#include "format/sink.hpp"
#include "platform/platform.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

// A wide text converted to the ANSI code page, then cut to the precision.
void wideField(Sink& s, const Directive& d, const WCHAR* text, std::size_t length) {
  const auto cut = static_cast<std::uint32_t>(d.precision);
  if (length == 0) {
    s.padded("", 0, d.width, d.leftAlign);
    return;
  }
  const int wideLength = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
  Platform& os = platform();
  const int needed = os.WideCharToMultiByte(0, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) {
    s.padded("", 0, d.width, d.leftAlign);
    return;
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
  s.padded(narrow, kept, d.width, d.leftAlign);
}

// The s field of the kinds that rareTextField takes.
void writeRareText(Sink& s, const Directive& d, const TArgValue& arg) {
  const auto cut = static_cast<std::uint32_t>(d.precision);
  switch (arg.kind) {
    case argShortText: {
      const auto* counted = reinterpret_cast<const unsigned char*>(arg.value);
      const std::size_t length = counted[0];
      s.padded(reinterpret_cast<const char*>(counted + 1), cut < length ? cut : length, d.width,
               d.leftAlign);
      return;
    }
    case argWideZText: {
      const auto* text = reinterpret_cast<const WCHAR*>(arg.value);
      std::size_t n = 0;
      while (text[n] != 0)
        ++n;
      wideField(s, d, text, n);
      return;
    }
    case argWideText: {
      const auto* text = reinterpret_cast<const std::u16string*>(arg.value);
      if (text == nullptr) {
        wideField(s, d, nullptr, 0);
      } else {
        // A 16-bit code unit is WCHAR on both targets.
        wideField(s, d, reinterpret_cast<const WCHAR*>(text->data()), text->size());
      }
      return;
    }
    case argVariant: {
      std::uint16_t type;
      std::memcpy(&type, reinterpret_cast<const void*>(arg.value), sizeof type);
      if (type <= 1) {
        s.padded("", 0, d.width, d.leftAlign);
        return;
      }
      // No variant has a text conversion here: the operation is invalid.
      raiseError(newErrorFromTable(EVariantError::classRef, msg::variantOperation));
    }
    default:
      raiseDirectiveError(msg::invalidFormat, d.start, d.end);
  }
}

}  // namespace

std::size_t rareTextField(char* to, std::size_t room, const Directive& d, const TArgValue& arg) {
  Sink s{to, room};
  writeRareText(s, d, arg);
  return static_cast<std::size_t>(s.next - to);
}

std::size_t textField(char* to, std::size_t room, const Directive& d, const TArgValue& arg) {
  Sink s{to, room};
  const auto cut = static_cast<std::uint32_t>(d.precision);
  switch (arg.kind) {
    case argText: {
      const auto* text = reinterpret_cast<const std::string*>(arg.value);
      const std::size_t length = text == nullptr ? 0 : text->size();
      s.padded(text == nullptr ? "" : text->data(), cut < length ? cut : length, d.width,
               d.leftAlign);
      break;
    }
    case argZText: {
      // The scan for the terminator stops after `cut` bytes.
      const char* text = reinterpret_cast<const char*>(arg.value);
      std::size_t length = 0;
      while (length < cut && text[length] != '\0')
        ++length;
      s.padded(text, length, d.width, d.leftAlign);
      break;
    }
    case argChar: {
      const char c = static_cast<char>(arg.value);
      s.padded(&c, 1, d.width, d.leftAlign);
      break;
    }
    default:
      return rareTextField(to, room, d, arg);
  }
  return static_cast<std::size_t>(s.next - to);
}

}  // namespace bootspan
