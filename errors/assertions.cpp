#include "errors/assertions.hpp"

#include "errors/core/messages.hpp"
#include "errors/core/raise.hpp"
#include "format/formatted_errors.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

EAssertionFailed* newAssertionError(const std::string& message, const std::string& fileName,
                                    std::int32_t lineNumber) {
  const std::string text = message.empty() ? loadMessage(msg::assertionFailed) : message;
  const std::string templateText = loadMessage(msg::assertionTemplate);
  const TArgValue args[] = {textArg(text), textArg(fileName), integerArg(lineNumber)};
  return static_cast<EAssertionFailed*>(
      newErrorFormatted(EAssertionFailed::classRef, templateText, args));
}

void raiseAssertionFailed(const std::string& message, const std::string& fileName,
                          std::int32_t lineNumber, const void* address) {
  raiseErrorAt(newAssertionError(message, fileName, lineNumber), address);
}

[[gnu::noinline]] void raiseAbstractError() {
  raiseError(newErrorFromTable(EAbstractError::classRef, msg::abstractError));
}

}  // namespace bootspan
