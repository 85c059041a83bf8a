// The program's operator new: a failed allocation is run-time error 1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "app/program_heap.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"
#include "errors/error_hooks.hpp"
#include "errors/error_tables.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan {
namespace {

int allocations = 0;

// Allocates and releases a block the compiler cannot leave out.
void allocateAndRelease() {
  static char* volatile block;
  block = new char[40];
  delete[] block;
}

void* failingAllocate(std::size_t) {
  ++allocations;
  return nullptr;
}

// Fails once, then gives memory again (the fake platform records boxes on
// the heap while the process ends).
void* failingOnce(std::size_t size) {
  return ++allocations == 1 ? nullptr : std::malloc(size);
}

class LoadCountingPlatform : public FakePlatform {
 public:
  int loads = 0;
  int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) override {
    ++loads;
    return FakePlatform::LoadStringA(module, id, buffer, size);
  }
};

class ProgramHeap : public ::testing::Test {
 protected:
  void SetUp() override {
    savedConsole_ = isConsoleProcess;
    isConsoleProcess = false;
    allocations = 0;
  }
  void TearDown() override {
    removeErrorHooks();
    runtimeHooks.abstractHook = nullptr;
    releaseErrorTables();
    isConsoleProcess = savedConsole_;
    exitCode = 0;
    errorAddress = nullptr;
  }

  // Allocates `size` bytes with every allocation failing; what it raised.
  static TEscapedFailure allocateFailing() {
    TEscapedFailure caught;
    const THeapFunctions previous = setHeapFunctions({failingAllocate, std::free});
    try {
      allocateAndRelease();
    } catch (const TEscapedFailure& raised) {
      caught = raised;  // nothing here may allocate
    }
    setHeapFunctions(previous);
    return caught;
  }

  LoadCountingPlatform fake;

 private:
  bool savedConsole_ = false;
};

TEST_F(ProgramHeap, AFailedAllocationRaisesThePreallocatedErrorWithoutLoadingOrAllocating) {
  fillErrorTables();
  installErrorHooks();
  fake.loads = 0;
  for (int i = 0; i < 2; ++i) {
    const TEscapedFailure raised = allocateFailing();
    EXPECT_EQ(raised.error, outOfMemoryError);
    EXPECT_NE(raised.address, nullptr);
    releaseError(raised.error);  // handled: the object stays for the next time
  }
  EXPECT_EQ(allocations, 2);  // the failed attempts only
  EXPECT_EQ(fake.loads, 0);
  EXPECT_EQ(outOfMemoryError->message, "Out of memory");
}

TEST_F(ProgramHeap, WithoutTheHooksAFailedAllocationIsRunError203) {
  const THeapFunctions previous = setHeapFunctions({failingOnce, std::free});
  UINT code = 0;
  try {
    allocateAndRelease();
  } catch (const FakeExit& exit) {
    code = exit.code;
  }
  setHeapFunctions(previous);
  EXPECT_EQ(code, 203u);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text.substr(0, 21), "Runtime error 203 at ");
}

TEST_F(ProgramHeap, NothrowAllocationsAnswerNull) {
  const THeapFunctions previous = setHeapFunctions({failingAllocate, std::free});
  void* single = ::operator new(16, std::nothrow);
  void* array = ::operator new[](16, std::nothrow);
  setHeapFunctions(previous);
  EXPECT_EQ(single, nullptr);
  EXPECT_EQ(array, nullptr);
  EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(ProgramHeap, EveryAllocationAndReleaseGoesThroughTheHeapFunctions) {
  static int allocated = 0, released = 0;
  allocated = released = 0;
  const THeapFunctions previous = setHeapFunctions({[](std::size_t n) {
                                                      ++allocated;
                                                      return std::malloc(n);
                                                    },
                                                    [](void* p) {
                                                      ++released;
                                                      std::free(p);
                                                    }});
  {
    std::vector<int> numbers(100);
    numbers.push_back(1);
  }
  setHeapFunctions(previous);
  EXPECT_EQ(allocated, 2);
  EXPECT_EQ(released, 2);
}

}  // namespace
}  // namespace bootspan
