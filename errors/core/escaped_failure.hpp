// A failure that escaped the program, carried as one value to the
// last-resort handler (errors/core/top_level.hpp).
#pragma once

#include <optional>

#include "errors/core/object.hpp"
#include "platform/win_types.hpp"

namespace bootspan {

// The exception code under which the platform carries a raised error object;
// its record holds the raise address in ExceptionInformation[0] and the
// object in [1].
inline constexpr DWORD languageErrorCode = 0x0EEDFADE;

// The exception code given to a C++ exception of a type outside the error
// mechanism (for example a standard-library length error).
inline constexpr DWORD foreignExceptionCode = 0xE06D7363;

// Either a raised error object with its raise address, or a platform
// exception (no object yet) with its record and the record's
// ExceptionAddress. The platform's record of a raised object may come along.
struct TEscapedFailure {
  TObject* error = nullptr;                // owned by the handler; null for a platform exception
  const void* address = nullptr;           // where the failure happened
  std::optional<EXCEPTION_RECORD> record;  // the platform's record, where there is one
};

// The failure of `error` raised at `address`, without a platform record.
TEscapedFailure escapedError(TObject* error, const void* address);

// The failure of a platform exception: no object, the record's
// ExceptionAddress as address, and a copy of the record.
TEscapedFailure escapedException(const EXCEPTION_RECORD& record);

// The record the platform calls that take one (UnhandledExceptionFilter,
// RaiseException) are given for `failure`: its own record, or for an error
// object the one raising it through the platform makes: languageErrorCode,
// EXCEPTION_NONCONTINUABLE, the raise address as ExceptionAddress and seven
// parameters, the first two the address and the object.
EXCEPTION_RECORD platformRecord(const TEscapedFailure& failure);

}  // namespace bootspan
