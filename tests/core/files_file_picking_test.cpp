#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/file_picking.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;

TEST(FilePicking, SaveNamesAreCompletedAndRefused)
{
    EXPECT_EQ(completeSaveName("loadcfg"), "loadcfg.lod");
    EXPECT_EQ(completeSaveName("beam"), "beam.lod");
    EXPECT_EQ(completeSaveName("beam.txt"), "beam.txt");
    EXPECT_EQ(completeSaveName("beam.lod"), "beam.lod");
    EXPECT_EQ(completeSaveName("beam.lo"), "beam.lo.lod");
    EXPECT_EQ(completeSaveName(""), ".lod");
    // Shorter than four characters: the first one decides.
    EXPECT_EQ(completeSaveName(".ab"), ".ab");
    EXPECT_EQ(completeSaveName("a.b"), "a.b.lod");
    // Characters, not bytes: "é" is two bytes.
    EXPECT_EQ(completeSaveName("b.éxy"), "b.éxy");
    EXPECT_EQ(completeSaveName("bé.xy"), "bé.xy.lod");

    for (const char* bad : {"beam*", "be?m", "sub/beam", "*", "", ".lod", ".beam"})
        EXPECT_TRUE(saveNameRefusal(bad).has_value()) << bad;
    for (const char* good : {"beam", "my beam (2).lod", "bé", "a.b"})
        EXPECT_FALSE(saveNameRefusal(good).has_value()) << good;
}

TEST(FilePicking, FiltersChoosePatternsThatMatchNames)
{
    EXPECT_EQ(filterPattern(kLoadFileFilter), "*.lod");
    EXPECT_EQ(filterPattern(kAllFilesFilter), "*.*");
    EXPECT_EQ(filterPattern("*.lod"), "*.lod");
    EXPECT_EQ(filterPattern("*.*x"), "*.*");
    EXPECT_EQ(filterPattern("*.txt"), "*.txt");
    EXPECT_EQ(filterPattern("beam*.lod"), "beam*.lod");

    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.*", "README", true},        {"*.*", ".x", true},
        {"*.lod", "beam.lod", true},    {"*.lod", "BEAM1.LOD", true},
        {"*.lod", "beam.lod.bak", false}, {"*.lod", "beamlod", false},
        {"beam*.lod", "beam.lod", true}, {"beam*.lod", "beam12.lod", true},
        {"beam*.lod", "abeam.lod", false}, {"b?am.lod", "béam.lod", true},
        {"b?am.lod", "bam.lod", false}, {"*a*b", "xaxxab", true},
        {"*a*b", "xaxxba", false},      {"", "", true},
        {"*", "", true},                {"?", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;

    // Typing *.txt refreshes at its last letter; *.c only when the box loses the focus.
    EXPECT_FALSE(refreshWhileTyping("*.t"));
    EXPECT_FALSE(refreshWhileTyping("*.tx"));
    EXPECT_TRUE(refreshWhileTyping("*.txt"));
    EXPECT_TRUE(refreshWhileTyping("beam.*"));
    EXPECT_FALSE(refreshWhileTyping("*.c"));
    EXPECT_TRUE(refreshOnFocusLoss("*.c"));
    EXPECT_FALSE(refreshOnFocusLoss("*.txt"));
    EXPECT_FALSE(refreshOnFocusLoss(kLoadFileFilter));
    EXPECT_TRUE(refreshOnFocusLoss(""));
}

TEST(FilePicking, ListsSortPathsCompose)
{
    std::vector<std::string> names{"b.lod", "a.lod", "B.lod", "Z.lod"};
    sortListBox(names);
    EXPECT_EQ(names, (std::vector<std::string>{"B.lod", "Z.lod", "a.lod", "b.lod"}));

    EXPECT_EQ(composePath("/home/ann", "beam.lod"), "/home/ann/beam.lod");
    EXPECT_EQ(composePath("/", "beam.lod"), "/beam.lod");
    EXPECT_EQ(composePath("/home/ann/", ""), "/home/ann/");
    EXPECT_EQ(directoryChain("/home/ann/"),
              (std::vector<std::string>{"/", "/home", "/home/ann"}));
    EXPECT_EQ(directoryChain("/"), (std::vector<std::string>{"/"}));
}

TEST(FilePicking, DirectoriesListVisibleFilesAndFolders)
{
    const fs::path dir = fs::temp_directory_path() / ("spanrix-picking-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "sub");
    fs::create_directories(dir / ".hidden-dir");
    for (const char* name : {"b.lod", "a.lod", "B.LOD", "notes.txt", ".hidden.lod"})
        std::ofstream(dir / name) << "x";
    fs::create_symlink(dir / "missing", dir / "broken.lod");

    const auto listing = listDirectory(dir.string());
    ASSERT_TRUE(listing.has_value());
    EXPECT_EQ(listing->files, (std::vector<std::string>{"B.LOD", "a.lod", "b.lod", "notes.txt"}));
    EXPECT_EQ(listing->subdirectories, (std::vector<std::string>{(dir / "sub").string()}));
    EXPECT_EQ(matchingFiles(*listing, "*.lod"), (std::vector<std::string>{"B.LOD", "a.lod", "b.lod"}));
    EXPECT_EQ(matchingFiles(*listing, "*.txt"), (std::vector<std::string>{"notes.txt"}));
    EXPECT_EQ(matchingFiles(*listing, "*.*").size(), 4u);

    EXPECT_TRUE(ordinaryFileExists((dir / "a.lod").string()));
    EXPECT_FALSE(ordinaryFileExists((dir / "sub").string()));
    EXPECT_FALSE(ordinaryFileExists((dir / "c.lod").string()));

    EXPECT_FALSE(listDirectory((dir / "gone").string()).has_value());
    EXPECT_FALSE(listDirectory((dir / "a.lod").string()).has_value());
    EXPECT_EQ(unreadableDirectoryMessage("/gone"), "Could not read /gone.");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace spanrix
