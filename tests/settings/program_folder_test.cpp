// Which program folder a run without --program-folder uses, and what the
// first start of an installed program puts into it.

#include <gtest/gtest.h>

#include <filesystem>

#include "io/file_system.h"
#include "settings/program_folder.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// A path written with '/' in the platform's separator.
std::string native(std::string path) {
    for (char& c : path) {
        c = c == '/' ? kPathSeparator : c;
    }
    return path;
}

struct FolderRow {
    const char* what;
    bool dataBeside;
    bool installedData;
    const char* xdgDataHome;
    const char* home;
    const char* programFolder;  // expected
    const char* installedFrom;  // expected; empty when not installed
};

TEST(ProgramFolderTest, InstalledProgramsUseAFolderOfTheUsersOwn) {
    const FolderRow rows[] = {
        {"build folder", true, false, "/x/data", "/home/p", "/usr/bin", ""},
        {"AC.dat beside wins", true, true, "/x/data", "/home/p", "/usr/bin", ""},
        {"no data anywhere", false, false, "/x/data", "/home/p", "/usr/bin", ""},
        {"installed, XDG", false, true, "/x/data/", "/home/p", "/x/data/skyloom",
         "/usr/share/skyloom"},
        {"installed, no XDG", false, true, "", "/home/p", "/home/p/.local/share/skyloom",
         "/usr/share/skyloom"},
        {"relative XDG ignored", false, true, "data", "/home/p", "/home/p/.local/share/skyloom",
         "/usr/share/skyloom"},
        {"no home at all", false, true, "", "", "/usr/bin", ""},
    };
    for (const FolderRow& row : rows) {
        SCOPED_TRACE(row.what);
        const ProgramFolderPlace place =
            ChooseProgramFolder({native("/usr/bin"), row.dataBeside, row.installedData,
                                 native(row.xdgDataHome), native(row.home)});
        EXPECT_EQ(place.programFolder, native(row.programFolder));
        EXPECT_EQ(place.installedData, native(row.installedFrom));
    }
}

// The first start writes path.ini on the installed sample database and makes
// the plan folders; later starts bring back missing installed files and leave
// the user's files alone.
TEST(ProgramFolderTest, FirstStartFillsTheFolderAndLaterStartsKeepIt) {
    TempFolder root;
    const std::string share = root.file("share");
    const std::string user = root.file(native("home/skyloom"));
    ASSERT_TRUE(createFolder(share + native("/documentation")));
    ASSERT_TRUE(createFolder(share + native("/map")));
    for (const char* name : {"AC.dat", "B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat",
                             "documentation/Skyloom.htm", "map/ne_110m_land.geojson"}) {
        writeBytes(share + kPathSeparator + native(name), name);
    }
    const ProgramFolderPlace place{user, share};

    ASSERT_EQ(PrepareProgramFolder(place), "");
    const std::string plans = user + native("/plans/");
    EXPECT_EQ(readBytes(user + native("/path.ini")),
              share + native("/navdata-sample/\r\n") + plans + native("pmdg/\r\n") + plans +
                  native("ivap/\r\n") + plans + native("fs/\r\n") + plans + native("leveld/\r\n") +
                  plans + native("pss/\r\n"));
    for (const char* kind : {"pmdg", "ivap", "fs", "leveld", "pss"}) {
        EXPECT_TRUE(folderExists(plans + kind)) << kind;
    }
    EXPECT_EQ(readBytes(user + native("/map/ne_110m_land.geojson")), "map/ne_110m_land.geojson");
    EXPECT_EQ(readBytes(user + native("/PSS777.dat")), "PSS777.dat");

    writeBytes(user + native("/path.ini"), "mine\r\n");
    writeBytes(user + native("/AC.dat"), "edited\r\n");
    std::filesystem::remove(toNativePath(user + native("/B737NG.dat")));
    ASSERT_EQ(PrepareProgramFolder(place), "");
    EXPECT_EQ(readBytes(user + native("/path.ini")), "mine\r\n");
    EXPECT_EQ(readBytes(user + native("/AC.dat")), "edited\r\n");
    EXPECT_EQ(readBytes(user + native("/B737NG.dat")), "B737NG.dat");
}

TEST(ProgramFolderTest, AFolderThatCannotBeMadeIsReported) {
    TempFolder root;
    writeBytes(root.file("file"), "x");
    const std::string error =
        PrepareProgramFolder({root.file(native("file/skyloom")), root.path()});
    EXPECT_NE(error.find("cannot create the folder"), std::string::npos) << error;
}

}  // namespace
}  // namespace skyloom
