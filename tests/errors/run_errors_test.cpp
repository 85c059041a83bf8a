#include <thread>
#include <vector>

#include "errors/core/raise.hpp"
#include "errors/run_errors.hpp"
#include "resources/string_ids.hpp"
#include "tests/errors/failure_state.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;
using testing::raisedBy;

// Records the number of every string the program loads.
class LoadRecordingPlatform : public FakePlatform {
 public:
  std::vector<UINT> loads;
  UINT failingLoad = 0;  // loading this number raises
  int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) override {
    loads.push_back(id);
    if (id == failingLoad) raiseError(newError(EConvertError::classRef, "no strings"));
    return FakePlatform::LoadStringA(module, id, buffer, size);
  }
};

class RunErrors : public FailureStateTest {
 protected:
  void SetUp() override {
    FailureStateTest::SetUp();
    installFailureHandling();
  }
};

struct ReasonCase {
  int reason;
  const char* className;
  const char* message;
};

const ReasonCase kReasons[] = {
    {1, "EOutOfMemory", "Out of memory"},
    {2, "EInvalidPointer", "Invalid pointer operation"},
    {3, "EDivByZero", "Division by zero"},
    {4, "ERangeError", "Range check error"},
    {5, "EIntOverflow", "Integer overflow"},
    {6, "EInvalidOp", "Invalid floating point operation"},
    {7, "EZeroDivide", "Floating point division by zero"},
    {8, "EOverflow", "Floating point overflow"},
    {9, "EUnderflow", "Floating point underflow"},
    {10, "EInvalidCast", "Invalid class typecast"},
    {11, "EAccessViolation", "Access violation at address %p. %s of address %p"},
    {12, "EPrivilege", "Privileged instruction"},
    {13, "EControlC", "Control-C hit"},
    {14, "EStackOverflow", "Stack overflow"},
    {15, "EVariantError", "Invalid variant type conversion"},
    {16, "EVariantError", "Invalid variant operation"},
    {17, "EVariantError", "Variant method calls not supported"},
    {18, "EVariantError", "Error creating variant array"},
    {19, "EVariantError", "Variant is not an array"},
    {20, "EVariantError", "Variant array index out of bounds"},
    {21, "EAssertionFailed", "Assertion failed"},
    {22, "EExternalException", "External exception %x"},
    {23, "EIntfCastError", "Interface not supported"},
    {24, "ESafecallException", "Exception in safecall method"},
};

TEST_F(RunErrors, EveryReasonRaisesItsClassAndText) {
  const void* const at = reinterpret_cast<const void*>(0x00412F60);
  for (int reason = 0; reason <= 255; ++reason) {
    SCOPED_TRACE(reason);
    std::string className = "EInOutError", message = "I/O error 0";
    for (const ReasonCase& c : kReasons) {
      if (c.reason == reason) className = c.className, message = c.message;
    }
    auto raised = raisedBy([&] { raiseRunError(static_cast<std::uint8_t>(reason), at); });
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->className, className);
    EXPECT_EQ(raised->message, message);
    EXPECT_EQ(raised->address, at);
  }
}

TEST_F(RunErrors, HeapErrorsAreTheSameObjectsEveryTime) {
  for (std::uint8_t reason : {1, 2}) {
    TObject* first = nullptr;
    TObject* second = nullptr;
    for (TObject** seen : {&first, &second}) {
      try {
        raiseRunError(reason, nullptr);
      } catch (const TEscapedFailure& raised) {
        *seen = raised.error;
        releaseError(raised.error);  // the usual release after handling
      }
    }
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, reason == 1 ? static_cast<TObject*>(outOfMemoryError)
                                 : static_cast<TObject*>(invalidPointerError));
    EXPECT_EQ(static_cast<Exception*>(first)->message,
              reason == 1 ? "Out of memory" : "Invalid pointer operation");
  }
  removeErrorHooks();
  EXPECT_EQ(outOfMemoryError, nullptr);
  EXPECT_EQ(invalidPointerError, nullptr);
}

TEST_F(RunErrors, RaisingAHeapErrorLoadsNoMessage) {
  LoadRecordingPlatform recording;
  for (std::uint8_t reason : {1, 2}) {
    EXPECT_TRUE(raisedBy([&] { raiseRunError(reason, nullptr); }));
  }
  EXPECT_TRUE(recording.loads.empty());
}

