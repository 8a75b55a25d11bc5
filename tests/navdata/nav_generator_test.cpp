// The generated database: the same seed gives the same bytes, and every line
// of every file has the layout that the program reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "nav_generator.h"

namespace skyloom::navgen {
namespace {

// Every line ends with CR LF and matches `layout`; returns the number of lines.
int CheckLines(const std::string& text, const std::string& layout) {
    std::regex pattern(layout);
    int lines = 0;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2, ++lines) {
        end = text.find("\r\n", start);  // "." and the classes below match no CR or LF
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        EXPECT_TRUE(std::regex_match(text.substr(start, end - start), pattern))
            << text.substr(start, end - start);
    }
    return lines;
}

TEST(NavGenerator, SameSeedSameBytesAndTheFileLayouts) {
    GeneratedNavDatabase a = GenerateNavDatabase(7, NavScale::Small, 2);
    GeneratedNavDatabase b = GenerateNavDatabase(7, NavScale::Small, 2);
    EXPECT_EQ(a.airways + a.runways + a.airports, b.airways + b.runways + b.airports);
    EXPECT_EQ(a.routes, b.routes);
    EXPECT_NE(a.airways, GenerateNavDatabase(8, NavScale::Small, 0).airways);

    const std::string number = R"(-?\d{1,3}\.\d{6})";
    EXPECT_GT(CheckLines(a.airports, "[A-Z]{4} " + number + " " + number), 200);
    EXPECT_GT(CheckLines(a.runways, R"(.{24}[A-Z]{4}\d\d[ LR][ \d]{4}\d [ \d.-]{10} [ \d.-]{11} )"
                                    R"((000\.00|1[01]\d\.\d[05])\d{3} [ \d-]{4}\d)"),
              600);
    EXPECT_GT(
        CheckLines(a.airways, R"([A-Z]{1,2}\d{1,3} \d{3} [A-Z]{2,5} )" + number + " " + number),
        3000);
    EXPECT_EQ(CheckLines(a.ident, R"(\[Ident\]|CYCLE=\d{4}|VALIDITY=.+)"), 3);
    EXPECT_EQ(std::count(a.routes.at(0).begin(), a.routes.at(0).end(), ' '), 39);  // 40 elements
}

}  // namespace
}  // namespace skyloom::navgen
