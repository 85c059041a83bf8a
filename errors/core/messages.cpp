#include "errors/core/messages.hpp"

#include <cstring>

#include "errors/core/companion_strings.hpp"
#include "errors/core/message_directives.hpp"
#include "platform/platform.hpp"

namespace bootspan {

int loadString(unsigned id, char* buffer, int size) {
  if (size <= 0) return 0;
  if (size > kMessageSize) size = kMessageSize;
  Platform& backend = platform();
  char own[kMessageSize];
  const int ownLength = backend.LoadStringA(programModule(), id, own, size);
  if (ownLength <= 0) {
    buffer[0] = '\0';
    return 0;
  }
  if (const HMODULE companion = companionModule(); companion != nullptr) {
    const int length = backend.LoadStringA(companion, id, buffer, size);
    // A zero byte inside would end the text where the directive check did
    // not look: such a string is not used.
    if (length > 0 && std::memchr(buffer, '\0', static_cast<std::size_t>(length)) == nullptr &&
        sameDirectives({buffer, static_cast<std::size_t>(length)},
                       {own, static_cast<std::size_t>(ownLength)}))
      return length;
  }
  std::memcpy(buffer, own, static_cast<std::size_t>(ownLength) + 1);
  return ownLength;
}

std::string loadMessage(unsigned number) {
  char buffer[kMessageSize];
  const int n = loadString(number, buffer, kMessageSize);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

}  // namespace bootspan
