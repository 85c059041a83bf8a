#include "format/field.hpp"

#include "format/sink.hpp"

namespace bootspan {

std::size_t writePaddedField(char* to, std::size_t room, const char* text, std::size_t length,
                             std::uint32_t width, bool leftAlign) {
  Sink s{to, room};
  if (!leftAlign) s.blanks(width - length);
  s.put(text, length);
  if (leftAlign) s.blanks(width - length);
  return static_cast<std::size_t>(s.next - to);
}

}  // namespace bootspan
