#include "errors/run_errors.hpp"

#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"
#include "errors/error_hooks.hpp"
#include "errors/error_tables.hpp"
#include "format/formatted_errors.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

void raiseRunError(std::uint8_t reason, const void* address) {
  TObject* error;
  if (reason == 1) {
    error = outOfMemoryError;
  } else if (reason == 2) {
    error = invalidPointerError;
  } else if (reason >= kFirstTableReason && reason <= kLastTableReason) {
    const TExceptRec& row = runErrorRow(reason);
    error = newError(*row.errorClass, row.text);
  } else {
    error = newInOutError();
  }
  raiseErrorAt(error, address);
}

EInOutError* newInOutError() {
  const std::int32_t result = inOutResult;
  inOutResult = 0;
  Exception* error = nullptr;
  for (const TErrorRec& row : inOutErrorTable) {
    if (row.code == result) {
      error = newError(EInOutError::classRef, row.text);
      break;
    }
  }
  if (error == nullptr) {
    const TArgValue args[] = {integerArg(result)};
    error = newErrorFromTableFormatted(EInOutError::classRef, msg::inOutErrorTemplate, args);
  }
  auto* inOut = static_cast<EInOutError*>(error);
  inOut->errorCode = result;
  return inOut;
}

}  // namespace bootspan
