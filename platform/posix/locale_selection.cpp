#include "platform/posix/locale_selection.hpp"

#include <cstdlib>

#include "platform/posix/codeset_to_utf8.hpp"

namespace bootspan {

namespace {

// The name to open: an empty one would make newlocale read the environment
// again, so it stands for "C" like a name the machine does not have.
std::string existingName(int mask, const std::string& name, locale_t& handle) {
  if (!name.empty()) {
    handle = newlocale(mask | LC_CTYPE_MASK, name.c_str(), locale_t{});
    if (handle != locale_t{}) return name;
  }
  handle = newlocale(mask | LC_CTYPE_MASK, "C", locale_t{});
  return std::string("C");
}

}  // namespace

std::string selectLocaleName(const char* lcAll, const char* lcCategory, const char* lang) {
  for (const char* candidate : {lcAll, lcCategory, lang}) {
    if (candidate != nullptr && candidate[0] != '\0') return candidate;
  }
  return "C";
}

PosixLocaleNames environmentLocaleNames() {
  const char* all = std::getenv("LC_ALL");
  const char* lang = std::getenv("LANG");
  return {selectLocaleName(all, std::getenv("LC_TIME"), lang),
          selectLocaleName(all, std::getenv("LC_NUMERIC"), lang),
          selectLocaleName(all, std::getenv("LC_MONETARY"), lang)};
}

TNamedLocale::TNamedLocale(int categoryMask, const std::string& name)
    : name_(existingName(categoryMask, name, handle_)) {}

TNamedLocale::~TNamedLocale() {
  if (handle_ != locale_t{}) freelocale(handle_);
}

const char* TNamedLocale::codeset() const {
  return nl_langinfo_l(CODESET, handle_);
}

std::string TNamedLocale::text(nl_item item) const {
  return toUtf8(nl_langinfo_l(item, handle_), codeset());
}

}  // namespace bootspan
