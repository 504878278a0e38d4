#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>

#include "files/load_file.h"
#include "model/beam_model.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;

// A small reference beam and, below, its file as the writer must produce it.
BeamModel exampleBeam()
{
    BeamModel m;
    m.beamLength = 120.0;
    const int p = appendFeature(m, FeatureKind::PointLoad, "lb", "ft");
    m.pointLoadMag[p] = -1000.0;
    m.pointLoadLoc[p] = 60.0;
    for (double x : {0.0, 120.0}) {
        const int s = appendFeature(m, FeatureKind::Support, "lb", "ft");
        m.supportLoc[s] = x;
        m.supportType[s] = "simp";
    }
    m.shownPointLoads = 1;
    m.shownSupports = 2;
    m.maxPointLoadMag = 1000.0;
    for (MaybeNumber* zero : {&m.prevMaxPointLoadMag, &m.maxMomentMag, &m.prevMaxMomentMag,
                              &m.maxDistLoadMag, &m.prevMaxDistLoadMag})
        *zero = 0.0;
    m.fiberDistance = 5.0f;
    m.momentOfInertia = 100.0f;
    m.modulusE = 29000000.0f;
    m.resolution = 10000.0f;
    return m;
}

constexpr const char* kExampleText =
    "1,0,0,2,1,0,0,2,3,\r\n"
    "120,1000,0,0,0,0,0\r\n"
    "5,100,2.9E+07,10000,#FALSE#,#FALSE#\r\n"
    "-1000,60\r\n"
    "0,\"simp\"\r\n"
    "120,\"simp\"\r\n"
    "\"pt1\",\"ft\",\"lb\"\r\n"
    "\"su1\",\"ft\",\"lb\"\r\n"
    "\"su2\",\"ft\",\"lb\"\r\n";

// A version-1 beam: 96 in long, a removed point load, a uniform load, one support.
constexpr const char* kVersion1Text =
    "1,2,0,1,1,2,0,1,4,\r\n"
    "96,0,0,0,0,10,0\r\n"
    "2,50,2.9E+07,10000,#TRUE#\r\n"
    "0,48\r\n"
    "-10,12,48\r\n"
    "0,0,96\r\n"
    "0,\"cant\"\r\n"
    "\"pt1\",\"in\",\"lb\"\r\n"
    "\"di1\",\"in\",\"pi\"\r\n"
    "\"di2\",\"in\",\"pi\"\r\n"
    "\"su1\",\"in\",\"lb\"\r\n";

