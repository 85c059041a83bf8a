// The two tables that turn run-time error reasons and input/output error
// codes into error classes and messages. Their codes and classes are fixed;
// their texts are filled from the message table when the utility library
// starts and released when it ends (empty outside that span).
#pragma once

#include <cstdint>
#include <string>

#include "errors/core/object.hpp"

namespace bootspan {

struct TErrorRec {
  std::int32_t code;
  std::string text;
};

struct TExceptRec {
  const TClass* errorClass;
  std::string text;
};

// Codes 2, 3, 4, 5, 100, 101, 106 with the messages msg::fileNotFound to
// msg::invalidNumericInput.
inline constexpr int kInOutErrorRows = 7;
extern TErrorRec inOutErrorTable[kInOutErrorRows];

// One row per run-time error reason from 3 to 24.
inline constexpr std::uint8_t kFirstTableReason = 3;
inline constexpr std::uint8_t kLastTableReason = 24;
extern TExceptRec runErrorTable[kLastTableReason - kFirstTableReason + 1];

// The row of run-time error reason 3..24.
TExceptRec& runErrorRow(std::uint8_t reason);

// Fills the text column of both tables from the message table, row by row.
void fillErrorTables();

// Empties the text column of both tables, releasing the texts.
void releaseErrorTables();

}  // namespace bootspan
