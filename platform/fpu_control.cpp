#include "platform/fpu_control.hpp"

namespace bootspan {

#if defined(__i386__) || defined(__x86_64__)

void resetFpuTo(std::uint16_t controlWord) {
  __asm__ volatile("fninit\n\tfldcw %0" : : "m"(controlWord));
}

std::uint16_t fpuControlWord() {
  std::uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

void loadFpuControlWord(std::uint16_t word) {
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(word));
}

#else  // no x87 unit

void resetFpuTo(std::uint16_t) {}

std::uint16_t fpuControlWord() {
  return 0;
}

void loadFpuControlWord(std::uint16_t) {}

#endif

}  // namespace bootspan
