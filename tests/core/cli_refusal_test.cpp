#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include <nlohmann/json.hpp>

namespace spanrix {
namespace {

namespace fs = std::filesystem;

// A file the dialogs would refuse (a support past the end of a 240 in. beam) is refused on
// reading, in a batch and alone, with the reason after "File access error".
TEST(CliRefusal, RefusedFilesSayWhyInTheBatchLineAndOnStandardError)
{
    const fs::path dir = fs::temp_directory_path() / ("spanrix-refusal-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string good = SPANRIX_SOURCE_DIR "/examples/simply_supported_point_load.lod";
    const std::string outside = (dir / "outside.lod").string();
    std::ofstream(outside, std::ios::binary)
        << "1,0,0,2,1,0,0,2,3,\r\n240,2000,0,,,,\r\n4,110,2.9E+07,10000,#FALSE#,#FALSE#\r\n"
           "2000,96\r\n0,\"simp\"\r\n360,\"simp\"\r\n\"su1\",\"ft\",\"lb\"\r\n"
           "\"su2\",\"ft\",\"lb\"\r\n\"pt1\",\"ft\",\"lb\"\r\n";
    const std::string err = (dir / "err").string();
    auto run = [&](const std::vector<std::string>& files) {
        std::string command = std::string("'") + SPANRIX_CLI_PATH + "' analyze";
        for (const std::string& f : files) command += " '" + f + "'";
        FILE* pipe = ::popen((command + " 2>'" + err + "'").c_str(), "r");
        std::string out;
        std::array<char, 4096> buffer{};
        while (const size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
        const int status = ::pclose(pipe);
        std::ifstream errors(err);
        return std::make_tuple(WEXITSTATUS(status), out,
                               std::string(std::istreambuf_iterator<char>(errors), {}));
    };

    const std::string why = outside + ": line 6: support 2 at 360 lies outside the beam (0 to 240)";
    const auto [status, out, errors] = run({good, outside, dir.string()});
    EXPECT_EQ(status, 3);
    std::vector<nlohmann::json> lines;
    for (size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(nlohmann::json::parse(out.substr(start, end - start)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].contains("reactions"));
    EXPECT_EQ(lines[1], (nlohmann::json{{"file", outside}, {"error", "File access error"}, {"detail", why}}));
    EXPECT_EQ(lines[2]["detail"], dir.string() + ": not a regular file");

    const auto [alone, nothing, message] = run({outside});
    EXPECT_EQ(alone, 3);
    EXPECT_EQ(nothing, "");
    EXPECT_EQ(message, "File access error: " + why + "\n");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace spanrix
