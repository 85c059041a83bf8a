#include <memory>

#include "errors/assertions.hpp"
#include "errors/core/runtime_failure.hpp"
#include "errors/system_errors.hpp"
#include "locale/sys_locale.hpp"
#include "tests/errors/failure_state.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;
using testing::raisedBy;

class SystemErrors : public FailureStateTest {
 protected:
  void SetUp() override {
    FailureStateTest::SetUp();
    installFailureHandling();
    savedLocale_ = sysLocale;
    savedLeadBytes_ = leadBytes;
  }
  void TearDown() override {
    sysLocale = savedLocale_;
    leadBytes = savedLeadBytes_;
    FailureStateTest::TearDown();
  }

  static EXCEPTION_RECORD record(DWORD code) {
    EXCEPTION_RECORD r{};
    r.ExceptionCode = code;
    r.ExceptionAddress = reinterpret_cast<void*>(0x00412F60);
    return r;
  }

 private:
  TSysLocaleInfo savedLocale_;
  TLeadByteSet savedLeadBytes_;
};

struct CodeCase {
  DWORD code;
  int reason;
  const char* className;
  const char* message;
};

const CodeCase kCodes[] = {
    {0xC000008C, 4, "ERangeError", "Range check error"},
    {0xC000008D, 9, "EUnderflow", "Floating point underflow"},
    {0xC000008E, 7, "EZeroDivide", "Floating point division by zero"},
    {0xC000008F, 6, "EInvalidOp", "Invalid floating point operation"},
    {0xC0000090, 6, "EInvalidOp", "Invalid floating point operation"},
    {0xC0000091, 8, "EOverflow", "Floating point overflow"},
    {0xC0000092, 6, "EInvalidOp", "Invalid floating point operation"},
    {0xC0000093, 9, "EUnderflow", "Floating point underflow"},
    {0xC0000094, 3, "EDivByZero", "Division by zero"},
    {0xC0000095, 5, "EIntOverflow", "Integer overflow"},
    {0xC0000096, 12, "EPrivilege", "Privileged instruction"},
    {0xC00000FD, 14, "EStackOverflow", "Stack overflow"},
    {0xC000013A, 13, "EControlC", "Control-C hit"},
    {0x80000003, 22, "EExternalException", "External exception 80000003"},
    {0xC000001D, 22, "EExternalException", "External exception C000001D"},
    {0x0EEDFADE, 22, "EExternalException", "External exception EEDFADE"},
    {0xC0000006, 22, "EExternalException", "External exception C0000006"},
    {0x00000000, 22, "EExternalException", "External exception 0"},
};

TEST_F(SystemErrors, EachCodeGivesItsReasonClassAndMessage) {
  for (const CodeCase& c : kCodes) {
    SCOPED_TRACE(c.message);
    const EXCEPTION_RECORD r = record(c.code);
    EXPECT_EQ(systemExceptionReason(&r), c.reason);
    std::unique_ptr<Exception> error(errorFromSystemException(&r));
    EXPECT_EQ(error->className(), c.className);
    EXPECT_EQ(error->message, c.message);
    EXPECT_EQ(systemExceptionClass(&r), &error->classType());
    ASSERT_TRUE(error->is(EExternal::classRef));
    const EXCEPTION_RECORD* kept = static_cast<EExternal*>(error.get())->exceptionRecord;
    ASSERT_NE(kept, nullptr);
    EXPECT_NE(kept, &r);  // a copy the error owns
    EXPECT_EQ(kept->ExceptionCode, c.code);
    EXPECT_EQ(kept->ExceptionAddress, r.ExceptionAddress);
  }
}

struct ViolationCase {
  const char* name;
  std::string path;  // empty: the module has no known path
  DWORD state;
  ULONG_PTR write;
  ULONG_PTR target;
  const char* message;
};

