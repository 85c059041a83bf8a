#include "errors/core/fpu.hpp"

namespace bootspan {

std::uint16_t fpuDefaultControlWord = kDefaultFpuControlWord;

void resetFpu() {
#if defined(__i386__) || defined(__x86_64__)
  const std::uint16_t word = fpuDefaultControlWord;
  __asm__ volatile("fninit\n\tfldcw %0" : : "m"(word));
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
