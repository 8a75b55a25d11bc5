#include "io/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace skyloom {

namespace {

// Significant digits kept from the double before rounding to the pattern.
// Fifteen digits is what a double holds reliably; cutting there first makes
// 1.005 (stored as 1.00499999999999989...) round like the decimal it stands for.
constexpr int kSignificantDigits = 15;

std::string groupedByThousands(const std::string& digits) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

// Adds one unit in the last place of a run of decimal digits; true when the
// carry runs out of the front (999 -> 000).
bool incrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

}  // namespace

std::string formatFixed(double value, int decimals, bool groupThousands) {
    if (!std::isfinite(value)) {
        return std::string();
    }
    if (decimals < 0) {
        decimals = 0;
    }
    // "d.dddddddddddddde+XX": locale-independent, unlike printf.
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc()) {
        return std::string();
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    // digits[0 .. wholeCount) is the whole part, the rest the fraction.
    long long wholeCount = static_cast<long long>(exponent) + 1;
    if (wholeCount <= 0) {
        digits.insert(0, static_cast<std::size_t>(-wholeCount), '0');
        wholeCount = 0;
    }
    const std::size_t keep =
        static_cast<std::size_t>(wholeCount) + static_cast<std::size_t>(decimals);
    if (digits.size() <= keep) {
        digits.append(keep + 1 - digits.size(), '0');
    }
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp && incrementDigits(digits)) {
        digits.insert(0, 1, '1');
        ++wholeCount;
    }

    std::string whole = digits.substr(0, static_cast<std::size_t>(wholeCount));
    std::string fraction = digits.substr(static_cast<std::size_t>(wholeCount));
    std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    std::string out;
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos) {
        out += '-';
    }
    out += groupThousands ? groupedByThousands(whole) : whole;
    if (decimals > 0) {
        out += '.';
        out += fraction;
    }
    return out;
}

}  // namespace skyloom