TEST_F(SystemErrors, AccessViolationsNameTheModuleTheAccessAndTheTarget) {
  const ViolationCase cases[] = {
      {"write in module", "C:\\Program Files\\Bootspan\\Bootspan.exe", MEM_COMMIT, 1, 0,
       "Access violation at address 00412F60 in module 'Bootspan.exe'. Write of address 00000000"},
      {"read in module", "C:\\Program Files\\Bootspan\\Bootspan.exe", MEM_COMMIT, 0, 0x1234,
       "Access violation at address 00412F60 in module 'Bootspan.exe'. Read of address 00001234"},
      {"execute counts as write", "C:\\B\\x.dll", MEM_COMMIT, 8, 0x00412F60,
       "Access violation at address 00412F60 in module 'x.dll'. Write of address 00412F60"},
      {"drive colon", "C:Bootspan.exe", MEM_COMMIT, 0, 4,
       "Access violation at address 00412F60 in module 'Bootspan.exe'. Read of address 00000004"},
      {"no delimiter", "Bootspan.exe", MEM_COMMIT, 0, 4,
       "Access violation at address 00412F60 in module 'Bootspan.exe'. Read of address 00000004"},
      {"trailing delimiter", "C:\\dir\\", MEM_COMMIT, 0, 4,
       "Access violation at address 00412F60 in module ''. Read of address 00000004"},
      {"region not committed", "C:\\B\\Bootspan.exe", 0x2000, 1, 0,
       "Access violation at address 00412F60. Write of address 00000000"},
      {"module path unknown", "", MEM_COMMIT, 0, 0xFFFF0000,
       "Access violation at address 00412F60. Read of address FFFF0000"},
  };
  for (const ViolationCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto base = reinterpret_cast<HMODULE>(0x00400000);
    fake.regions = {{0x00401000, 0x00100000, base, c.state}};
    fake.modulePaths.erase(base);
    if (!c.path.empty()) fake.modulePaths[base] = c.path;
    EXCEPTION_RECORD r = record(EXCEPTION_ACCESS_VIOLATION);
    r.NumberParameters = 2;
    r.ExceptionInformation[0] = c.write;
    r.ExceptionInformation[1] = c.target;
    std::unique_ptr<Exception> error(errorFromSystemException(&r));
    EXPECT_EQ(error->className(), "EAccessViolation");
    EXPECT_EQ(error->message, c.message);
    EXPECT_EQ(static_cast<EExternal*>(error.get())->exceptionRecord->ExceptionInformation[1],
              c.target);
  }
}

TEST_F(SystemErrors, AModuleDelimiterThatIsATrailByteDoesNotCount) {
  sysLocale.farEast = true;
  leadBytes.clear();
  for (unsigned b = 0x81; b <= 0x9F; ++b)
    leadBytes.add(static_cast<unsigned char>(b));
  const auto base = reinterpret_cast<HMODULE>(0x00400000);
  // "\x95\x5C" is one double-byte character whose second byte is "\".
  fake.modulePaths[base] = "C:\\Apps\\\x95\x5C\x95\x5C.exe";
  EXCEPTION_RECORD r = record(EXCEPTION_ACCESS_VIOLATION);
  std::unique_ptr<EAccessViolation> error(newAccessViolation(&r));
  EXPECT_EQ(error->message,
            "Access violation at address 00412F60 in module '\x95\x5C\x95\x5C.exe'. Read of "
            "address 00000000");
  // ":" as a trail byte, then a real ":".
  fake.modulePaths[base] = "C:\x95:x.exe";
  std::unique_ptr<EAccessViolation> colon(newAccessViolation(&r));
  EXPECT_EQ(colon->message,
            "Access violation at address 00412F60 in module '\x95:x.exe'. Read of address "
            "00000000");
}

TEST_F(SystemErrors, AssertionMessagesNameTheFileAndLine) {
  std::unique_ptr<EAssertionFailed> plain(newAssertionError("", "clock", 7));
  EXPECT_EQ(plain->message, "Assertion failed (clock, line 7)");
  std::unique_ptr<EAssertionFailed> own(newAssertionError("stamp below zero", "clock", 42));
  EXPECT_EQ(own->message, "stamp below zero (clock, line 42)");
  const void* at = reinterpret_cast<const void*>(0x00401234);
  auto raised = raisedBy([&] { raiseAssertionFailed("", "a.cpp", -1, at); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->className, "EAssertionFailed");
  EXPECT_EQ(raised->message, "Assertion failed (a.cpp, line -1)");
  EXPECT_EQ(raised->address, at);
}

TEST_F(SystemErrors, TheRuntimeHandsAssertionsAndAbstractCallsToTheHooks) {
  EXPECT_RAISES(assertionFailed("x", "f", 3), EAssertionFailed, "x (f, line 3)");
  auto raised = raisedBy([] { abstractCall(); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->className, "EAbstractError");
  EXPECT_EQ(raised->message, "Abstract Error");
  const auto start = reinterpret_cast<std::uintptr_t>(&raiseAbstractError);
  const auto at = reinterpret_cast<std::uintptr_t>(raised->address);
  EXPECT_GT(at, start);
  EXPECT_LT(at, start + 256);
}

TEST_F(SystemErrors, WithoutHooksTheRuntimeEndsTheProcess) {
  removeErrorHooks();
  EXPECT_NE(runtimeHooks.abstractHook, nullptr);  // abstract calls still raise after shut-down
  runtimeHooks.abstractHook = nullptr;
  EXPECT_EQ(exitCodeOf([] { assertionFailed("x", "f", 3); }), 227);
  EXPECT_EQ(exitCodeOf([] { abstractCall(); }), 210);
  ASSERT_EQ(fake.boxes.size(), 2u);
  EXPECT_EQ(fake.boxes[1].text.substr(0, 21), "Runtime error 210 at ");
}

}  // namespace
}  // namespace bootspan
