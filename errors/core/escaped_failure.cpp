#include "errors/core/escaped_failure.hpp"

namespace bootspan {

namespace {
constexpr DWORD kLanguageParameters = 7;
}

TEscapedFailure escapedError(TObject* error, const void* address) {
  return TEscapedFailure{error, address, std::nullopt};
}

TEscapedFailure escapedException(const EXCEPTION_RECORD& record) {
  return TEscapedFailure{nullptr, record.ExceptionAddress, record};
}

EXCEPTION_RECORD platformRecord(const TEscapedFailure& failure) {
  if (failure.record) return *failure.record;
  EXCEPTION_RECORD record{};
  record.ExceptionCode = languageErrorCode;
  record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
  record.ExceptionAddress = const_cast<void*>(failure.address);
  record.NumberParameters = kLanguageParameters;
  record.ExceptionInformation[0] = reinterpret_cast<ULONG_PTR>(failure.address);
  record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(failure.error);
  return record;
}

}  // namespace bootspan
