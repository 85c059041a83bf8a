#include "errors/core/raise.hpp"

#include <memory>

#include "errors/core/exceptions.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/messages.hpp"

namespace bootspan {

namespace {
constexpr std::int32_t kNullErrorExitCode = 216;
}

void raiseErrorAt(TObject* error, const void* address) {
  if (error == nullptr) runErrorAt(kNullErrorExitCode, address);
  throw escapedError(error, address);
}

[[gnu::noinline]] void raiseError(TObject* error) {
  raiseErrorAt(error, __builtin_return_address(0));
}

void releaseError(TObject* error) {
  delete error;
}

Exception* newError(const TClass& errorClass, std::string message) {
  // If setting the message throws, the half-built instance goes with it.
  std::unique_ptr<TObject> object(errorClass.create());
  auto* error = static_cast<Exception*>(object.get());
  error->message = std::move(message);
  object.release();
  return error;
}

Exception* newErrorFromTable(const TClass& errorClass, unsigned number) {
  return newError(errorClass, loadMessage(number));
}

}  // namespace bootspan
