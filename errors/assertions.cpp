#include "errors/assertions.hpp"

#include "errors/core/messages.hpp"
#include "errors/core/raise.hpp"
#include "format/formatted_errors.hpp"

namespace bootspan {

namespace {
constexpr unsigned kAssertionFailedMessage = 65492;
constexpr unsigned kAssertionTemplate = 65495;
constexpr unsigned kAbstractErrorMessage = 65496;
}  // namespace

EAssertionFailed* newAssertionError(const std::string& message, const std::string& fileName,
                                    std::int32_t lineNumber) {
  const std::string text = message.empty() ? loadMessage(kAssertionFailedMessage) : message;
  const std::string templateText = loadMessage(kAssertionTemplate);
  const TArgValue args[] = {textArg(text), textArg(fileName), integerArg(lineNumber)};
  return static_cast<EAssertionFailed*>(
      newErrorFormatted(EAssertionFailed::classRef, templateText, args));
}

void raiseAssertionFailed(const std::string& message, const std::string& fileName,
                          std::int32_t lineNumber, const void* address) {
  raiseErrorAt(newAssertionError(message, fileName, lineNumber), address);
}

__attribute__((noinline)) void raiseAbstractError() {
  raiseError(newErrorFromTable(EAbstractError::classRef, kAbstractErrorMessage));
}

}  // namespace bootspan
