#include "errors/system_errors.hpp"

#include <string>
#include <string_view>

#include "errors/core/messages.hpp"
#include "errors/core/raise.hpp"
#include "errors/error_tables.hpp"
#include "errors/module_lookup.hpp"
#include "format/formatted_errors.hpp"
#include "locale/multibyte.hpp"
#include "platform/platform.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

constexpr std::uint8_t kReasonAccessViolation = 11;
constexpr std::uint8_t kReasonExternal = 22;

// The part of `path` after its last "\" or ":", searching from the end; a
// delimiter that is the trail byte of a double-byte character does not count
// and the lead byte before it is skipped with it.
std::string_view afterLastDelimiter(std::string_view path) {
  int i = static_cast<int>(path.size());
  while (i >= 1) {
    const char c = path[i - 1];
    if (c == '\\' || c == ':') {
      if (byteKindInText(path, i) != trailByte) return path.substr(i);
      i -= 2;
    } else {
      i -= 1;
    }
  }
  return path;
}

}  // namespace

std::uint8_t systemExceptionReason(const EXCEPTION_RECORD* record) {
  switch (record->ExceptionCode) {
    case EXCEPTION_ACCESS_VIOLATION:
      return 11;
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
      return 4;
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_UNDERFLOW:
      return 9;
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
      return 7;
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_STACK_CHECK:
      return 6;
    case EXCEPTION_FLT_OVERFLOW:
      return 8;
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
      return 3;
    case EXCEPTION_INT_OVERFLOW:
      return 5;
    case EXCEPTION_PRIV_INSTRUCTION:
      return 12;
    case EXCEPTION_STACK_OVERFLOW:
      return 14;
    case STATUS_CONTROL_C_EXIT:
      return 13;
    default:
      return kReasonExternal;
  }
}

const TClass* systemExceptionClass(const EXCEPTION_RECORD* record) {
  return runErrorRow(systemExceptionReason(record)).errorClass;
}

Exception* errorFromSystemException(const EXCEPTION_RECORD* record) {
  const std::uint8_t reason = systemExceptionReason(record);
  Exception* error;
  if (reason == kReasonAccessViolation) {
    error = newAccessViolation(record);
  } else if (reason >= kFirstTableReason && reason < kReasonExternal) {
    const TExceptRec& row = runErrorRow(reason);
    error = newError(*row.errorClass, row.text);
  } else {
    const std::string templateText = loadMessage(msg::externalException);
    const TArgValue args[] = {integerArg(static_cast<std::int32_t>(record->ExceptionCode))};
    error = newErrorFormatted(EExternalException::classRef, templateText, args);
  }
  if (error->is(EExternal::classRef)) static_cast<EExternal*>(error)->keepRecord(*record);
  return error;
}

EAccessViolation* newAccessViolation(const EXCEPTION_RECORD* record) {
  const std::string access =
      loadMessage(record->ExceptionInformation[0] != 0 ? msg::writeAccess : msg::readAccess);
  const void* target = reinterpret_cast<const void*>(record->ExceptionInformation[1]);

  Exception* error;
  TModuleAt module;
  if (findModuleAt(platform(), record->ExceptionAddress, module)) {
    const std::string moduleName(afterLastDelimiter(module.path));
    const std::string templateText = loadMessage(msg::accessViolationInModule);
    const TArgValue args[] = {pointerArg(record->ExceptionAddress), textArg(moduleName),
                              textArg(access), pointerArg(target)};
    error = newErrorFormatted(EAccessViolation::classRef, templateText, args);
  } else {
    const std::string templateText = loadMessage(msg::accessViolation);
    const TArgValue args[] = {pointerArg(record->ExceptionAddress), textArg(access),
                              pointerArg(target)};
    error = newErrorFormatted(EAccessViolation::classRef, templateText, args);
  }
  return static_cast<EAccessViolation*>(error);
}

}  // namespace bootspan
