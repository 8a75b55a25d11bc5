#pragma once
// A program folder for the saved-flight and kneeboard tests: performance files
// beside the program so that choosing an aircraft and the fuel calculation run
// quietly.

#include <string>

#include "core/command_context.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom::testing {

struct ProgramFixture {
    TempFolder folder;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};

    ProgramFixture() {
        settings.programFolder = folder.path();
        settings.performance = {300, 90, 60, 20, 5000, 900000};
        const std::string performance =
            "TAXI=300\r\nCLIMB=90\r\nCRUISE=60\r\nDESCEND=20\r\nRESERVE=5000\r\nGESAMT=900000\r\n";
        for (const char* name : {"B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat"}) {
            writeBytes(folder.file(name), performance);
        }
    }
};

}  // namespace skyloom::testing
