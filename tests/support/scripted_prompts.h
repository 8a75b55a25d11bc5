#pragma once
// A Prompts implementation for tests: records every question and answers from
// scripted lists (defaults when a list runs out: OK/Yes, cancelled input,
// cancelled waypoint choice, cancelled file dialogs).

#include <deque>
#include <string>
#include <vector>

#include "core/prompts.h"

namespace skyloom::testing {

class ScriptedPrompts : public Prompts {
  public:
    std::vector<MessageBox> messages;
    std::vector<InputBox> inputs;
    std::vector<WaypointChoice> choices;
    std::vector<FileDialog> saveDialogs;
    std::vector<FileDialog> openDialogs;

    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::string> choiceAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::string>> openAnswers;

    MessageAnswer message(const MessageBox& box) override {
        messages.push_back(box);
        return next(messageAnswers,
                    box.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok);
    }
    std::optional<std::string> input(const InputBox& box) override {
        inputs.push_back(box);
        return next(inputAnswers, {});
    }
    std::string chooseWaypoint(const WaypointChoice& choice) override {
        choices.push_back(choice);
        return next(choiceAnswers, {});
    }
    std::optional<std::string> saveFile(const FileDialog& dialog) override {
        saveDialogs.push_back(dialog);
        return next(saveAnswers, {});
    }
    std::optional<std::string> openFile(const FileDialog& dialog) override {
        openDialogs.push_back(dialog);
        return next(openAnswers, {});
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : messages) {
            texts.push_back(box.text);
        }
        return texts;
    }

  private:
    template <class T>
    static T next(std::deque<T>& answers, T fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace skyloom::testing
