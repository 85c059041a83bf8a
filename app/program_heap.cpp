#include "app/program_heap.hpp"

#include <cstdlib>
#include <new>

#include "errors/core/runtime_failure.hpp"

namespace bootspan {

namespace {

THeapFunctions heap{std::malloc, std::free};

void* allocateOrNull(std::size_t size) noexcept {
  return heap.allocate(size != 0 ? size : 1);
}

}  // namespace

THeapFunctions setHeapFunctions(THeapFunctions functions) {
  const THeapFunctions previous = heap;
  heap = functions;
  return previous;
}

}  // namespace bootspan

[[gnu::noinline]] void* operator new(std::size_t size) {
  void* block = bootspan::allocateOrNull(size);
  if (block == nullptr) {
    bootspan::runtimeFailure(bootspan::kReasonOutOfMemory, __builtin_return_address(0));
  }
  return block;
}

[[gnu::noinline]] void* operator new[](std::size_t size) {
  void* block = bootspan::allocateOrNull(size);
  if (block == nullptr) {
    bootspan::runtimeFailure(bootspan::kReasonOutOfMemory, __builtin_return_address(0));
  }
  return block;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return bootspan::allocateOrNull(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return bootspan::allocateOrNull(size);
}

void operator delete(void* block) noexcept {
  if (block != nullptr) bootspan::heap.release(block);
}

void operator delete[](void* block) noexcept {
  if (block != nullptr) bootspan::heap.release(block);
}

void operator delete(void* block, std::size_t) noexcept {
  if (block != nullptr) bootspan::heap.release(block);
}

void operator delete[](void* block, std::size_t) noexcept {
  if (block != nullptr) bootspan::heap.release(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
  if (block != nullptr) bootspan::heap.release(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
  if (block != nullptr) bootspan::heap.release(block);
}
