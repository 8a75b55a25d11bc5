#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "commands/ivao_plan.h"
#include "formats/flight_test_support.h"
#include "formats/ivao_fields.h"
#include "io/file_system.h"
#include "io/text_util.h"

namespace skyloom {
namespace {

using testing::golden;
using testing::kSep;
using testing::readBytes;
using testing::writeBytes;

class IvaoFilesTest : public ::testing::Test, public testing::ProgramFixture {
  protected:
    void SetUp() override {
        settings.pathIvapPlans = plans;
        ASSERT_TRUE(createFolder(plans));
    }
    const std::string plans = folder.file("IVAP") + kSep;
    const std::string ivaoTxt = folder.file("ivao.txt");
};

// The fields of ivao_saved.txt, with line breaks typed into the route and
// other-information boxes, make ivao_saved.fpl.
TEST_F(IvaoFilesTest, IvaoTxtHoldsOneLinePerFieldAndBecomesThePlanFile) {
    IvaoFields fields = NewIvaoFields();
    const std::vector<std::string> texts = splitAt(
        "DLH400|I|S|1|B744|H|SRGW|S|EDDF|1200|N|490|F|330|ABC UL610\r\nDEF DCT\nGHI|KJFK|0815||"
        "REG/DABVA\rOPR/DLH|0930|350|B744/H",
        '|');
    for (int n = 1; n <= kIvaoFieldCount; ++n) {
        fields.field(n) = texts.at(static_cast<std::size_t>(n - 1));
    }
    ASSERT_TRUE(SaveIvaoFields(context, fields));
    EXPECT_EQ(readBytes(ivaoTxt), readBytes(golden("ivao_saved.txt")));
    prompts.inputAnswers.push_back(std::string("TEMP"));
    EXPECT_EQ(MakeIvaoPlan(context).status, IvaoPlanStatus::Written);
    EXPECT_EQ(readBytes(plans + "TEMP.fpl"), readBytes(golden("ivao_saved.fpl")));
    testing::expectOneMessage(prompts, MessageIcon::Information, "IVAO-Flightplan was generated");
    EXPECT_EQ(prompts.messages[0].title, "Information");
}

// A missing or short ivao.txt leaves what was written; no name or an unsafe one writes nothing.
TEST_F(IvaoFilesTest, PlansThatGoWrong) {
    const std::tuple<const char*, std::optional<std::string>, IvaoPlanStatus, const char*> cases[] =
        {
            {nullptr, "DLH400", IvaoPlanStatus::Failed, ""},
            {"ivao_short.txt", "DLH400", IvaoPlanStatus::Failed, "ivao_short.fpl"},
            {"ivao_saved.txt", std::nullopt, IvaoPlanStatus::Cancelled, nullptr},
            {"ivao_saved.txt", ".." + kSep + "escape", IvaoPlanStatus::Refused, nullptr},
        };
    for (const auto& [source, answer, status, plan] : cases) {
        std::filesystem::remove_all(toNativePath(plans));
        std::filesystem::remove(toNativePath(ivaoTxt));
        ASSERT_TRUE(createFolder(plans));
        if (source != nullptr) {
            writeBytes(ivaoTxt, readBytes(golden(source)));
        }
        prompts = {};
        prompts.inputAnswers = {answer};
        EXPECT_EQ(MakeIvaoPlan(context).status, status) << answer.value_or("(cancelled)");
        ASSERT_EQ(prompts.messages.size(), status == IvaoPlanStatus::Cancelled ? 0u : 1u);
        if (status == IvaoPlanStatus::Failed) {
            const MessageBox& box = prompts.messages[0];
            EXPECT_EQ(std::tie(box.title, box.icon),
                      std::make_tuple("Error", MessageIcon::Critical));
        }
        if (plan != nullptr) {
            EXPECT_EQ(readBytes(plans + "DLH400.fpl"), *plan ? readBytes(golden(plan)) : "");
        } else {
            EXPECT_TRUE(std::filesystem::is_empty(toNativePath(plans)));
        }
        EXPECT_FALSE(fileExists(folder.file("escape.fpl")));
    }
}

TEST(IvaoFields, LoadDefaultsRepeatsTheLastLineReadForUnreadableLines) {
    testing::TempFolder folder;
    const std::string path = folder.file("ivao.txt");
    // Eight good lines, a ninth that is dropped, then the file ends.
    writeBytes(path, "DLH400\r\nQ\r\nS\r\n7\r\nB744\r\nH\r\nSRGW\r\nC\r\n1200\r\n");
    IvaoFields fields = NewIvaoFields();
    LoadIvaoDefaults(path, fields);
    // 5 waits for its list, 9, 16 and 18 are never restored, "Q" is no flight rule and "1200"
    // no speed unit (11) nor level type (13); from 10 on the last line read is repeated.
    const std::array<std::string, kIvaoFieldCount> expected = {
        "DLH400", "", "S",    "7",    "", "H",    "SRGW", "C",    "",     "1200", "",
        "1200",   "", "1200", "1200", "", "1200", "",     "1200", "1200", "1200", "1200"};
    EXPECT_EQ(fields.text, expected);
    // Without the file every restored field is emptied.
    fields.field(kIvaoDeparture) = "EDDF";
    LoadIvaoDefaults(folder.file("missing.txt"), fields);
    std::array<std::string, kIvaoFieldCount> empty{};
    empty[kIvaoDeparture - 1] = "EDDF";
    EXPECT_EQ(fields.text, empty);
}

TEST(IvaoFields, CruiseLevelAndRouteFromTheMainWindow) {
    // The level, then the level type, which starts as restored from ivao.txt.
    const std::pair<const char*, const char*> levels[] = {{"31000", "310 F"}, {"9500", "095 F"},
                                                          {"5100", "051 F"},  {"5000", "5000 A"},
                                                          {"850", " VFR"},    {"", " VFR"}};
    for (const auto& [altitude, expected] : levels) {
        IvaoFields fields = NewIvaoFields();
        fields.field(kIvaoLevelType) = "VFR";
        EXPECT_EQ(CruiseLevelFromAltitude(altitude, fields) + " " + fields.field(kIvaoLevelType),
                  expected);
    }
    const std::pair<const char*, const char*> routes[] = {
        {"EDDF SID ABC DEF STAR KJFK", "ABC DEF"},
        {"EDDF  ABC UL610 DEF  KJFK ", "ABC UL610 DEF"},
        {"EDDF SID STAR KJFK", ""}};
    for (const auto& [route, expected] : routes) {
        EXPECT_EQ(GetFlightDataRoute(route), expected) << route;
    }
}

// The main window's aircraft picks its AC.dat entry; the list stops at the first blank type.
TEST_F(IvaoFilesTest, OpeningPreselectsTheMainWindowsAircraft) {
    for (std::size_t i = 0; i < 3; ++i) {
        settings.aircraftTable.type[i] = "B74" + std::to_string(i);
    }
    settings.aircraftTable.type[3] = "B772";
    settings.aircraftTable.mtlText[3] = "B772/H";
    settings.aircraftTable.wakeCategory[3] = "Q";
    writeBytes(ivaoTxt, readBytes(golden("ivao_saved.txt")));
    data.aircraft = Aircraft::Pss777;
    IvaoFields fields = OpenIvaoFields(settings, data);
    EXPECT_EQ(fields.field(kIvaoAircraftType), "B772");
    EXPECT_EQ(fields.field(kIvaoMtlAircraft), "B772/H");
    EXPECT_EQ(fields.field(kIvaoWakeCategory), "");  // "Q" is no wake category

    settings.aircraftTable.type[1].clear();  // only entry 0 is listed
    data.aircraft = Aircraft::LevelD767;
    fields = OpenIvaoFields(settings, data);
    EXPECT_EQ(fields.field(kIvaoAircraftType), "");
    EXPECT_EQ(fields.field(kIvaoMtlAircraft), "B744/H");  // as restored from ivao.txt
}

}  // namespace
}  // namespace skyloom
