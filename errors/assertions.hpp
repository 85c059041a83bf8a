// Failed assertions and calls of abstract operations as error objects.
#pragma once

#include <cstdint>
#include <string>

#include "errors/core/exceptions.hpp"

namespace bootspan {

// A new EAssertionFailed "<text> (<fileName>, line <lineNumber>)", where the
// text is `message`, or "Assertion failed" when it is empty: for example
// "Assertion failed (clock, line 7)".
EAssertionFailed* newAssertionError(const std::string& message, const std::string& fileName,
                                    std::int32_t lineNumber);

// Raises newAssertionError(...) at `address`, the code address of the failed
// assertion; installed as assertHook.
[[noreturn]] void raiseAssertionFailed(const std::string& message, const std::string& fileName,
                                       std::int32_t lineNumber, const void* address);

// Raises EAbstractError "Abstract Error" from inside this operation;
// installed as abstractHook.
[[noreturn]] void raiseAbstractError();

}  // namespace bootspan
