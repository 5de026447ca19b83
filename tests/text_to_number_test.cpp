// Settings text to a whole number: the accepted forms, rounding half to even, the range and garbage.
#include "memory/text_to_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zv::memory {
namespace {

struct Case {
  std::string text;
  std::optional<std::int32_t> value;
};

void ExpectCases(const char* group, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    const std::optional<std::int32_t> got = TextToWholeNumber(c.text);
    if (c.value) {
      EXPECT_EQ(got, c.value) << group << ": \"" << c.text << "\"";
    } else {
      EXPECT_EQ(got, std::nullopt) << group << ": \"" << c.text << "\" gave " << got.value_or(0);
    }
  }
}

TEST(TextToWholeNumberTest, DecimalTextWithBlanksAroundIt) {
  ExpectCases("plain",
              {{"0", 0}, {"1", 1}, {"2", 2}, {"42", 42}, {"007", 7}, {"00000000000000000000001", 1}});
  ExpectCases("blanks", {{" 1", 1}, {"1  ", 1}, {"\t2\t", 2}, {"  -1 ", -1}});
  ExpectCases("signs", {{"+1", 1}, {"-1", -1}, {"-0", 0}, {"+0.4", 0}, {"-.5", 0}});
}

TEST(TextToWholeNumberTest, FractionsRoundToTheNearestAndHalvesToEven) {
  ExpectCases("halves", {{"0.5", 0},
                         {"1.5", 2},
                         {"2.5", 2},
                         {"3.5", 4},
                         {"-1.5", -2},
                         {"-2.5", -2},
                         {".5", 0},
                         {"2.50000", 2},
                         {"1.500000000000000000000000000000", 2}});
  ExpectCases("not halves", {{"2.5000000000000000000000001", 3},
                             {"0.49999999999999999999", 0},
                             {"0.51", 1},
                             {"1.4", 1},
                             {"1.6", 2},
                             {"-0.6", -1},
                             {"3.", 3},
                             {"0.", 0}});
}

TEST(TextToWholeNumberTest, TheThirtyTwoBitRangeAfterRounding) {
  ExpectCases("limits", {{"2147483647", 2147483647},
                         {"-2147483648", INT32_MIN},
                         {"2147483646.5", 2147483646},
                         {"-2147483647.5", INT32_MIN}});
  ExpectCases("beyond", {{"2147483648", std::nullopt},
                         {"2147483647.5", std::nullopt},
                         {"-2147483649", std::nullopt},
                         {"99999999999999999999999", std::nullopt}});
}

TEST(TextToWholeNumberTest, AnythingElseFails) {
  ExpectCases("empty", {{"", std::nullopt},
                        {"   ", std::nullopt},
                        {"+", std::nullopt},
                        {".", std::nullopt},
                        {"-.", std::nullopt}});
  ExpectCases("other notations", {{"1e3", std::nullopt},
                                  {"1E0", std::nullopt},
                                  {"0x1", std::nullopt},
                                  {"&H1", std::nullopt},
                                  {"1,000", std::nullopt},
                                  {"1,5", std::nullopt},
                                  {"Infinity", std::nullopt},
                                  {"NaN", std::nullopt}});
  ExpectCases("malformed", {{"1.2.3", std::nullopt},
                            {"--1", std::nullopt},
                            {"+-1", std::nullopt},
                            {"- 1", std::nullopt},
                            {"1 2", std::nullopt},
                            {"1-", std::nullopt},
                            {"abc", std::nullopt},
                            {"1abc", std::nullopt}});
  ExpectCases("other characters", {{"7 分钟", std::nullopt},
                                   {"１", std::nullopt},
                                   {std::string("1\0", 2), std::nullopt},
                                   {"\xFF", std::nullopt},
                                   {"1\r", std::nullopt}});
}

}  // namespace
}  // namespace zv::memory
