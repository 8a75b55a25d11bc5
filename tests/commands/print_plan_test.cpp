#include "commands/print_plan.h"

#include <gtest/gtest.h>

#include "formats/flight_test_support.h"

namespace skyloom {
namespace {

// A printer that is chosen or not, fails or not, and keeps what it printed.
struct RecordingPrinter : Printer {
    bool chosen = true;
    std::optional<std::string> failure;
    std::vector<std::vector<std::string>> jobs;

    bool choose() override { return chosen; }
    std::optional<std::string> print(const std::vector<std::string>& lines) override {
        jobs.push_back(lines);
        return failure;
    }
};

TEST(PrintPlanCommand, PrintsOnlyOnceAPrinterIsChosen) {
    struct Row {
        const char* name;
        std::string printText;
        bool chosen;
        std::optional<std::string> failure;
        std::size_t jobs;
        std::vector<std::string> messages;
        std::string textAfter;
    };
    const std::string text = "PLAN\r\n  END";
    const Row rows[] = {
        {"printed", text, true, std::nullopt, 1, {"Print-Job done"}, "PLAN\r\n END"},
        {"cancelled: the text stays as it was", text, false, std::nullopt, 0, {}, text},
        {"blank text: refused before the dialog",
         "  ",
         true,
         std::nullopt,
         0,
         {"Nothing to print!"},
         "  "},
        {"printer failure",
         text,
         true,
         std::string("The printer could not be started."),
         1,
         {"482 - The printer could not be started."},
         "PLAN\r\n END"},
    };
    for (const Row& row : rows) {
        testing::ProgramFixture program;
        program.data.printText = row.printText;
        RecordingPrinter printer;
        printer.chosen = row.chosen;
        printer.failure = row.failure;

        PrintPlan(program.context, printer);

        EXPECT_EQ(printer.jobs.size(), row.jobs) << row.name;
        EXPECT_EQ(program.prompts.messageTexts(), row.messages) << row.name;
        EXPECT_EQ(program.data.printText, row.textAfter) << row.name;
    }
}

}  // namespace
}  // namespace skyloom
