// Counting what a piece of code allocates. A test program that links the
// counting allocator replaces the global operator new with one that counts
// every call; the replacement lives in a file of its own, so that no caller
// sees it inline.
#pragma once

namespace bootspan::testing {

// The calls of operator new this program has made so far.
long allocationCount();

// The calls of operator new that `f` makes.
template <class F>
long allocationsOf(F&& f) {
  const long before = allocationCount();
  f();
  return allocationCount() - before;
}

}  // namespace bootspan::testing
