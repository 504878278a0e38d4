#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <unistd.h>

#include "files/section_catalogue.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names(const std::vector<CatalogueEntry>& entries)
{
    std::vector<std::string> out;
    for (const CatalogueEntry& e : entries) out.push_back(e.name);
    return out;
}

TEST(SectionCatalogueReader, KeywordsOpenSectionsAndEverythingElseIsSkipped)
{
    const SectionCatalogue c = readSectionCatalogue(
        "How to add entries: name, Ixx, cx, Iyy, cy, E or M\r\n"
        "W BEAMS\r\nOld,1,1,1,1,E\r\n\r\n"
        "w beams\r\nLower,2,2,2,2,E\r\n\r\n"   // not a keyword: its entry is free text too
        "USER-DEFINED\nBox A,120.50,4.25,30.1,2.5,E\nBox B,0.8,70,0.1,25,M\n\"Box, C\",1,2,3,4,E\n\n"
        "ANGLE\nL1,1,2,3,4,E\n\n"
        "W BEAMS\nW1,5,6,7,8,E\nW2,9");  // a repeated keyword starts afresh; W2 is cut short
    EXPECT_EQ(names(c.kinds[WBeams]), (std::vector<std::string>{"W1"}));
    EXPECT_EQ(c.problems, (std::vector<CatalogueProblem>{{18, "the entry \"W2\" has 2 items instead of 6"}}));
    EXPECT_TRUE(c.kinds[SBeams].empty());
    EXPECT_TRUE(c.kinds[Channels].empty());
    EXPECT_EQ(names(c.kinds[Angles]), (std::vector<std::string>{"L1"}));
    ASSERT_EQ(c.kinds[UserDefined].size(), 3u);
    EXPECT_EQ(c.kinds[UserDefined][0], (CatalogueEntry{"Box A", "120.50", "4.25", "30.1", "2.5", "E"}));
    EXPECT_EQ(c.kinds[UserDefined][2], (CatalogueEntry{"Box, C", "1", "2", "3", "4", "E"}));
    EXPECT_EQ(c.overLimit, (std::array<bool, kSectionKindCount>{}));
}

TEST(SectionCatalogueReader, KeepsTheFirst500EntriesAndReadsOnAfterABrokenQuote)
{
    std::string text = "CHANNEL\n";
    for (int i = 1; i <= 502; ++i) text.append("C").append(std::to_string(i)).append(",1,1,1,1,E\n");
    text += "\nANGLE\nL1,1,1,1,1,E\n\"L2,1,1,1,1,E\nL3,1,1,1,1,E\n";
    const SectionCatalogue c = readSectionCatalogue(text);
    ASSERT_EQ(c.kinds[Channels].size(), 500u);
    EXPECT_EQ(c.kinds[Channels].back().name, "C500");
    EXPECT_TRUE(c.overLimit[Channels]);
    EXPECT_EQ(names(c.kinds[Angles]), (std::vector<std::string>{"L1", "L3"}));
    EXPECT_EQ(c.problems, (std::vector<CatalogueProblem>{
                              {507, "cannot be read (a quoted item is not closed): \"\"L2,1,1,1,1,E\""}}));
}

