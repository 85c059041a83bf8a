#include "errors/core/fpu.hpp"

namespace bootspan {

std::uint16_t fpuDefaultControlWord = kDefaultFpuControlWord;

void resetFpu() {
  resetFpuTo(fpuDefaultControlWord);
}

}  // namespace bootspan
