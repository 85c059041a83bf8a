// What the fuzz targets share beyond their input reader: a check that stops
// the run with the failed condition, and the one scripted platform of the
// process.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "platform/fake/fake_platform.hpp"

namespace bootspan::fuzzing {

[[noreturn]] inline void failCheck(const char* file, int line, const char* condition) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

// Installed on first use and kept for the whole run.
inline FakePlatform& fakePlatform() {
  static FakePlatform fake;
  return fake;
}

}  // namespace bootspan::fuzzing

#define CHECK(condition)                                                              \
  do {                                                                                \
    if (!(condition)) ::bootspan::fuzzing::failCheck(__FILE__, __LINE__, #condition); \
  } while (0)