struct InOutCase {
  std::int32_t result;
  const char* message;
};

TEST_F(RunErrors, InOutErrorsTakeTheTableTextOrTheNumberedOne) {
  const InOutCase cases[] = {
      {2, "File not found"},
      {3, "Invalid filename"},
      {4, "Too many open files"},
      {5, "File access denied"},
      {100, "Read beyond end of file"},
      {101, "Disk full"},
      {106, "Invalid numeric input"},
      {32, "I/O error 32"},
      {0, "I/O error 0"},
      {-1, "I/O error -1"},
  };
  for (const InOutCase& c : cases) {
    SCOPED_TRACE(c.result);
    inOutResult = c.result;
    std::unique_ptr<EInOutError> error(newInOutError());
    EXPECT_EQ(error->message, c.message);
    EXPECT_EQ(error->errorCode, c.result);
    EXPECT_EQ(inOutResult, 0);
  }
}

TEST_F(RunErrors, ReasonZeroReadsTheCallingThreadsResult) {
  inOutResult = 5;
  std::int32_t otherThread = -1;
  std::thread([&] { otherThread = inOutResult; }).join();
  EXPECT_EQ(otherThread, 0);
  EXPECT_RAISES(raiseRunError(0, nullptr), EInOutError, "File access denied");
  EXPECT_EQ(inOutResult, 0);
}

TEST_F(RunErrors, TablesHoldTheirTextsOnlyWhileTheLibraryRuns) {
  EXPECT_EQ(inOutErrorTable[4].code, 100);
  EXPECT_EQ(inOutErrorTable[4].text, "Read beyond end of file");
  EXPECT_EQ(runErrorRow(14).errorClass, &EStackOverflow::classRef);
  EXPECT_EQ(runErrorRow(14).text, "Stack overflow");
  releaseErrorTables();
  for (const TErrorRec& row : inOutErrorTable)
    EXPECT_EQ(row.text, "");
  for (const TExceptRec& row : runErrorTable)
    EXPECT_EQ(row.text, "");
  EXPECT_EQ(runErrorRow(24).errorClass, &ESafecallException::classRef);
}

TEST_F(RunErrors, HooksAreInstalledAfterTheHeapErrorsAndRemovedAfterThem) {
  removeErrorHooks();
  runtimeHooks.abstractHook = nullptr;
  LoadRecordingPlatform recording;
  recording.failingLoad = msg::invalidPointer;  // the second heap error cannot be made
  EXPECT_RAISES(installErrorHooks(), EConvertError, "no strings");
  EXPECT_EQ(recording.loads, (std::vector<UINT>{msg::outOfMemory, msg::invalidPointer}));
  EXPECT_NE(outOfMemoryError, nullptr);
  EXPECT_EQ(invalidPointerError, nullptr);
  EXPECT_EQ(runtimeHooks.runErrorHook, nullptr);
  EXPECT_EQ(runtimeHooks.abstractHook, nullptr);
  removeErrorHooks();  // after a partial installation
  EXPECT_EQ(outOfMemoryError, nullptr);

  recording.failingLoad = 0;
  installErrorHooks();
  EXPECT_NE(runtimeHooks.runErrorHook, nullptr);
  EXPECT_NE(runtimeHooks.unhandledHook, nullptr);
  EXPECT_NE(runtimeHooks.systemErrorHook, nullptr);
  EXPECT_NE(runtimeHooks.systemClassHook, nullptr);
  EXPECT_NE(runtimeHooks.assertHook, nullptr);
  EXPECT_NE(runtimeHooks.abstractHook, nullptr);
  removeErrorHooks();
  EXPECT_EQ(runtimeHooks.runErrorHook, nullptr);
  EXPECT_EQ(runtimeHooks.unhandledHook, nullptr);
  EXPECT_EQ(runtimeHooks.systemErrorHook, nullptr);
  EXPECT_EQ(runtimeHooks.systemClassHook, nullptr);
  EXPECT_EQ(runtimeHooks.assertHook, nullptr);
  EXPECT_NE(runtimeHooks.abstractHook, nullptr);  // stays
}

}  // namespace
}  // namespace bootspan
