#include "errors/error_tables.hpp"

#include <cassert>
#include <iterator>

#include "errors/core/exceptions.hpp"
#include "errors/core/messages.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

TErrorRec inOutErrorTable[kInOutErrorRows] = {
    {2, {}}, {3, {}}, {4, {}}, {5, {}}, {100, {}}, {101, {}}, {106, {}},
};

TExceptRec runErrorTable[kLastTableReason - kFirstTableReason + 1] = {
    {&EDivByZero::classRef, {}},          //  3
    {&ERangeError::classRef, {}},         //  4
    {&EIntOverflow::classRef, {}},        //  5
    {&EInvalidOp::classRef, {}},          //  6
    {&EZeroDivide::classRef, {}},         //  7
    {&EOverflow::classRef, {}},           //  8
    {&EUnderflow::classRef, {}},          //  9
    {&EInvalidCast::classRef, {}},        // 10
    {&EAccessViolation::classRef, {}},    // 11
    {&EPrivilege::classRef, {}},          // 12
    {&EControlC::classRef, {}},           // 13
    {&EStackOverflow::classRef, {}},      // 14
    {&EVariantError::classRef, {}},       // 15
    {&EVariantError::classRef, {}},       // 16
    {&EVariantError::classRef, {}},       // 17
    {&EVariantError::classRef, {}},       // 18
    {&EVariantError::classRef, {}},       // 19
    {&EVariantError::classRef, {}},       // 20
    {&EAssertionFailed::classRef, {}},    // 21
    {&EExternalException::classRef, {}},  // 22
    {&EIntfCastError::classRef, {}},      // 23
    {&ESafecallException::classRef, {}},  // 24
};

namespace {

// The message of each input/output error row, in the rows' order.
constexpr unsigned kInOutErrorMessages[] = {
    msg::fileNotFound,  msg::invalidFilename, msg::tooManyOpenFiles,    msg::fileAccessDenied,
    msg::readBeyondEnd, msg::diskFull,        msg::invalidNumericInput,
};
static_assert(std::size(kInOutErrorMessages) == kInOutErrorRows);

// The message of each run-time error row, reasons 3 to 24.
constexpr unsigned kRunErrorMessages[] = {
    msg::divisionByZero,
    msg::rangeCheck,
    msg::integerOverflow,
    msg::invalidFloatOperation,
    msg::floatDivisionByZero,
    msg::floatOverflow,
    msg::floatUnderflow,
    msg::invalidCast,
    msg::accessViolation,
    msg::privilegedInstruction,
    msg::controlC,
    msg::stackOverflow,
    msg::variantTypeConversion,
    msg::variantOperation,
    msg::variantMethodCalls,
    msg::variantArrayCreate,
    msg::variantNotArray,
    msg::variantArrayBounds,
    msg::assertionFailed,
    msg::externalException,
    msg::interfaceNotSupported,
    msg::safecallException,
};
static_assert(sizeof kRunErrorMessages / sizeof kRunErrorMessages[0] ==
              sizeof runErrorTable / sizeof runErrorTable[0]);

}  // namespace

TExceptRec& runErrorRow(std::uint8_t reason) {
  assert(reason >= kFirstTableReason && reason <= kLastTableReason);
  return runErrorTable[reason - kFirstTableReason];
}

void fillErrorTables() {
  for (int i = 0; i < kInOutErrorRows; ++i)
    inOutErrorTable[i].text = loadMessage(kInOutErrorMessages[i]);
  int row = 0;
  for (TExceptRec& rec : runErrorTable)
    rec.text = loadMessage(kRunErrorMessages[row++]);
}

void releaseErrorTables() {
  for (TExceptRec& rec : runErrorTable)
    std::string().swap(rec.text);
  for (TErrorRec& rec : inOutErrorTable)
    std::string().swap(rec.text);
}

}  // namespace bootspan