TEST(SectionCatalogueDisplay, MatchingMarksShowTheTextOthersAreConvertedAndRounded)
{
    const CatalogueEntry english{"Box A", "120.50", "4.25", "30.1", "2.5", "E"};
    EXPECT_EQ(sectionValueTexts(english, false, 6),
              (SectionValueTexts{"120.50", "30.1", "4.25", "2.5"}));
    const CatalogueEntry inch{"One", "1", "1", "2", "0.5", "E"};
    EXPECT_EQ(sectionValueTexts(inch, true, 6),
              (SectionValueTexts{"0.416231", "0.832463", "25.4", "12.7"}));
    const CatalogueEntry metric{"Box B", "0.8", "70", "1", "25.4", "M"};
    EXPECT_EQ(sectionValueTexts(metric, true, 6), (SectionValueTexts{"0.8", "1", "70", "25.4"}));
    // 10^6 mm^4 is 2.40251 in^4; 25.4 mm is 1 in within the inverse constant's last digit.
    EXPECT_EQ(sectionValueTexts(metric, false, 6),
              (SectionValueTexts{"1.92201", "2.40251", "2.75591", "1"}));
    EXPECT_EQ(sectionValueTexts(metric, false, 3)->ixx, "1.92");

    for (const CatalogueEntry& damaged :
         {CatalogueEntry{"Bad", "1", "x", "1", "1", "E"}, CatalogueEntry{"Cut", "1", "", "", "", ""},
          CatalogueEntry{"Mark", "1", "1", "1", "1", "e"}, CatalogueEntry{"Huge", "1e308", "1", "1", "1", "M"}})
        EXPECT_FALSE(sectionValueTexts(damaged, false, 6)) << damaged.name;
    EXPECT_EQ(damagedEntryMessage(Angles, {"L9", "", "", "", "", ""}),
              "The catalogue entry \"L9\" under \"ANGLE\" is damaged: its four values must be "
              "numbers and its unit mark E or M.");

    EXPECT_EQ(handedBackInertia("0.416231", true), "416231");
    EXPECT_EQ(handedBackInertia("120.50", false), "120.50");
}

class SectionCatalogueFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("spanrix_catalogue_" + std::to_string(::getpid()));
        fs::create_directories(dir / "beside");
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

TEST_F(SectionCatalogueFiles, TheFirstLocationFoundIsReadAndEveryProblemIsNamed)
{
    const std::vector<std::string> locations{(dir / "beams.lst").string(),
                                             (dir / "beside" / "beams.lst").string()};
    CatalogueLoad missing = loadSectionCatalogue(locations);
    ASSERT_TRUE(missing.message);
    EXPECT_EQ(*missing.message, "The section catalogue \"beams.lst\" was not found; the lists are "
                                "empty. It was looked for in:\n" + locations[0] + "\n" + locations[1]);

    std::string text = "S BEAMS\n";
    for (int i = 1; i <= 501; ++i) text.append("S").append(std::to_string(i)).append(",1,1,1,1,E\n");
    std::ofstream(locations[1]) << text;
    const CatalogueLoad found = loadSectionCatalogue(locations);
    EXPECT_EQ(found.catalogue.kinds[SBeams].size(), 500u);
    ASSERT_TRUE(found.message);
    EXPECT_EQ(*found.message, "The \"S BEAMS\" section of \"" + locations[1] +
                                  "\" holds more than 500 entries; only the first 500 are listed.");

    fs::create_directory(locations[0]);  // found first, but not a file that can be read
    EXPECT_EQ(*loadSectionCatalogue(locations).message,
              "The section catalogue \"" + locations[0] + "\" could not be read; the lists are empty.");

    EXPECT_EQ(sectionCatalogueLocations("/opt/spanrix/bin"),
              (std::vector<std::string>{"beams.lst", "/opt/spanrix/bin/beams.lst",
                                        "/opt/spanrix/bin/../share/spanrix/beams.lst"}));
}

