#include "errors/core/messages.hpp"

#include "platform/platform.hpp"

namespace bootspan {

std::string loadMessage(unsigned number) {
  char buffer[1024];
  const int n = platform().LoadStringA(programModule(), number, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

}  // namespace bootspan
