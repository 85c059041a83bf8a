#include "platform/platform.hpp"

namespace bootspan {

namespace {
Platform* current = nullptr;
}

Platform& platform() {
  return current != nullptr ? *current : nativePlatform();
}

Platform* setPlatform(Platform* backend) {
  Platform* previous = current;
  current = backend;
  return previous;
}

}  // namespace bootspan
