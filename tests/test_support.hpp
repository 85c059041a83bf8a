// Helpers shared by the unit tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "errors/core/exceptions.hpp"
#include "errors/core/module_table.hpp"
#include "errors/core/raise.hpp"

namespace bootspan::testing {

// What a raise left behind: the class name, the message and the address.
struct Raised {
  std::string className;
  std::string message;
  const void* address = nullptr;
};

// Runs `f`; returns what it raised, or nothing when it returned normally.
// The raised object is released.
template <class F>
std::optional<Raised> raisedBy(F&& f) {
  try {
    f();
  } catch (const TEscapedFailure& raised) {
    Raised r;
    r.address = raised.address;
    if (raised.error != nullptr) {
      r.className = std::string(raised.error->className());
      if (raised.error->is(Exception::classRef)) {
        r.message = static_cast<Exception*>(raised.error)->message;
      }
    }
    releaseError(raised.error);
    return r;
  }
  return std::nullopt;
}

// Runs the whole program (runProgram with `modules` and `mainBlock`) as a
// windowed process on the installed fake platform and returns its exit code.
// The console flag, the x87 control word and the exit code it set are
// restored afterwards.
std::uint32_t wholeProgramExitCode(std::span<const TModuleEntry> modules, void (*mainBlock)());

}  // namespace bootspan::testing

// Expects `statement` to raise an error of class `cls` with message `msg`.
#define EXPECT_RAISES(statement, cls, msg)                                    \
  do {                                                                        \
    auto raised_ = ::bootspan::testing::raisedBy([&] { (void)(statement); }); \
    if (!raised_) {                                                           \
      ADD_FAILURE() << #statement " raised nothing";                          \
    } else {                                                                  \
      EXPECT_EQ(raised_->className, #cls);                                    \
      EXPECT_EQ(raised_->message, msg);                                       \
    }                                                                         \
  } while (0)
