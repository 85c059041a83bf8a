#include "locale/locale_queries.hpp"

#include <array>

#include "errors/core/messages.hpp"
#include "platform/platform.hpp"

namespace bootspan {

std::string localeText(LCID locale, LCTYPE type, std::string_view defaultText) {
  std::array<char, 256> buffer{};
  const int written =
      platform().GetLocaleInfoA(locale, type, buffer.data(), static_cast<int>(buffer.size()));
  // A count beyond the buffer cannot be a true answer; it is taken as a
  // failure rather than read past the end.
  if (written <= 0 || written > static_cast<int>(buffer.size())) return std::string(defaultText);
  return std::string(buffer.data(), static_cast<std::size_t>(written - 1));
}

char localeChar(LCID locale, LCTYPE type, char defaultChar) {
  std::array<char, 2> buffer{};
  const int written =
      platform().GetLocaleInfoA(locale, type, buffer.data(), static_cast<int>(buffer.size()));
  if (written <= 0 || written > static_cast<int>(buffer.size())) return defaultChar;
  return buffer[0];
}

std::string localeNameOrBuiltIn(LCID locale, LCTYPE type, unsigned stringId) {
  std::string name = localeText(locale, type, "");
  if (name.empty()) name = loadMessage(stringId);
  return name;
}

}  // namespace bootspan
