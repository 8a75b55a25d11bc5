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
    using Answer = std::optional<std::string>;
    std::vector<MessageBox> messages;
    std::vector<InputBox> inputs;
    std::vector<WaypointChoice> choices;
    std::vector<FileDialog> saveDialogs;
    std::vector<FileDialog> openDialogs;

    std::deque<MessageAnswer> messageAnswers;
    std::deque<Answer> inputAnswers;
    std::deque<std::string> choiceAnswers;
    std::deque<Answer> saveAnswers;
    std::deque<Answer> openAnswers;

    MessageAnswer message(const MessageBox& box) override {
        const bool yesNo = box.buttons == MessageButtons::YesNo;
        return ask(messages, box, messageAnswers, yesNo ? MessageAnswer::Yes : MessageAnswer::Ok);
    }
    Answer input(const InputBox& box) override { return ask(inputs, box, inputAnswers, {}); }
    std::string chooseWaypoint(const WaypointChoice& choice) override {
        return ask(choices, choice, choiceAnswers, {});
    }
    Answer saveFile(const FileDialog& dialog) override {
        return ask(saveDialogs, dialog, saveAnswers, {});
    }
    Answer openFile(const FileDialog& dialog) override {
        return ask(openDialogs, dialog, openAnswers, {});
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : messages) {
            texts.push_back(box.text);
        }
        return texts;
    }

  private:
    template <class Question, class A>
    static A ask(std::vector<Question>& asked, const Question& question, std::deque<A>& answers,
                 A fallback) {
        asked.push_back(question);
        if (answers.empty()) {
            return fallback;
        }
        A answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace skyloom::testing
