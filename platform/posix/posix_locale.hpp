// The locale answers of the Linux backend.
#pragma once

#include <optional>
#include <string>

#include "platform/win_types.hpp"

namespace bootspan {

class PosixLocale {
 public:
  // The locale id standing for the user's locale.
  LCID lcid() const;
  // The answer to one locale query, or nothing when the query fails.
  std::optional<std::string> answer(LCID locale, LCTYPE type) const;
};

// The locale selected by the environment, read once.
const PosixLocale& posixLocale();

}  // namespace bootspan
