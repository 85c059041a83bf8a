#include "format/field.hpp"

#include "format/sink.hpp"

namespace bootspan {

std::size_t writeField(char* to, std::size_t room, const Directive& d, const char* text,
                       std::size_t length) {
  const std::size_t blanks = d.width > length ? d.width - length : 0;
  Sink s{to, room};
  if (!d.leftAlign) s.blanks(blanks);
  s.put(text, length);
  if (d.leftAlign) s.blanks(blanks);
  return static_cast<std::size_t>(s.next - to);
}

}  // namespace bootspan
