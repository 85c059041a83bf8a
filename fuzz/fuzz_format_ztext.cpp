// formatIntoZText on any zero-terminated template: the result is terminated
// right after formatIntoBuffer's bytes and nothing beyond maxLength + 1 is
// written.
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
  const std::size_t maxLength = in.byte();
  FuzzArgs args(in);
  const std::string templateText = in.rest();  // c_str() ends it at its first zero

  GuardedBuffer z(maxLength + 1);
  char* result = nullptr;
  if (!returns([&] {
        result = formatIntoZText(z.data(), maxLength, templateText.c_str(), args.list());
      })) {
    z.checkGuard(0);
    return 0;
  }
  z.checkGuard(0);
  if (result != z.data()) std::abort();
  const std::size_t n = std::strlen(result);
  if (n > maxLength) std::abort();

  GuardedBuffer plain(maxLength);
  std::size_t m = 0;
  if (!returns([&] {
        m = formatIntoBuffer(plain.data(), maxLength, templateText.c_str(),
                             std::strlen(templateText.c_str()), args.list());
      })) {
    std::abort();  // the same call raised once and not the other time
  }
  // The result may hold zero bytes of its own (a character argument), so
  // compare the counted bytes and the terminator after them.
  if (std::memcmp(plain.data(), result, m) != 0 || result[m] != '\0') std::abort();
  if (formatIntoZText(nullptr, maxLength, templateText.c_str(), args.list()) != nullptr) {
    std::abort();
  }
  return 0;
}
