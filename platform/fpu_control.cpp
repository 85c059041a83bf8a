#include "platform/fpu_control.hpp"

namespace bootspan {

void resetFpuTo(std::uint16_t controlWord) {
#if defined(__i386__) || defined(__x86_64__)
  __asm__ volatile("fninit\n\tfldcw %0" : : "m"(controlWord));
#else
  (void)controlWord;
#endif
}

std::uint16_t fpuControlWord() {
  std::uint16_t word = 0;
#if defined(__i386__) || defined(__x86_64__)
  __asm__ volatile("fnstcw %0" : "=m"(word));
#endif
  return word;
}

void loadFpuControlWord(std::uint16_t word) {
#if defined(__i386__) || defined(__x86_64__)
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(word));
#else
  (void)word;
#endif
}

}  // namespace bootspan
