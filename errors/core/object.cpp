#include "errors/core/object.hpp"

namespace bootspan {

const TClass TObject::classRef{"TObject", nullptr, []() -> TObject* { return new TObject(); }};

bool TClass::inheritsFrom(const TClass& ancestor) const {
  for (const TClass* c = this; c != nullptr; c = c->parent) {
    if (c == &ancestor) return true;
  }
  return false;
}

}  // namespace bootspan