// A temporary directory of its own for each test.
class TempDir {
public:
    TempDir()
    {
        path_ = fs::temp_directory_path() /
                ("spanrix-files-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::set<std::string> names() const
    {
        std::set<std::string> out;
        for (const auto& entry : fs::directory_iterator(path_))
            out.insert(entry.path().filename().string());
        return out;
    }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

std::string contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

TEST(LoadFile, WritesTheReferenceFileByteForByte)
{
    EXPECT_EQ(loadFileText(exampleBeam()), kExampleText);

    TempDir dir;
    const std::string path = dir.file("example.lod");
    ASSERT_FALSE(writeLoadFile(path, exampleBeam()));
    EXPECT_EQ(contentsOf(path), kExampleText);
    EXPECT_EQ(dir.names(), std::set<std::string>{"example.lod"});  // no temporary left over
}

TEST(LoadFile, OpensTheReferenceFileAndReportsLegendRows)
{
    BeamModel current;
    current.editingFeature = true;
    const OpenOutcome outcome = readLoadText(kExampleText, FileLayout::Current, current);
    ASSERT_TRUE(outcome.ok());
    BeamModel expected = exampleBeam();
    expected.editingFeature = true;  // not in the file: keeps its value
    EXPECT_EQ(current, expected);

    ASSERT_EQ(outcome.legendRows.size(), 3u);
    EXPECT_EQ(outcome.legendRows[0].row, 1);
    EXPECT_EQ(outcome.legendRows[0].kind, FeatureKind::PointLoad);
    EXPECT_EQ(outcome.legendRows[2].kind, FeatureKind::Support);
    EXPECT_EQ(outcome.legendRows[2].index, 2);
    for (const LegendRow& row : outcome.legendRows) EXPECT_TRUE(row.live);  // support at 0 is live
}

TEST(LoadFile, EmptyModelAndUnsetFields)
{
    BeamModel m;
    EXPECT_EQ(loadFileText(m), "0,0,0,0,0,0,0,0,0,\r\n,,,,,,\r\n0,0,0,10000,#FALSE#,#FALSE#\r\n");

    m.beamLength = 120.0;
    const std::string text = loadFileText(m);
    EXPECT_EQ(text.substr(text.find('\n') + 1, 11), "120,,,,,,\r\n");
    BeamModel opened;
    opened.maxPointLoadMag = 7.0;
    ASSERT_TRUE(readLoadText(text, FileLayout::Current, opened).ok());
    EXPECT_FALSE(opened.maxPointLoadMag.isSet());
    EXPECT_EQ(opened.beamLength, 120.0);
}

TEST(LoadFile, RemovedFeaturesStayAndGetBlankRows)
{
    BeamModel m = exampleBeam();
    m.pointLoadMag[1] = 0.0;  // removed point load
    m.supportLoc[2] = -1.0;   // removed support
    m.metricUnits = true;
    BeamModel opened;
    const OpenOutcome outcome = readLoadText(loadFileText(m), FileLayout::Current, opened);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(opened, m);
    EXPECT_TRUE(opened.metricUnits);
    ASSERT_EQ(outcome.legendRows.size(), 3u);
    EXPECT_FALSE(outcome.legendRows[0].live);
    EXPECT_TRUE(outcome.legendRows[1].live);
    EXPECT_FALSE(outcome.legendRows[2].live);
}

TEST(LoadFile, AcceptsHandWrittenVariants)
{
    // LF line ends, blanks, lower-case exponents and numbers without a leading zero.
    const std::string text =
        "1, 0,0,0,1,0,0,0,1,\n 1.2e2 ,,,,,,\n.5,100,2.9e7,10000,#TRUE#,#FALSE#\n-5,.25\n"
        "\"pt1\",\"in\",\"lb\"\n";
    BeamModel m;
    ASSERT_TRUE(readLoadText(text, FileLayout::Current, m).ok());
    EXPECT_EQ(m.beamLength, 120.0);
    EXPECT_EQ(m.fiberDistance, 0.5f);
    EXPECT_TRUE(m.useInches);
    EXPECT_EQ(m.pointLoadLoc[1], 0.25);
}

// Every failure says "File access error" and leaves the model as it was.
TEST(LoadFile, EveryFailureLeavesTheCurrentModelUntouched)
{
    const std::string good = kExampleText;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"51 point loads", replaced("1,0,0,2,1", "51,0,0,2,1")},
        {"a negative count", replaced("1,0,0,2,1", "1,-1,0,2,1")},
        {"21 supports", replaced("1,0,0,2,1", "1,0,0,21,1")},
        {"171 features", replaced("2,3,\r\n", "2,171,\r\n")},
        {"a shown count beyond its array", replaced("1,0,0,2,1,0", "1,0,0,2,51,0")},
        {"an early end", good.substr(0, good.rfind("\"su2\""))},
        {"an end inside the last line", good.substr(0, good.size() - 8)},
        {"an index beyond its array", replaced("\"su2\"", "\"su21\"")},
        {"a point-load index beyond its array", replaced("\"pt1\"", "\"pt51\"")},
        // A slot the counts did not cover would become a live support at x = 0.
        {"an index beyond its kind's count", replaced("\"su2\"", "\"su3\"")},
        {"an index of 0", replaced("\"pt1\"", "\"pt0\"")},
        {"a key remainder that is not a number", replaced("\"pt1\"", "\"ptx\"")},
        {"a key without remainder", replaced("\"pt1\"", "\"pt\"")},
        {"an empty key", replaced("\"pt1\"", "\"\"")},
        {"text in a numeric item", replaced("-1000,60", "-1000,sixty")},
        {"text in a count", replaced("1,0,0,2,1", "one,0,0,2,1")},
        {"a number in a flag", replaced("#FALSE#,#FALSE#", "#FALSE#,0")},
        {"an unterminated quote", replaced("\"su2\"", "\"su2")},
        {"an empty file", ""},
    };
    for (const auto& [what, text] : cases) {
        BeamModel current = exampleBeam();
        current.pointLoadMag[1] = -250.0;  // a beam that differs from the file
        current.editingFeature = true;
        const BeamModel before = current;
        const OpenOutcome outcome = readLoadText(text, FileLayout::Current, current);
        EXPECT_EQ(outcome.error, std::optional<std::string>("File access error")) << what;
        EXPECT_TRUE(outcome.legendRows.empty()) << what;
        EXPECT_EQ(current, before) << what;
    }
}

// Each refusal says why, naming the line; so do files whose features the dialogs would
// refuse. Positions a rounding hair outside the beam, and removed features, still read.
TEST(LoadFile, RefusalsSayWhy)
{
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string good = kExampleText;
    // The example with a distributed load from 48 to 12.
    const std::string backwards = replaced(
        replaced(replaced(good, "1,0,0,2,1,0,0,2,3,", "1,1,0,2,1,1,0,2,4,"), "-1000,60\r\n",
                 "-1000,60\r\n-10,-10,48,12\r\n"),
        "\"su2\",\"ft\",\"lb\"\r\n", "\"su2\",\"ft\",\"lb\"\r\n\"di1\",\"ft\",\"pf\"\r\n");
    const std::vector<std::pair<std::string, std::string>> refused = {
        {replaced(good, "-1000,60", "-1000,8.356E-05x"), "line 4: \"8.356E-05x\" is not a number"},
        {replaced(good, "-1000,60", "-1000,150"),
         "line 4: point load 1 at 150 lies outside the beam (0 to 120)"},
        {replaced(good, "120,\"simp\"", "150,\"simp\""),
         "line 6: support 2 at 150 lies outside the beam (0 to 120)"},
        {replaced(good, "120,\"simp\"", "0,\"simp\""), "line 6: supports 1 and 2 both stand at 0"},
        {replaced(good, "120,\"simp\"", "60,\"cant\""),
         "line 6: cantilever support 2 at 60 is not at an end of the beam"},
        {replaced(good, "120,\"simp\"", "120,\"fixed\""),
         "line 6: support 2 has the type \"fixed\", not \"simp\" or \"cant\""},
        {backwards, "line 5: distributed load 1 ends at 12, not after its start at 48"},
        {good.substr(0, good.rfind("\"su2\"")), "the file ends after 2 of 3 features"},
        {good.substr(0, 30), "the file ends within the beam length line"},
        {"", "the file is empty"},
        {replaced(good, "1,0,0,2,1", "51,0,0,2,1"),
         "line 1: the number of point loads, 51, is not from 0 to 50"},
        {replaced(good, "\"su2\"", "\"su2"), "line 9: a quoted item is not closed properly"},
        {replaced(good, "\"su2\"", "\"su3\""),
         "line 9: feature 3 has the key \"su3\", but the file holds 2 of its kind"},
    };
    for (const auto& [text, reason] : refused) {
        BeamModel current;
        const OpenOutcome outcome = readLoadText(text, FileLayout::Current, current);
        EXPECT_EQ(outcome.error, std::optional<std::string>("File access error")) << reason;
        EXPECT_EQ(outcome.reason, reason);
    }
    BeamModel current;
    EXPECT_EQ(readLoadText(good, FileLayout::Version1, current).reason,
              "line 3: the section properties line has more than 5 items, as a current file's "
              "has, not a version-1 file's");

    for (const std::string& text :
         {replaced(good, "120,\"simp\"", "120.0000001,\"cant\""),  // within 1e-9 of the length
          replaced(good, "-1000,60", "0,150")}) {                    // removed, wherever it was
        const OpenOutcome outcome = readLoadText(text, FileLayout::Current, current);
        EXPECT_TRUE(outcome.ok()) << outcome.reason;
    }

    // A file's reader names the file.
    TempDir dir;
    EXPECT_EQ(openLoadFile(dir.file("missing.lod"), current).reason,
              dir.file("missing.lod") + ": no such file");
    EXPECT_EQ(importVersion1File(dir.file(""), current).reason, dir.file("") + ": not a regular file");
}

TEST(LoadFile, KeyOfAnUnknownKindGetsABlankRow)
{
    std::string text = kExampleText;
    text.replace(text.find("\"su2\""), 5, "\"xx2\"");
    BeamModel m;
    const OpenOutcome outcome = readLoadText(text, FileLayout::Current, m);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.legendRows[2].kind, FeatureKind::None);
    EXPECT_FALSE(outcome.legendRows[2].live);
}

