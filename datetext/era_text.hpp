// Era name and era year of a date, as the platform writes them for the
// thread's locale in its alternate calendar.
#pragma once

#include <cstdint>
#include <string>

namespace bootspan {

// The era name ("gg" picture) of the date. With count 1 a Japanese locale
// keeps only its first character, and a Traditional Chinese one of exactly
// four characters keeps the third and fourth. Empty when the platform fails.
std::string eraNameText(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                        std::int32_t count);

// The year within the era ("yyyy" picture for count above 2, else "yy").
// With count 1 a leading "0" is dropped ("05" gives "5"). Empty when the
// platform fails.
std::string eraYearText(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                        std::int32_t count);

}  // namespace bootspan
