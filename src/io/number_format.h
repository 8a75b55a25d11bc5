#pragma once
// Fixed-point number texts for the fuel figures and the distances. They always use a point as
// decimal separator and a comma between thousands, whatever the locale, so a
// printout or a saved flight reads the same on every machine.

#include <string>

namespace skyloom {

// `value` with exactly `decimals` decimals, rounded half away from zero on
// its decimal value (1.005 gives "1.01" although the double is a hair below).
// With `groupThousands` the whole part gets "," every three digits, so
// formatFixed(1234.5, 2, true) is "1,234.50" (the pattern "##,##0.00") and
// formatFixed(53.59, 1, false) is "53.6" (the pattern "0.0"). A result that
// rounds to zero carries no minus sign. Infinity and NaN give empty text.
std::string formatFixed(double value, int decimals, bool groupThousands);

}  // namespace skyloom
