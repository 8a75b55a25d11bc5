#pragma once
// fmc_ident.txt in the navigation data folder names the data cycle:
//
//   [Ident]
//   AIRAC=0705
//   VALID=2007
//
// The program shows "0705 - 2007" in its window title.

#include <string>

namespace skyloom {

inline constexpr const char* kFmcIdentName = "fmc_ident.txt";

// The value of lines 2 and 3 joined by " - ". A line's value is the text after
// its first '=' up to the next '=' or the end of the line. Empty when the file
// is missing, has fewer than three lines or line 2 or 3 has no '='.
std::string ReadAiracText(const std::string& file);

// "Skyloom Version 1.0.0 - " followed by the AIRAC text.
std::string WindowTitle(const std::string& airacText);

}  // namespace skyloom