TEST(LoadFile, FailedOpenKeepsAPreviouslyOpenedModel)
{
    TempDir dir;
    const std::string good = dir.file("good.lod");
    const std::string bad = dir.file("bad.lod");
    writeText(good, kExampleText);
    writeText(bad, std::string(kExampleText).substr(0, 60));

    BeamModel current;
    ASSERT_TRUE(openLoadFile(good, current).ok());
    const BeamModel opened = current;
    for (const std::string& path : {bad, dir.file("missing.lod"), dir.file("")}) {
        EXPECT_EQ(openLoadFile(path, current).error, std::optional<std::string>("File access error"))
            << path;
        EXPECT_EQ(importVersion1File(path, current).error,
                  std::optional<std::string>("File access error"))
            << path;
        EXPECT_EQ(current, opened) << path;
    }
}

TEST(Version1Import, ReadsUniformLoadsAndEnglishUnits)
{
    TempDir dir;
    const std::string path = dir.file("old.lod");
    writeText(path, kVersion1Text);
    BeamModel m;
    m.metricUnits = true;
    const OpenOutcome outcome = importVersion1File(path, m);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(m.metricUnits);
    EXPECT_TRUE(m.useInches);
    EXPECT_EQ(m.resolution, 10000.0f);
    EXPECT_EQ(m.distLoadStartMag[1], -10.0);
    EXPECT_EQ(m.distLoadEndMag[1], -10.0);
    EXPECT_EQ(m.distLoadStart[1], 12.0);
    EXPECT_EQ(m.distLoadEnd[1], 48.0);
    EXPECT_EQ(m.distLoadEndMag[2], 0.0);
    EXPECT_EQ(m.supportType[1], "cant");
    ASSERT_EQ(outcome.legendRows.size(), 4u);
    EXPECT_FALSE(outcome.legendRows[0].live);  // removed point load
    EXPECT_TRUE(outcome.legendRows[1].live);
    EXPECT_FALSE(outcome.legendRows[2].live);  // intensity 0: stays removed
    EXPECT_TRUE(outcome.legendRows[3].live);

    // Saved again it is a current file, English units.
    const std::string saved = loadFileText(m);
    EXPECT_NE(saved.find("2,50,2.9E+07,10000,#TRUE#,#FALSE#\r\n"), std::string::npos);
    EXPECT_NE(saved.find("-10,-10,12,48\r\n"), std::string::npos);
}

