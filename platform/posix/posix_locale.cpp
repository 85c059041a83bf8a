#include "platform/posix/posix_locale.hpp"

namespace bootspan {

// Until the POSIX locale is mapped, every query fails and every default applies.
LCID PosixLocale::lcid() const { return 0x0409; }

std::optional<std::string> PosixLocale::answer(LCID, LCTYPE) const { return std::nullopt; }

const PosixLocale& posixLocale() {
  static const PosixLocale instance;
  return instance;
}

}  // namespace bootspan
