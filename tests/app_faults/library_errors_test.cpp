// The C++ library's own failures, as the programs' replacements raise them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "errors/core/escaped_failure.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/system_fault.hpp"
#include "errors/system_errors.hpp"
#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

const std::function<void()> kLibraryFailures[] = {
    [] { std::__throw_length_error("basic_string::_M_create"); },
    [] {
      std::__throw_out_of_range_fmt("%s: __pos (which is %zu)", "basic_string::at", std::size_t{9});
    },
    [] { std::__throw_bad_alloc(); },
};

TEST(LibraryErrors, WithoutTheHookTheyArePlatformExceptionsOfForeignCode) {
  const TSystemErrorHook saved = runtimeHooks.systemErrorHook;
  runtimeHooks.systemErrorHook = nullptr;
  for (const auto& fail : kLibraryFailures) {
    try {
      fail();
      ADD_FAILURE() << "returned";
    } catch (const TEscapedFailure& fault) {
      EXPECT_EQ(fault.record->ExceptionCode, foreignExceptionCode);
      EXPECT_NE(fault.record->ExceptionAddress, nullptr);  // the caller's place
    }
  }
  runtimeHooks.systemErrorHook = saved;
}

TEST(LibraryErrors, WithTheHookTheyRaiseExternalExceptions) {
  FakePlatform fake;  // the program's string table, on every backend
  const TSystemErrorHook saved = runtimeHooks.systemErrorHook;
  runtimeHooks.systemErrorHook = errorFromSystemException;
  for (const auto& fail : kLibraryFailures)
    EXPECT_RAISES(fail(), EExternalException, "External exception E06D7363");
  runtimeHooks.systemErrorHook = saved;
}

}  // namespace
}  // namespace bootspan
