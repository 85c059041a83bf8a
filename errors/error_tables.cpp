#include "errors/error_tables.hpp"

#include <cassert>

#include "errors/core/exceptions.hpp"
#include "errors/core/messages.hpp"

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

constexpr unsigned kFirstInOutMessage = 65523;

// Message number of each run-time error row, reasons 3 to 24.
constexpr unsigned kRunErrorMessages[] = {
    65530, 65531, 65532, 65533, 65534, 65535, 65504, 65506, 65507, 65510, 65509,
    65508, 65515, 65516, 65517, 65488, 65489, 65490, 65492, 65491, 65493, 65494,
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
    inOutErrorTable[i].text = loadMessage(kFirstInOutMessage + static_cast<unsigned>(i));
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