TEST(Version1Import, RefusesCurrentFilesAndOversizedCounts)
{
    // A current file would be read shifted by one item per line 3 and per distributed load.
    BeamModel current = exampleBeam();
    const BeamModel before = current;
    EXPECT_FALSE(readLoadText(kExampleText, FileLayout::Version1, current).ok());
    // Even a trailing empty sixth item counts.
    std::string v1 = kVersion1Text;
    v1.replace(v1.find("#TRUE#"), 6, "#TRUE#,");
    EXPECT_FALSE(readLoadText(v1, FileLayout::Version1, current).ok());
    v1 = kVersion1Text;
    v1.replace(0, 1, "51");
    EXPECT_FALSE(readLoadText(v1, FileLayout::Version1, current).ok());
    EXPECT_EQ(current, before);

    // And a version-1 file does not open as a current one.
    EXPECT_FALSE(readLoadText(kVersion1Text, FileLayout::Current, current).ok());
    EXPECT_EQ(current, before);
}

TEST(SaveFile, FailureLeavesNoTraceAndSaysSo)
{
    TempDir dir;
    const std::string plainFile = dir.file("plain.txt");
    writeText(plainFile, "keep");
    for (const std::string& path :
         {plainFile + "/beam.lod", dir.file("no/such/dir/beam.lod"), dir.file("")}) {
        EXPECT_EQ(writeLoadFile(path, exampleBeam()),
                  std::optional<std::string>("Could not save " + path + "."));
    }
    // A value no reader takes back is not saved over a good file: one that is not finite,
    // or the largest double, whose 15-digit text 1.79769313486232E+308 overflows.
    for (double unreadable : {std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::max()}) {
        BeamModel overflowed = exampleBeam();
        overflowed.pointLoadLoc[1] = unreadable;
        EXPECT_EQ(writeLoadFile(plainFile, overflowed),
                  std::optional<std::string>("Could not save " + plainFile + "."));
    }
    EXPECT_EQ(contentsOf(plainFile), "keep");
    EXPECT_EQ(dir.names(), std::set<std::string>{"plain.txt"});

    // A directory in the target's place is not replaced.
    fs::create_directory(dir.file("taken.lod"));
    writeText(dir.file("taken.lod") + "/inside", "x");
    EXPECT_TRUE(writeLoadFile(dir.file("taken.lod"), exampleBeam()).has_value());
    EXPECT_EQ(contentsOf(dir.file("taken.lod") + "/inside"), "x");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"plain.txt", "taken.lod"}));
}

