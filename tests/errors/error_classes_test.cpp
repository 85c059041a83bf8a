#include <memory>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/formatted_errors.hpp"
#include "resources/string_ids.hpp"
#include "tests/errors/failure_state.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;
using testing::raisedBy;

// An argument list that lives until the end of the full expression.
TArgList list(std::initializer_list<TArgValue> args) {
  return {args.begin(), args.size()};
}

struct ClassCase {
  const TClass& cls;
  const char* name;
  const char* parent;
  bool external;
};

const ClassCase kClassTree[] = {
    {Exception::classRef, "Exception", "TObject", false},
    {EHeapException::classRef, "EHeapException", "Exception", false},
    {EOutOfMemory::classRef, "EOutOfMemory", "EHeapException", false},
    {EInvalidPointer::classRef, "EInvalidPointer", "EHeapException", false},
    {EInOutError::classRef, "EInOutError", "Exception", false},
    {EExternal::classRef, "EExternal", "Exception", true},
    {EExternalException::classRef, "EExternalException", "EExternal", true},
    {EIntError::classRef, "EIntError", "EExternal", true},
    {EDivByZero::classRef, "EDivByZero", "EIntError", true},
    {ERangeError::classRef, "ERangeError", "EIntError", true},
    {EIntOverflow::classRef, "EIntOverflow", "EIntError", true},
    {EMathError::classRef, "EMathError", "EExternal", true},
    {EInvalidOp::classRef, "EInvalidOp", "EMathError", true},
    {EZeroDivide::classRef, "EZeroDivide", "EMathError", true},
    {EOverflow::classRef, "EOverflow", "EMathError", true},
    {EUnderflow::classRef, "EUnderflow", "EMathError", true},
    {EInvalidCast::classRef, "EInvalidCast", "Exception", false},
    {EConvertError::classRef, "EConvertError", "Exception", false},
    {EAccessViolation::classRef, "EAccessViolation", "EExternal", true},
    {EPrivilege::classRef, "EPrivilege", "EExternal", true},
    {EStackOverflow::classRef, "EStackOverflow", "EExternal", true},
    {EControlC::classRef, "EControlC", "EExternal", true},
    {EVariantError::classRef, "EVariantError", "Exception", false},
    {EAssertionFailed::classRef, "EAssertionFailed", "Exception", false},
    {EAbstractError::classRef, "EAbstractError", "Exception", false},
    {EIntfCastError::classRef, "EIntfCastError", "Exception", false},
    {ESafecallException::classRef, "ESafecallException", "Exception", false},
};

TEST(ErrorClasses, EachClassHasItsNameParentAndFactory) {
  for (const ClassCase& c : kClassTree) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(c.cls.name, c.name);
    ASSERT_NE(c.cls.parent, nullptr);
    EXPECT_STREQ(c.cls.parent->name, c.parent);
    std::unique_ptr<TObject> object(c.cls.create());
    if (c.cls.inheritsFrom(EHeapException::classRef)) {
      static_cast<EHeapException*>(object.get())->mayRelease = true;
    }
    EXPECT_EQ(&object->classType(), &c.cls);
    EXPECT_EQ(object->className(), c.name);
    EXPECT_TRUE(object->is(Exception::classRef));
    EXPECT_EQ(object->is(EExternal::classRef), c.external);
    const auto* error = static_cast<const Exception*>(object.get());
    EXPECT_EQ(error->message, "");
    EXPECT_EQ(error->helpContext, 0);
  }
}

TEST(ErrorClasses, NewInstancesStartZeroed) {
  std::unique_ptr<TObject> io(EInOutError::classRef.create());
  EXPECT_EQ(static_cast<EInOutError*>(io.get())->errorCode, 0);
  std::unique_ptr<TObject> external(EAccessViolation::classRef.create());
  EXPECT_EQ(static_cast<EExternal*>(external.get())->exceptionRecord, nullptr);
  auto* heap = static_cast<EHeapException*>(EOutOfMemory::classRef.create());
  EXPECT_FALSE(heap->mayRelease);
  heap->mayRelease = true;
  releaseError(heap);
}

TEST(ErrorClasses, HeapErrorsSurviveReleaseUntilMayReleaseIsSet) {
  auto* error = static_cast<EOutOfMemory*>(newError(EOutOfMemory::classRef, "Out of memory"));
  releaseError(error);
  releaseError(error);
  EXPECT_EQ(error->message, "Out of memory");  // still alive (a sanitizer build checks)
  error->mayRelease = true;
  releaseError(error);  // now gone: the leak checker sees nothing left
}

