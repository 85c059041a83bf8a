// Creating and raising errors whose messages are built by the formatter.
#pragma once

#include <string_view>

#include "errors/core/exceptions.hpp"
#include "format/format_message.hpp"

namespace bootspan {

// A new error of `errorClass` whose message is formatMessage(template, args).
// If building the message raises, that error propagates instead.
Exception* newErrorFormatted(const TClass& errorClass, std::string_view templateText,
                             TArgList args);

// A new error whose message is string-table entry `number` completed with args.
Exception* newErrorFromTableFormatted(const TClass& errorClass, unsigned number, TArgList args);

// Raises EConvertError with string-table message `number` completed with args.
[[noreturn]] void raiseConvertError(unsigned number, TArgList args);

}  // namespace bootspan
