#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;
using testing::quoted;
using testing::runCli;
using testing::scratchPath;

// A file the dialogs would refuse (a support past the end of a 240 in. beam) is refused on
// reading, in a batch and alone, with the reason after "File access error".
TEST(CliRefusal, RefusedFilesSayWhyInTheBatchLineAndOnStandardError)
{
    const fs::path dir = scratchPath("-refusal");
    fs::create_directories(dir);
    const std::string good = SPANRIX_SOURCE_DIR "/examples/simply_supported_point_load.lod";
    const std::string outside = (dir / "outside.lod").string();
    std::ofstream(outside, std::ios::binary)
        << "1,0,0,2,1,0,0,2,3,\r\n240,2000,0,,,,\r\n4,110,2.9E+07,10000,#FALSE#,#FALSE#\r\n"
           "2000,96\r\n0,\"simp\"\r\n360,\"simp\"\r\n\"su1\",\"ft\",\"lb\"\r\n"
           "\"su2\",\"ft\",\"lb\"\r\n\"pt1\",\"ft\",\"lb\"\r\n";

    const std::string why = outside + ": line 6: support 2 at 360 lies outside the beam (0 to 240)";
    const auto batch = runCli("analyze " + quoted(good) + " " + quoted(outside) + " " + quoted(dir.string()));
    EXPECT_EQ(batch.exitCode, 3);
    std::vector<nlohmann::json> lines;
    for (size_t start = 0, end; (end = batch.out.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(nlohmann::json::parse(batch.out.substr(start, end - start)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].contains("reactions"));
    EXPECT_EQ(lines[1], (nlohmann::json{{"file", outside}, {"error", "File access error"}, {"detail", why}}));
    EXPECT_EQ(lines[2]["detail"], dir.string() + ": not a regular file");

    const auto alone = runCli("analyze " + quoted(outside));
    EXPECT_EQ(alone.exitCode, 3);
    EXPECT_EQ(alone.out, "");
    EXPECT_EQ(alone.err, "File access error: " + why + "\n");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace spanrix
