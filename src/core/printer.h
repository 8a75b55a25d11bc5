#pragma once
// How a command reaches a printer. The desktop program prints through the
// system's print dialog; the tests print to a recorder.

#include <optional>
#include <string>
#include <vector>

namespace skyloom {

class Printer {
  public:
    virtual ~Printer() = default;
    // Lets the pilot choose and set up the printer. False when the pilot
    // cancelled.
    virtual bool choose() = 0;
    // Prints one line per entry on the chosen printer and ends the job.
    // Nothing when all went well, otherwise what failed, in words.
    virtual std::optional<std::string> print(const std::vector<std::string>& lines) = 0;
};

}  // namespace skyloom
