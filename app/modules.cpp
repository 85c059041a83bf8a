#include "app/modules.hpp"

#include "locale/locale_loader.hpp"

namespace bootspan {

namespace {

// 64-bit significand, round to nearest; invalid operation, zero divide and
// overflow raise, denormal, underflow and inexact pass silently.
constexpr unsigned short kDefaultFpuControlWord = 0x1332;

void startRuntimeCore() {
#if defined(__i386__) || defined(__x86_64__)
  unsigned short word = kDefaultFpuControlWord;
  __asm__ volatile("fninit\n\tfldcw %0" : : "m"(word));
#endif
}

void startUtilityLibrary() {
  loadPlatformInfo();
  loadLocaleFormats();
}

void finalizeUtilityLibrary() { releaseLocaleFormats(); }

constexpr TModuleEntry kModules[] = {
    {"runtime core", startRuntimeCore, nullptr},
    {"utility library", startUtilityLibrary, finalizeUtilityLibrary},
    {"program", nullptr, nullptr},
};

}  // namespace

std::span<const TModuleEntry> programModules() { return kModules; }

}  // namespace bootspan