TEST(ErrorClasses, ExternalErrorsKeepTheirOwnCopyOfTheRecord) {
  std::unique_ptr<EExternal> error(static_cast<EExternal*>(EDivByZero::classRef.create()));
  EXCEPTION_RECORD chained{};
  {
    EXCEPTION_RECORD record{};
    record.ExceptionCode = EXCEPTION_INT_DIVIDE_BY_ZERO;
    record.ExceptionRecord = &chained;
    record.ExceptionAddress = reinterpret_cast<void*>(0x00412F60);
    record.NumberParameters = 1;
    record.ExceptionInformation[0] = 77;
    error->keepRecord(record);
    record.ExceptionCode = 0;  // the platform's record changes or goes away
  }
  ASSERT_NE(error->exceptionRecord, nullptr);
  EXPECT_EQ(error->exceptionRecord->ExceptionCode, EXCEPTION_INT_DIVIDE_BY_ZERO);
  EXPECT_EQ(error->exceptionRecord->ExceptionAddress, reinterpret_cast<void*>(0x00412F60));
  EXPECT_EQ(error->exceptionRecord->ExceptionInformation[0], 77u);
  EXPECT_EQ(error->exceptionRecord->ExceptionRecord, nullptr);
}

class Creation : public FailureStateTest {};

TEST_F(Creation, TheFourWaysSetTheMessage) {
  EXPECT_RAISES(raiseError(newError(EInvalidCast::classRef, "cast")), EInvalidCast, "cast");
  EXPECT_RAISES(raiseError(newErrorFromTable(EConvertError::classRef, msg::outOfMemory)),
                EConvertError, "Out of memory");
  EXPECT_RAISES(raiseError(newErrorFormatted(EConvertError::classRef, "%d-%s",
                                             list({integerArg(7), zTextArg("x")}))),
                EConvertError, "7-x");
  EXPECT_RAISES(raiseError(newErrorFromTableFormatted(
                    EInOutError::classRef, msg::inOutErrorTemplate, list({integerArg(32)}))),
                EInOutError, "I/O error 32");
  EXPECT_RAISES(raiseError(newErrorFromTable(EConvertError::classRef, 1)), EConvertError, "");
}

TEST_F(Creation, AFormatErrorReplacesTheErrorBeingMade) {
  // The half-built error is released (a sanitizer build reports a leak if not).
  EXPECT_RAISES(newErrorFormatted(EAccessViolation::classRef, "%d", list({zTextArg("x")})),
                EConvertError, "Format '%d' invalid or incompatible with argument");
  EXPECT_RAISES(newErrorFromTableFormatted(EAccessViolation::classRef, msg::accessViolationInModule,
                                           list({})),
                EConvertError, "No argument for format '%p'");
}

TEST_F(Creation, RaiseConvertErrorRaisesFromInsideItself) {
  auto raised = raisedBy([] {
    raiseConvertError(msg::invalidTimestamp, list({integerArg(0), integerArg(5)}));
  });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->className, "EConvertError");
  EXPECT_EQ(raised->message, "'0.5' is not a valid timestamp");
  const auto start = reinterpret_cast<std::uintptr_t>(&raiseConvertError);
  const auto at = reinterpret_cast<std::uintptr_t>(raised->address);
  EXPECT_GT(at, start);
  EXPECT_LT(at, start + 512);
}

__attribute__((noinline)) void raiseHere(TObject* error) {
  raiseError(error);
}

TEST_F(Creation, RaiseErrorTakesTheReturnAddressOfItsCall) {
  auto raised = raisedBy([] { raiseHere(newError(EConvertError::classRef, "x")); });
  ASSERT_TRUE(raised);
  const auto start = reinterpret_cast<std::uintptr_t>(&raiseHere);
  const auto at = reinterpret_cast<std::uintptr_t>(raised->address);
  EXPECT_GT(at, start);
  EXPECT_LT(at, start + 64);
}

TEST_F(Creation, RaisingNullEndsInRunError216AtTheRaiseAddress) {
  EXPECT_EQ(exitCodeOf([] { raiseErrorAt(nullptr, reinterpret_cast<const void*>(0x0041C3B0)); }),
            216);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 216 at " + lineAddress(0x0041C3B0));
  EXPECT_EQ(fake.boxes[0].caption, "Error");
  EXPECT_EQ(fake.boxes[0].style, MB_OK);
}

}  // namespace
}  // namespace bootspan
