// The failures the C++ library detects itself (a text asked to grow past its
// largest length, an index out of range, a failed allocation of its own)
// become this system's own failure: the platform exception of a foreign C++
// exception, raised at the place that called the library, which the report
// shows as "External exception E06D7363".
//
// The library would throw its exception classes from these functions; those
// classes keep their messages in a second string type, and bringing them in
// takes about 85 KB of the Windows program. Defining the functions here keeps
// the program's own definitions in place of the library's.
#include <string>  // the library's declarations of the functions below

#include "errors/core/system_fault.hpp"

namespace std {

#define BOOTSPAN_LIBRARY_ERROR(name, ...)                         \
  [[gnu::noinline]] void name(__VA_ARGS__) {                      \
    bootspan::raiseForeignException(__builtin_return_address(0)); \
  }

BOOTSPAN_LIBRARY_ERROR(__throw_bad_alloc)
BOOTSPAN_LIBRARY_ERROR(__throw_bad_array_new_length)
BOOTSPAN_LIBRARY_ERROR(__throw_bad_cast)
BOOTSPAN_LIBRARY_ERROR(__throw_bad_exception)
BOOTSPAN_LIBRARY_ERROR(__throw_bad_typeid)
BOOTSPAN_LIBRARY_ERROR(__throw_domain_error, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_invalid_argument, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_length_error, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_logic_error, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_out_of_range, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_out_of_range_fmt, const char*, ...)
BOOTSPAN_LIBRARY_ERROR(__throw_overflow_error, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_range_error, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_runtime_error, const char*)
BOOTSPAN_LIBRARY_ERROR(__throw_underflow_error, const char*)

#undef BOOTSPAN_LIBRARY_ERROR

}  // namespace std
