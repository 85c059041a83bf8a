// formatMessage on any template and typed arguments: the result equals
// formatIntoBuffer with room to spare, and both raise together.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "format/format_message.hpp"
#include "fuzz/fuzz_format_args.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  installPlatform();
  Reader in(data, size);
  // Some templates go through the long-template path of 3072 bytes and more.
  const std::size_t repeat = 1 + in.byte() % 4;
  FuzzArgs args(in);
  std::string templateText = in.rest();
  if (!fewDirectives(templateText)) return 0;
  if (repeat > 1 && templateText.find('%') == std::string::npos) {
    std::string longer;
    while (longer.size() < 1000 * repeat)
      longer += templateText.empty() ? "x" : templateText;
    templateText = longer;
  }

  std::string message;
  const bool messageReturned = returns([&] { message = formatMessage(templateText, args.list()); });

  const std::size_t capacity = (messageReturned ? message.size() : 0) + 1;
  GuardedBuffer buffer(capacity);
  std::size_t n = 0;
  const bool bufferReturned = returns([&] {
    n = formatIntoBuffer(buffer.data(), capacity, templateText.data(), templateText.size(),
                         args.list());
  });
  buffer.checkGuard(0);
  if (!messageReturned) return 0;  // the buffer may stop before the failing directive
  if (!bufferReturned) std::abort();
  if (n != message.size() || std::memcmp(buffer.data(), message.data(), n) != 0) std::abort();
  return 0;
}