// What editors and spreadsheets write reads in full; a damaged line costs its own entry
// only, and says so; text that is no catalogue at all is refused by name.
TEST_F(SectionCatalogueFiles, DamagedFilesLoseNoEntryWithoutAWord)
{
    const std::string path = (dir / "beams.lst").string();
    const std::string good = "Notes, not entries\nW BEAMS\nW1,1,2,3,4,E\nW2,5,6,7,8,E\n\nANGLE\nL1,1,1,1,1,E\n";
    auto lines = [&](const std::string& end) {
        std::string text = good;
        for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += end.size())
            text.replace(at, 1, end);
        return text;
    };
    auto header = [&](const std::string& text) {
        return "These lines of the section catalogue \"" + path + "\" are not listed:\n" + text;
    };
    const std::vector<std::string> all{"W1", "W2", "L1"};
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> entries;
        std::optional<std::string> message;
    } cases[] = {
        {"LF", good, all, std::nullopt},
        {"CR LF", lines("\r\n"), all, std::nullopt},
        {"CR", lines("\r"), all, std::nullopt},
        {"CR CR LF", lines("\r\r\n"), all, std::nullopt},
        {"byte-order mark", "\xEF\xBB\xBFW BEAMS\nW1,1,2,3,4,E\nW2,5,6,7,8,E\n\nANGLE\nL1,1,1,1,1,E\n", all,
         std::nullopt},
        {"trailing commas", lines(",\n"), all, std::nullopt},
        {"spreadsheet rows", "W BEAMS,,,,,\nW1,1,2,3,4,E\nW2,5,6,7,8,E\n,,,,,\nANGLE,,,,,\nL1,1,1,1,1,E\n", all,
         std::nullopt},
        {"missing item", "W BEAMS\nW1,1,2,3,E\nW2,5,6,7,8,E\n\nANGLE\nL1,1,1,1,1,E\n", {"W2", "L1"},
         header("line 2: the entry \"W1\" has 5 items instead of 6")},
        {"extra item", "W BEAMS\nW1,1,2,3,4,E\nW2,5,6,7,8,9,E\nANGLE\nL1,1,1,1,1,E\n", {"W1", "L1"},
         header("line 3: the entry \"W2\" has 7 items instead of 6")},
        {"broken quote", "W BEAMS\n\"W1,1,2,3,4,E\nW2,5,6,7,8,E\n\nANGLE\nL1,1,1,1,1,E\n", {"W2", "L1"},
         header("line 2: cannot be read (a quoted item is not closed): \"\"W1,1,2,3,4,E\"")},
        {"UTF-16", std::string("\xFF\xFEW\0 \0", 6), {},
         "The section catalogue \"" + path + "\" is UTF-16 text; save it as UTF-8 or plain text; the "
         "lists are empty."},
        {"binary", std::string("\x89PNG\r\n\x1A\n\0\0", 10), {},
         "The section catalogue \"" + path + "\" is not a text file; the lists are empty."},
    };
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary) << c.text;
        const CatalogueLoad load = loadSectionCatalogue({path});
        std::vector<std::string> read;
        for (const auto& kind : load.catalogue.kinds)
            for (const CatalogueEntry& e : kind) read.push_back(e.name);
        EXPECT_EQ(read, c.entries) << c.what;
        EXPECT_EQ(load.message, c.message) << c.what;
    }
}

TEST(ShippedSectionCatalogue, HoldsEveryAiscRowAndUsableUserDefinedExamples)
{
    const auto path = fs::path(SPANRIX_SOURCE_DIR) / "data" / "beams.lst";
    const CatalogueLoad load = loadSectionCatalogue({path.string()});
    EXPECT_FALSE(load.message) << *load.message;
    const auto& kinds = load.catalogue.kinds;
    EXPECT_EQ(kinds[WBeams].size(), 289u);
    EXPECT_EQ(kinds[SBeams].size(), 28u);
    EXPECT_EQ(kinds[Channels].size(), 72u);
    EXPECT_EQ(kinds[Angles].size(), 137u);
    auto find = [](const std::vector<CatalogueEntry>& entries, const std::string& name) {
        for (const CatalogueEntry& e : entries)
            if (e.name == name) return e;
        return CatalogueEntry{};
    };
    EXPECT_EQ(find(kinds[WBeams], "W12 X 26"), (CatalogueEntry{"W12 X 26", "204", "6.1", "17.3", "3.245", "E"}));
    EXPECT_EQ(find(kinds[Angles], "L8 X 6 X 1"),
              (CatalogueEntry{"L8 X 6 X 1", "80.9", "5.35", "38.8", "4.35", "E"}));
    std::set<std::string> marks;
    for (int k = 0; k < kSectionKindCount; ++k)
        for (const CatalogueEntry& e : kinds[k]) {
            marks.insert(e.units);
            EXPECT_TRUE(sectionValueTexts(e, true, 6)) << e.name;
        }
    EXPECT_EQ(marks, (std::set<std::string>{"E", "M"}));
    EXPECT_GE(kinds[UserDefined].size(), 4u);
}

}  // namespace
}  // namespace spanrix
