// Real processor faults, delivered by the fault trap, become error objects.
#include <limits>

#include "errors/core/fpu.hpp"
#include "errors/core/system_fault.hpp"
#include "errors/core/top_level.hpp"
#include "tests/errors/failure_state.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;
using testing::raisedBy;

#define BOOTSPAN_UNCHECKED __attribute__((noinline, no_sanitize_address, no_sanitize_undefined))

BOOTSPAN_UNCHECKED void writeNil() {
  int* volatile nil = nullptr;
  *static_cast<volatile int*>(nil) = 1;
}

BOOTSPAN_UNCHECKED int divideIntegers(int a, int b) {
  volatile int numerator = a;
  volatile int denominator = b;
  volatile int quotient = numerator / denominator;
  return quotient;
}

BOOTSPAN_UNCHECKED long double divideExtended(long double a, long double b) {
  volatile long double numerator = a;
  volatile long double denominator = b;
  volatile long double quotient = numerator / denominator;
  return quotient;
}

BOOTSPAN_UNCHECKED long double squareExtended(long double a) {
  volatile long double x = a;
  volatile long double square = x * x;
  return square;
}

class FaultTrap : public FailureStateTest {
 protected:
  void SetUp() override {
    FailureStateTest::SetUp();
    installFailureHandling();
    installTopLevelHandler();
    loadFpuControlWord(kDefaultFpuControlWord);
  }
};

TEST_F(FaultTrap, AnAccessViolationKeepsItsRecord) {
  std::string message;
  const EXCEPTION_RECORD* kept = nullptr;
  TObject* error = nullptr;
  try {
    writeNil();
  } catch (const TEscapedFailure& raised) {
    error = raised.error;
    EXPECT_EQ(raised.address, static_cast<EExternal*>(error)->exceptionRecord->ExceptionAddress);
  }
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->className(), "EAccessViolation");
  kept = static_cast<EExternal*>(error)->exceptionRecord;
  EXPECT_EQ(kept->ExceptionCode, EXCEPTION_ACCESS_VIOLATION);
  EXPECT_EQ(kept->NumberParameters, 2u);
  EXPECT_EQ(kept->ExceptionInformation[0], 1u);  // a write
  EXPECT_EQ(kept->ExceptionInformation[1], 0u);
  message = static_cast<Exception*>(error)->message;
  EXPECT_EQ(message.substr(0, 28), "Access violation at address ");
  releaseError(error);
}

TEST_F(FaultTrap, ArithmeticFaultsBecomeTheirErrors) {
  EXPECT_RAISES(divideIntegers(1, 0), EDivByZero, "Division by zero");
  if (std::numeric_limits<long double>::digits == 64) {
    EXPECT_RAISES(divideExtended(1, 0), EZeroDivide, "Floating point division by zero");
    EXPECT_RAISES(divideExtended(0, 0), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(squareExtended(std::numeric_limits<long double>::max()), EOverflow,
                  "Floating point overflow");
    // Masked conditions pass silently, and the control word is as it was.
    EXPECT_GT(squareExtended(std::numeric_limits<long double>::min()), -1);
    EXPECT_EQ(controlWord(), kDefaultFpuControlWord);
    EXPECT_EQ(divideExtended(1, 4), 0.25L);
  }
}

TEST_F(FaultTrap, WithoutTheHooksTheRecordTravelsAlone) {
  removeErrorHooks();
  for (int i = 0; i < 2; ++i) {  // the trap stays armed after a fault
    try {
      divideIntegers(7, 0);
      ADD_FAILURE() << "no fault";
    } catch (const TEscapedFailure& fault) {
      EXPECT_EQ(fault.record->ExceptionCode, EXCEPTION_INT_DIVIDE_BY_ZERO);
      EXPECT_NE(fault.record->ExceptionAddress, nullptr);
    }
  }
}

TEST_F(FaultTrap, RemovingTheTrapDisarmsIt) {
  EXPECT_TRUE(faultTrapInstalled());
  removeTopLevelHandler();
  EXPECT_FALSE(faultTrapInstalled());
}

}  // namespace
}  // namespace bootspan
