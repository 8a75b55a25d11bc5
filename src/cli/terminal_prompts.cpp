#include "cli/terminal_prompts.h"

#include <istream>
#include <ostream>

#include "io/file_system.h"
#include "io/text_util.h"
#include "route/waypoint_candidates.h"

namespace skyloom::cli {

MessageAnswer TerminalPrompts::message(const MessageBox& box) {
    if (box.buttons == MessageButtons::YesNo) {
        return MessageAnswer::Yes;
    }
    if (box.buttons == MessageButtons::Ok) {
        err_ << utf8From1252(replaceAll(box.text, "\r\n", "\n")) << '\n';
        err_.flush();
    }
    return MessageAnswer::Ok;
}

std::optional<std::string> TerminalPrompts::input(const InputBox& /*box*/) {
    auto answer = inputAnswer;
    inputAnswer.reset();
    return answer;
}

std::string TerminalPrompts::chooseWaypoint(const WaypointChoice& choice) {
    if (!foundRouteChoices.empty()) {
        for (const std::string& candidate : choice.candidates) {
            if (candidate == foundRouteChoices.front()) {
                foundRouteChoices.pop_front();
                return candidate;
            }
        }
    }
    if (choiceAnswers.empty()) {
        return interactive_ ? askAtTerminal(choice) : std::string();
    }
    std::string answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    if (answer == "n") {
        return choice.candidates[nearestCandidate(choice)];
    }
    auto number = parseWholeNumber(answer, 0, 1000000);
    if (!number || *number == 0) {
        return std::string();
    }
    if (static_cast<std::size_t>(*number) > choice.candidates.size()) {
        err_ << "--choose: there is no candidate " << *number << " (of " << choice.candidates.size()
             << "); the choice is cancelled.\n";
        return std::string();
    }
    return choice.candidates[static_cast<std::size_t>(*number - 1)];
}

std::string TerminalPrompts::askAtTerminal(const WaypointChoice& choice) {
    err_ << "Select Waypoint:\n";
    for (std::size_t i = 0; i < choice.candidates.size(); ++i) {
        err_ << "  " << (i + 1) << ". " << utf8From1252(choice.candidates[i]);
        std::string distance = candidateDistanceText(choice.previousPoint, choice.candidates[i]);
        if (!distance.empty()) {
            err_ << "   (" << distance << " from the previous point)";
        }
        err_ << '\n';
    }
    while (true) {
        err_ << "Number, n for the nearest, 0 to cancel: ";
        err_.flush();
        std::string line;
        if (!std::getline(in_, line)) {
            return std::string();
        }
        line = trimBlanks(replaceAll(line, "\r", ""));
        if (line == "n") {
            return choice.candidates[nearestCandidate(choice)];
        }
        auto number = parseWholeNumber(line, 0, static_cast<long long>(choice.candidates.size()));
        if (number) {
            return *number == 0 ? std::string()
                                : choice.candidates[static_cast<std::size_t>(*number - 1)];
        }
    }
}

std::optional<std::string> TerminalPrompts::saveFile(const FileDialog& /*dialog*/) {
    return fileAnswer;
}

std::optional<std::string> TerminalPrompts::openFile(const FileDialog& /*dialog*/) {
    return fileAnswer;
}

}  // namespace skyloom::cli
