// formatIntoBuffer on any template and typed arguments: never writes past
// its capacity, and its result is a prefix of the same call with a larger
// capacity.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_format_args.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  installPlatform();
  Reader in(data, size);
  const std::size_t low = in.byte();
  const std::size_t capacity = low | (static_cast<std::size_t>(in.byte() & 1) << 8);  // [0, 511]
  FuzzArgs args(in);
  const std::string templateText = in.rest();

  GuardedBuffer small(capacity);
  std::size_t n = 0;
  const bool smallReturned = returns([&] {
    n = formatIntoBuffer(small.data(), capacity, templateText.data(), templateText.size(),
                         args.list());
  });
  small.checkGuard(0);
  if (!smallReturned) return 0;
  if (n > capacity) std::abort();

  // Twice the room: the first result must be its prefix, unless a directive
  // beyond the smaller capacity fails.
  const std::size_t larger = capacity * 2 + 16;
  GuardedBuffer big(larger);
  std::size_t m = 0;
  if (!returns([&] {
        m = formatIntoBuffer(big.data(), larger, templateText.data(), templateText.size(),
                             args.list());
      })) {
    big.checkGuard(0);
    if (n < capacity) std::abort();  // the whole template was evaluated before
    return 0;
  }
  big.checkGuard(0);
  if (m < n || std::memcmp(small.data(), big.data(), n) != 0) std::abort();
  if (n < capacity && m != n) std::abort();
  return 0;
}
