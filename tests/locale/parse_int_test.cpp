#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "locale/parse_int.hpp"

namespace bootspan {
namespace {

struct ParseCase {
  std::string text;
  std::int32_t expected;  // with the default 99
};

const ParseCase kParseTable[] = {
    // decimal
    {"0", 0},
    {"42", 42},
    {" 42", 42},
    {"   7", 7},
    {"+7", 7},
    {"-7", -7},
    {"-0", 0},
    {"+0", 0},
    {"007", 7},
    {"2147483647", 2147483647},
    {"2147483648", 99},
    {"-2147483648", INT32_MIN},
    {"-2147483649", 99},
    {"99999999999999999999", 99},
    {"000000000000002147483647", 2147483647},
    // failures
    {"", 99},
    {" ", 99},
    {"-", 99},
    {"+", 99},
    {"1 ", 99},
    {"1x", 99},
    {"x", 99},
    {"abc", 99},
    {"\t1", 99},
    {"--1", 99},
    {"+-1", 99},
    {"- 1", 99},
    {"1.5", 99},
    // hexadecimal
    {"$7fffffff", 2147483647},
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"$ff", 255},
    {"x1A", 26},
    {"X1a", 26},
    {"0x10", 16},
    {"0X10", 16},
    {" $10", 16},
    {"+$10", 16},
    {"-$10", -16},
    {"-0x1", -1},
    {"-$80000000", INT32_MIN},
    {"-$FFFFFFFF", 1},
    {"$12345678", 0x12345678},
    {"$123456789", 99},  // nine digits
    {"$000000001", 99},  // nine digits, even with leading zeros
    {"0x", 99},
    {"$", 99},
    {"x", 99},
    {"x1G", 99},
    {"$ 1", 99},
    {"0x1 ", 99},
    {"00x1", 99},
    {"0b1", 99},
    // the text ends at its first zero byte
    {std::string("12\0"
                 "34",
                 5),
     12},
    {std::string("\0"
                 "1",
                 2),
     99},
    {std::string("$F\0F", 4), 15},
};

TEST(ParseIntOr, ReadsDecimalAndHexadecimalFormsOrGivesTheDefault) {
  for (const ParseCase& c : kParseTable) {
    EXPECT_EQ(parseIntOr(c.text, 99), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST(ParseIntOr, TheDefaultIsReturnedAsGiven) {
  EXPECT_EQ(parseIntOr("", -5), -5);
  EXPECT_EQ(parseIntOr("nope", INT32_MIN), INT32_MIN);
  EXPECT_EQ(parseIntOr("0", 1), 0);  // a real 0 is not the default
}

}  // namespace
}  // namespace bootspan
