#include "locale/date_pattern_translation.hpp"

namespace bootspan {

std::string translateDatePattern(std::string_view pattern) {
  return std::string(pattern);
}

}  // namespace bootspan