TEST(SaveFile, FollowsLinksKeepsPermissionsAndReplacesOnlyRegularFiles)
{
    TempDir dir;
    const std::string real = dir.file("real.lod");
    writeText(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.lod", dir.file("link.lod"));
    fs::create_symlink("new.lod", dir.file("dangling.lod"));

    ASSERT_FALSE(writeLoadFile(dir.file("link.lod"), exampleBeam()));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.lod")));
    EXPECT_EQ(contentsOf(real), kExampleText);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(writeLoadFile(dir.file("dangling.lod"), exampleBeam()));
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.lod")));
    EXPECT_EQ(contentsOf(dir.file("new.lod")), kExampleText);

    // A FIFO (opening it would block) and a directory stay what they are, also behind a link.
    ASSERT_EQ(::mkfifo(dir.file("fifo.lod").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder.lod"));
    fs::create_symlink("fifo.lod", dir.file("to-fifo.lod"));
    for (const char* name : {"fifo.lod", "folder.lod", "to-fifo.lod"}) {
        const std::string path = dir.file(name);
        EXPECT_EQ(writeLoadFile(path, exampleBeam()),
                  std::optional<std::string>("Could not save " + path + "."));
    }
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo.lod")));
    EXPECT_TRUE(fs::is_directory(dir.file("folder.lod")));

    // A file its owner made read-only is not replaced behind their back (root may write
    // any file, so only other users can see the refusal).
    if (::geteuid() != 0) {
        fs::permissions(real, fs::perms::owner_read);
        EXPECT_TRUE(writeLoadFile(real, BeamModel{}).has_value());
        EXPECT_EQ(contentsOf(real), kExampleText);
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"real.lod", "link.lod", "dangling.lod", "new.lod",
                                                  "fifo.lod", "folder.lod", "to-fifo.lod"}));
}

// A write that fails halfway (a full disk, here a file-size limit that even root obeys)
// must leave the previous file exactly as it was.
TEST(SaveFile, WriteFailingHalfwayKeepsTheOldFileByteForByte)
{
    TempDir dir;
    const std::string path = dir.file("beam.lod");
    ASSERT_FALSE(writeLoadFile(path, exampleBeam()));
    const std::string old = contentsOf(path);

    BeamModel bigger = exampleBeam();
    for (int i = 0; i < 40; ++i) {
        const int k = appendFeature(bigger, FeatureKind::Moment, "pi", "in");
        bigger.momentMag[k] = 1234.5678 + i;
        bigger.momentLoc[k] = 1.0 + i;
    }
    ASSERT_GT(loadFileText(bigger).size(), old.size() + 100);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = old.size() + 50;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = writeLoadFile(path, bigger);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, std::optional<std::string>("Could not save " + path + "."));
    EXPECT_EQ(contentsOf(path), old);
    EXPECT_EQ(dir.names(), std::set<std::string>{"beam.lod"});

    // Without the limit the same save replaces the file.
    ASSERT_FALSE(writeLoadFile(path, bigger));
    EXPECT_EQ(contentsOf(path), loadFileText(bigger));
}

}  // namespace
}  // namespace spanrix
