#include "fuel/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace skyloom {
namespace {

struct FormatCase {
    double value;
    int decimals;
    bool grouped;
    const char* expected;
};

TEST(FormatFixed, RoundsHalfAwayFromZeroAndGroupsThousands) {
    const FormatCase cases[] = {
        // The tonnes pattern "##,##0.00".
        {12.1465, 2, true, "12.15"},
        {0.0, 2, true, "0.00"},
        {0.5, 2, true, "0.50"},
        {999.0, 2, true, "999.00"},
        {1000.0, 2, true, "1,000.00"},
        {1234.56, 2, true, "1,234.56"},
        {1234.565, 2, true, "1,234.57"},
        {999.995, 2, true, "1,000.00"},
        {123456789.0, 2, true, "123,456,789.00"},
        {8005.0, 2, true, "8,005.00"},
        // Doubles a hair below the decimal half still round up.
        {1.005, 2, true, "1.01"},
        {2.675, 2, true, "2.68"},
        {0.125, 2, true, "0.13"},
        {0.0049, 2, true, "0.00"},
        // Negative figures: sign in front, grouping kept, no "-0.00".
        {-1234.5, 2, true, "-1,234.50"},
        {-0.125, 2, true, "-0.13"},
        {-0.004, 2, true, "0.00"},
        // The share pattern "0.0".
        {53.5888, 1, false, "53.6"},
        {0.45, 1, false, "0.5"},
        {0.04, 1, false, "0.0"},
        {99.95, 1, false, "100.0"},
        {100.0, 1, false, "100.0"},
        {1234.5, 1, false, "1234.5"},
        {139.3, 1, false, "139.3"},
        // Whole numbers.
        {13933.0, 0, false, "13933"},
        {1234567.0, 0, false, "1234567"},
        {2.5, 0, false, "3"},
        {-2.5, 0, false, "-3"},
        {1e20, 0, false, "100000000000000000000"},
        {0.000001, 2, false, "0.00"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals, c.grouped), c.expected)
            << c.value << " with " << c.decimals << " decimals";
    }
}

TEST(FormatFixed, GivesEmptyTextForValuesThatAreNoNumbers) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 2, true), "");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 1, false), "");
    EXPECT_EQ(formatFixed(std::nan(""), 1, false), "");
}

}  // namespace
}  // namespace skyloom
