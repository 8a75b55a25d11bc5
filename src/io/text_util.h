#pragma once
// Small text helpers shared by the whole core. Text is kept as single-byte
// Windows-1252 in std::string; nothing here knows about any other encoding.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyloom {

inline constexpr const char* kCrLf = "\r\n";

// Replaces every occurrence of `from` (scanning left to right, no overlap).
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// Removes blanks (only ' ', never tabs) at both ends.
std::string trimBlanks(std::string_view text);

// Upper case of Windows-1252 text, including the accented letters.
std::string toUpper1252(std::string_view text);
// Lower case of plain ASCII letters only (for case-insensitive searches).
std::string toLowerAscii(std::string_view text);

bool contains(std::string_view text, std::string_view part);

// Splits at every occurrence of the separator; "a  b" split at ' ' gives "a", "", "b".
std::vector<std::string> splitAt(std::string_view text, char separator);
// The same with a separator of several characters, such as CR LF.
std::vector<std::string> splitAt(std::string_view text, std::string_view separator);

// Splits at CR LF and at bare LF; a trailing line break does not start a new line.
std::vector<std::string> splitLines(std::string_view text);

// The first `count` characters (fewer when the text is shorter).
std::string leftOf(std::string_view text, std::size_t count);
// The last `count` characters (the whole text when it is shorter).
std::string rightOf(std::string_view text, std::size_t count);
// `count` characters from the 1-based position `start`; empty past the end.
std::string midOf(std::string_view text, std::size_t start, std::size_t count);

// Reads the number at the start of a text: optional blanks, sign, digits,
// optional point and digits; whatever follows is ignored. No digits gives 0.
double leadingNumber(std::string_view text);
// True when the text starts (after blanks) with at least one digit.
bool hasLeadingNumber(std::string_view text);

// The whole text as a decimal number (blanks around allowed, point or comma as
// decimal separator, optional exponent). Anything else gives nothing.
std::optional<double> parseNumber(std::string_view text);
// The whole text as a signed integer within the given range (blanks around allowed).
std::optional<long long> parseWholeNumber(std::string_view text, long long min, long long max);

// Absolute value as plain decimal text: up to 15 significant digits, no
// exponent, no trailing zeros ("47.5", "8", "0.0000123").
std::string plainDecimal(double value);

}  // namespace skyloom
