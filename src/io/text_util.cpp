#include "io/text_util.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace skyloom {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
}

std::string trimBlanks(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::string();
    }
    return std::string(text.substr(start, text.find_last_not_of(' ') - start + 1));
}

std::string toUpper1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') {
            b = static_cast<unsigned char>(b - 32);
        } else if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
            b = static_cast<unsigned char>(b - 32);
        } else if (b == 0x9A || b == 0x9C || b == 0x9E) {  // š œ ž
            b = static_cast<unsigned char>(b - 16);
        } else if (b == 0xFF) {  // ÿ
            b = 0x9F;
        }
        c = static_cast<char>(b);
    }
    return out;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return out;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::vector<std::string> splitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t hit = separator.empty() ? std::string_view::npos : text.find(separator, start);
        if (hit == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, hit - start));
        start = hit + separator.size();
    }
}

std::vector<std::string> splitAt(std::string_view text, char separator) {
    return splitAt(text, std::string_view(&separator, 1));
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        std::size_t end = lf;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::string leftOf(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, count));
}

std::string rightOf(std::string_view text, std::size_t count) {
    return count >= text.size() ? std::string(text) : std::string(text.substr(text.size() - count));
}

std::string midOf(std::string_view text, std::size_t start, std::size_t count) {
    if (start == 0 || start > text.size()) {
        return std::string();
    }
    return std::string(text.substr(start - 1, count));
}

namespace {

// Length of the numeric prefix "[blanks][sign]digits[.digits]" of a text, 0 when
// there is no digit in it.
std::size_t numericPrefix(std::string_view text, std::string& normalized) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::size_t begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    normalized.assign(text.substr(begin, i - begin));
    return i;
}

// The text as a double, read the same in every locale (strtod would take the
// user's decimal comma). A leading '+' is allowed, as strtod allows it.
std::optional<double> toDouble(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string number;
    if (numericPrefix(text, number) == 0) {
        return 0.0;
    }
    if (auto value = toDouble(number)) {
        return *value;
    }
    // Out of range, as strtod has it: a huge number reads as infinity, a tiny
    // one (only zeros before the point) as zero.
    const std::string whole = number.substr(0, number.find('.'));
    if (whole.find_first_of("123456789") == std::string::npos) {
        return 0.0;
    }
    return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
}

bool hasLeadingNumber(std::string_view text) {
    std::string number;
    return numericPrefix(text, number) != 0;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string trimmed = trimBlanks(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    // Only digits, one separator, a leading sign and an exponent are allowed.
    std::string normalized;
    bool separator = false;
    bool digits = false;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        char c = trimmed[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            normalized += c;
        } else if ((c == '+' || c == '-') && i == 0) {
            normalized += c;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            normalized += '.';
        } else if ((c == 'e' || c == 'E') && digits && i + 1 < trimmed.size()) {
            std::string exponent = trimmed.substr(i + 1);
            std::size_t j = (exponent[0] == '+' || exponent[0] == '-') ? 1 : 0;
            if (j >= exponent.size() ||
                exponent.find_first_not_of("0123456789", j) != std::string::npos) {
                return std::nullopt;
            }
            normalized += 'e';
            normalized += exponent;
            break;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    auto value = toDouble(normalized);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> parseWholeNumber(std::string_view text, long long min, long long max) {
    std::string trimmed = trimBlanks(text);
    std::size_t i = 0;
    if (!trimmed.empty() && (trimmed[0] == '+' || trimmed[0] == '-')) {
        i = 1;
    }
    if (i >= trimmed.size() || trimmed.find_first_not_of("0123456789", i) != std::string::npos) {
        return std::nullopt;
    }
    if (trimmed.size() - i > 18) {
        return std::nullopt;
    }
    long long value = std::strtoll(trimmed.c_str(), nullptr, 10);
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::string plainDecimal(double value) {
    value = std::fabs(value);
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[512];
    auto scientific =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    *scientific.ptr = '\0';
    int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    int decimals = 14 - exponent;
    if (decimals < 0) {
        decimals = 0;
    }
    if (decimals > 340) {
        decimals = 340;
    }
    auto fixed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, fixed.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

}  // namespace skyloom
