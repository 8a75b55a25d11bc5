#pragma once
// Prompts for the terminal: OK-only messages go to standard error, yes/no
// questions are answered Yes, the other answers come from the command line
// or, for the waypoint choice, from the user at a terminal.

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/prompts.h"

namespace skyloom::cli {

class TerminalPrompts : public Prompts {
  public:
    TerminalPrompts(std::istream& in, std::ostream& err, bool interactive)
        : in_(in), err_(err), interactive_(interactive) {}

    // Answers for the waypoint choice, in order ("3", "0", "n").
    std::deque<std::string> choiceAnswers;
    // The candidate lines a found route needs, in order: taken before the
    // answers above whenever the next one is among the candidates.
    std::deque<std::string> foundRouteChoices;
    // What the next input box receives (the --save name).
    std::optional<std::string> inputAnswer;
    // What the next file dialog returns (the --save-flight / --load-flight file).
    std::optional<std::string> fileAnswer;

    MessageAnswer message(const MessageBox& box) override;
    std::optional<std::string> input(const InputBox& box) override;
    std::string chooseWaypoint(const WaypointChoice& choice) override;
    std::optional<std::string> saveFile(const FileDialog& dialog) override;
    std::optional<std::string> openFile(const FileDialog& dialog) override;

  private:
    std::string askAtTerminal(const WaypointChoice& choice);

    std::istream& in_;
    std::ostream& err_;
    bool interactive_;
};

}  // namespace skyloom::cli
