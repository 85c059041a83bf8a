// The process-wide format settings, loaded once from the user locale at
// start-up and only read afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bootspan {

struct TLocaleFormats {
  std::string currencySymbol;
  std::uint8_t currencyOrder = 0;
  std::uint8_t negCurrencyOrder = 0;
  char thousandSeparator = 0;
  char decimalSeparator = 0;
  std::uint8_t currencyDigits = 0;
  char dateSeparator = 0;
  std::string shortDatePattern;
  std::string longDatePattern;
  char timeSeparator = 0;
  std::string amDesignator;
  std::string pmDesignator;
  std::string shortTimePattern;
  std::string longTimePattern;
  // Index 1 = January / Sunday; entry 0 stays empty so that a day number
  // below 1 names nothing.
  std::array<std::string, 13> shortMonthNames;
  std::array<std::string, 13> longMonthNames;
  std::array<std::string, 8> shortDayNames;
  std::array<std::string, 8> longDayNames;
  char listSeparator = 0;
  std::array<std::string, 8> eraNames;           // slots 1..7
  std::array<std::int32_t, 8> eraYearOffsets{};  // slots 1..7
};

extern TLocaleFormats localeFormats;

}  // namespace bootspan
