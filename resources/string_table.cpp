#include "resources/string_table.hpp"

#include <algorithm>
#include <array>
#include <iterator>

namespace bootspan {

namespace {

struct Entry {
  unsigned id;
  std::string_view text;
};

constexpr Entry kStrings[] = {
#define BOOTSPAN_STRING(id, name, text) {id, text},
#include "resources/strings.inc"
#undef BOOTSPAN_STRING
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }),
              "strings.inc must stay sorted by number");

}  // namespace

std::optional<std::string_view> builtInString(unsigned id) {
  auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                             [](const Entry& e, unsigned wanted) { return e.id < wanted; });
  if (it == std::end(kStrings) || it->id != id) return std::nullopt;
  return it->text;
}

}  // namespace bootspan
