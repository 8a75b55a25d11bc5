#pragma once
// Shared by the format tests: a program folder whose performance files let
// the aircraft choice and the fuel calculation run quietly, the committed
// files of tests/data/formats, and a check of the one message a command showed.

#include <gtest/gtest.h>

#include <string>

#include "core/command_context.h"
#include "io/file_system.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom::testing {

inline const std::string kSep(1, kPathSeparator);

inline std::string golden(const std::string& name) {
    return testDataPath({"formats", name});
}

struct ProgramFixture {
    TempFolder folder;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};

    ProgramFixture() {
        settings.programFolder = folder.path();
        settings.performance = {300, 90, 60, 20, 5000, 900000};
        for (const char* name : {"B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat"}) {
            writeBytes(folder.file(name),
                       "TAXI=300\r\nCLIMB=90\r\nCRUISE=60\r\nDESCEND=20\r\n"
                       "RESERVE=5000\r\nGESAMT=900000\r\n");
        }
    }
};

// Exactly one message with this icon, whose text is `text` or, when `whole` is
// false, contains it (a file name inside an error message).
inline void expectOneMessage(const ScriptedPrompts& prompts, MessageIcon icon,
                             const std::string& text, bool whole = true) {
    ASSERT_EQ(prompts.messages.size(), 1u) << text;
    EXPECT_EQ(prompts.messages[0].icon, icon) << text;
    const std::string& shown = prompts.messages[0].text;
    EXPECT_TRUE(whole ? shown == text : shown.find(text) != std::string::npos) << shown;
}

}  // namespace skyloom::testing
