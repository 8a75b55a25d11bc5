#pragma once
// One calculation on tests/data/route/nav, shared by the command and map tests.

#include "commands/calculate.h"
#include "io/file_system.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom::testing {

using Lines = std::vector<std::string>;

struct Trip {
    explicit Trip(const std::string& route, Aircraft aircraft = Aircraft::Pmdg737) {
        settings.pathNavData = testDataPath({"route", "nav"}) + kPathSeparator;
        settings.performance = {300, 90, 60, 20, 5000, 26000};  // enough fuel, no message
        data.aircraft = aircraft;
        data.route = route;
    }
    CalculateResult calculate() {
        CommandContext context{settings, data, prompts};
        NavDatabase nav(settings.pathNavData);
        return Calculate(context, nav);
    }
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
};

}  // namespace skyloom::testing
