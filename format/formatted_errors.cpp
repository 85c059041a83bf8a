// Errors whose messages are completed by the formatter.
#include "format/formatted_errors.hpp"

#include "errors/core/messages.hpp"
#include "errors/core/raise.hpp"

namespace bootspan {

Exception* newErrorFormatted(const TClass& errorClass, std::string_view templateText,
                             TArgList args) {
  // The message is built first: if formatting raises, no instance exists yet.
  return newError(errorClass, formatMessage(templateText, args));
}

Exception* newErrorFromTableFormatted(const TClass& errorClass, unsigned number, TArgList args) {
  const std::string templateText = loadMessage(number);
  return newError(errorClass, formatMessage(templateText, args));
}

[[gnu::noinline]] void raiseConvertError(unsigned number, TArgList args) {
  raiseError(newErrorFromTableFormatted(EConvertError::classRef, number, args));
}

}  // namespace bootspan
