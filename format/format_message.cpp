#include "format/format_message.hpp"

#include <cstring>

#include "format/format_limits.hpp"

namespace bootspan {

char* formatIntoZText(char* dest, std::size_t maxLength, const char* templateText, TArgList args) {
  if (dest == nullptr || templateText == nullptr) return nullptr;
  const std::size_t n =
      formatIntoBuffer(dest, maxLength, templateText, std::strlen(templateText), args);
  dest[n] = '\0';
  return dest;
}

std::string formatMessage(std::string_view templateText, TArgList args) {
  // A count equal to the capacity may have been cut, so the capacity is always
  // one byte below the buffer size and such a count is retried larger.
  std::size_t size;
  if (templateText.size() < kMessageScratchSize * 3 / 4) {
    char scratch[kMessageScratchSize];
    const std::size_t n = formatIntoBuffer(scratch, kMessageScratchSize - 1, templateText.data(),
                                           templateText.size(), args);
    if (n < kMessageScratchSize - 1) return std::string(scratch, n);
    size = kMessageScratchSize;
  } else {
    size = templateText.size();
  }
  std::string result;
  for (;;) {
    size *= 2;
    result.resize(size);
    const std::size_t n =
        formatIntoBuffer(result.data(), size - 1, templateText.data(), templateText.size(), args);
    if (n < size - 1) {
      result.resize(n);
      return result;
    }
  }
}

}  // namespace bootspan
