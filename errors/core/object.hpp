// The root of the class tree and class references.
//
// Every class of the tree carries a TClass: its exact run-time name, its
// parent and a factory, so an instance can be made from a class reference and
// a reference can be asked whether it lies below another.
#pragma once

#include <string_view>

namespace bootspan {

class TObject;

struct TClass {
  const char* name;
  const TClass* parent;
  TObject* (*create)();  // a new zeroed instance of exactly this class

  // True when this class is `ancestor` or lies below it.
  bool inheritsFrom(const TClass& ancestor) const;
};

class TObject {
 public:
  static const TClass classRef;
  virtual ~TObject() = default;
  virtual const TClass& classType() const { return classRef; }

  std::string_view className() const { return classType().name; }
  // True when this object is an instance of `c` or of a class below it.
  bool is(const TClass& c) const { return classType().inheritsFrom(c); }
};

// Declares class `Name` below `Parent` with its class reference; the matching
// BOOTSPAN_DEFINE_CLASS goes into one source file.
#define BOOTSPAN_CLASS_BODY(Name)                        \
 public:                                                 \
  static const ::bootspan::TClass classRef;              \
  const ::bootspan::TClass& classType() const override { \
    return classRef;                                     \
  }

#define BOOTSPAN_DEFINE_CLASS(Name, Parent)                         \
  const ::bootspan::TClass Name::classRef{#Name, &Parent::classRef, \
                                          []() -> ::bootspan::TObject* { return new Name(); }};

}  // namespace bootspan
