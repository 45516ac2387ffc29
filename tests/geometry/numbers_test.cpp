#include "geometry/numbers.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>

namespace velkar::geometry {
namespace {

TEST(Numbers, RoundHalfEven) {
  struct Case {
    double in, out;
  };
  const Case cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},  {-0.5, 0}, {-1.5, -2},
                        {-2.5, -2}, {2.4, 2},   {2.6, 3},    {-2.6, -3}, {0, 0},   {1e300, 1e300},
                        {4503599627370497.0, 4503599627370497.0}};
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, RoundToDecimals) {
  struct Case {
    double in;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {23.025850929940457, 4, "23.0259"}, {0.0625, 3, "0.062"}, {0.1875, 3, "0.188"}, {1e-10, 4, "0"},
      {-0.99999999991, 3, "-1"},          {2.5, 0, "2"},      {359.6, 0, "360"},    {44.7106, 3, "44.711"},
      {1234.5, -1, "1230"},               {12.5, 1, "12.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatRounded(c.in, c.decimals), c.text) << c.in << " " << c.decimals;
}

TEST(Numbers, FormatGeneral) {
  struct Case {
    double in;
    const char* point;
    const char* comma;
  };
  const Case cases[] = {
      {0, "0", "0"},
      {-0.0, "0", "0"},
      {50, "50", "50"},
      {-1, "-1", "-1"},
      {0.1, "0.1", "0,1"},
      {1.0 / 3, "0.333333333333333", "0,333333333333333"},
      {2.0 / 3, "0.666666666666667", "0,666666666666667"},
      {123456789012345.0, "123456789012345", "123456789012345"},
      {1234567890123456.0, "1.23456789012346E15", "1,23456789012346E15"},
      {0.00001, "0.00001", "0,00001"},
      {0.000001234, "1.234E-6", "1,234E-6"},
      {1e20, "1E20", "1E20"},
      {23.0259 + 4e-15, "23.0259", "23,0259"},
      {DBL_MAX, "1.79769313486232E308", "1,79769313486232E308"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGeneral(c.in, '.'), c.point) << c.in;
    EXPECT_EQ(FormatGeneral(c.in, ','), c.comma) << c.in;
  }
}

TEST(Numbers, NormaliseDecimalComma) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {{"12,5", "12.5"}, {",5", "0.5"}, {"1,2,3", "1.2,3"}, {"45", "45"}, {"", ""}, {",", "0."}};
  for (const Case& c : cases) EXPECT_EQ(NormaliseDecimalComma(c.in), c.out) << c.in;
}

TEST(Numbers, ReadNumberPrefixRule) {
  struct Case {
    const char* in;
    double out;
  };
  const Case cases[] = {
      {"45", 45},      {"  45", 45},      {"\t45", 45},   {"45 x", 45},     {"45x", 45},      {"-12.5", -12.5},
      {"+7", 7},       {"1e2", 100},      {"1E-2", 0.01}, {"1e", 1},        {"1e+", 1},       {"2.5e1x", 25},
      {".5", 0.5},     {"5.", 5},         {"-.5", -0.5},  {"", 0},          {"x45", 0},       {"-", 0},
      {"+", 0},        {".", 0},          {"1.2.3", 1.2}, {"0.1", 0.1},     {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX},
      {"1e-400", 0},   {"0e999999999999", 0}, {"000000000000000000000000000000000000001", 1},
  };
  for (const Case& c : cases) {
    const double got = ReadNumber(c.in);
    EXPECT_EQ(got, c.out) << '"' << c.in << '"';
    EXPECT_FALSE(std::signbit(got) && got == 0) << c.in;
  }
}

TEST(Numbers, ReadIntegerAndWholeNumber) {
  EXPECT_EQ(ReadInteger("23"), 23);
  EXPECT_EQ(ReadInteger(" -5x"), -5);
  EXPECT_EQ(ReadInteger("2.9"), 2);
  EXPECT_EQ(ReadInteger("abc"), 0);
  EXPECT_EQ(ReadInteger("99999999999999999999999"), INT64_MAX);
  double v = -1;
  EXPECT_TRUE(ReadWholeNumber("0.5", v));
  EXPECT_EQ(v, 0.5);
  EXPECT_FALSE(ReadWholeNumber("0.5x", v));
  EXPECT_FALSE(ReadWholeNumber("x", v));
  EXPECT_FALSE(ReadWholeNumber("", v));
}

TEST(Numbers, ReadEnteredNumber) {
  struct Case {
    const char* in;
    std::optional<double> out;
  };
  const Case cases[] = {
      {"64", 64},       {" 20,5\t", 20.5}, {",5", 0.5},         {"+3", 3},           {"1e400", DBL_MAX},
      {"", {}},         {" \t ", {}},      {"1,2,3", {}},       {"12x", {}},         {"1 2", {}},
      {"-", {}},        {"nan", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadEnteredNumber(c.in), c.out) << '"' << c.in << '"';
}

TEST(Numbers, ReadIntegerInRange) {
  struct Case {
    const char* in;
    int low, high;
    std::optional<int> out;
  };
  const Case cases[] = {
      {"5", 1, 7, 5},     {"07", 1, 7, 7},     {"-2", -5, 5, -2},  {"1", 1, 1, 1},        {"8", 1, 7, {}},
      {"0", 1, 7, {}},    {"+3", 1, 7, {}},    {" 3", 1, 7, {}},   {"3 ", 1, 7, {}},      {"2.0", 1, 7, {}},
      {"", 1, 7, {}},     {"x", 1, 7, {}},     {"99999999999", 0, 2147483647, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadIntegerInRange(c.in, c.low, c.high), c.out) << '"' << c.in << '"';
}

}  // namespace
}  // namespace velkar::geometry
