#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace spanrix {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kExample = SPANRIX_SOURCE_DIR "/examples/propped_cantilever.lod";

// Runs a shell command line; its standard output and exit status.
std::pair<int, std::string> shell(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {-1, out};
    std::array<char, 4096> buffer{};
    while (const size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::pair<int, std::string> report(const std::string& arguments)
{
    return shell(std::string("'") + SPANRIX_CLI_PATH + "' report " + arguments + " 2>/dev/null");
}

TEST(CliReport, WritesEverySectionWithTheReactions)
{
    const auto [status, text] = report("'" + kExample + "' --title 'Check 1' --at 72");
    ASSERT_EQ(status, 0);
    for (const char* line :
         {"                                           SPANRIX V2.0 REPORT\n", "\n    Check 1\n",
          "\n        Beam Length = 12 ft.\n",
          "\n        Cantilever support; 0 ft., Reaction=4500 lb., 130000 lb.-in.\n",
          "\n        Maximum Bending Moment = -10800 lb.-ft. at x=0 ft.\n",
          "\n    VALUES AT A POINT (X=72 in.)\n", "\n        Bending Moment=5400 lb.-ft.\n"})
        EXPECT_THAT(text, HasSubstr(line));

    // The exact section only on request, after the maximum values.
    EXPECT_THAT(text, Not(HasSubstr("EXACT")));
    const std::string exact = report("'" + kExample + "' --exact").second;
    const size_t section = exact.find("\n    EXACT MAXIMUM VALUES\n");
    ASSERT_NE(section, std::string::npos);
    EXPECT_GT(section, exact.find("\n    MAXIMUM VALUES\n"));
    EXPECT_THAT(exact.substr(section), HasSubstr("\n        Maximum Shear Force = 4.5 kips at x=0 ft.\n"));

    EXPECT_EQ(report("'" + kExample + "' --at 145").first, 2);  // beyond the 144 in. beam
    EXPECT_EQ(report("'" + kExample + "' --at 1 --at 2").first, 2);
    EXPECT_EQ(report("missing.lod").first, 3);
}

TEST(CliReport, PdfIsDrawnWithoutADisplay)
{
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() /
                                      ("spanrix-report-" + std::to_string(::getpid()) + ".pdf");
    const auto [status, out] =
        shell("env -u DISPLAY -u QT_QPA_PLATFORM '" + std::string(SPANRIX_CLI_PATH) + "' report '" +
              kExample + "' --title 'Check\t2' --pdf '" + pdf.string() + "' 2>/dev/null");
    ASSERT_EQ(status, 0);
    EXPECT_EQ(out, "");
    const std::string info = shell("pdfinfo '" + pdf.string() + "'").second;
    EXPECT_THAT(info, HasSubstr("Title:           Check 2\n"));  // the tab made a blank
    EXPECT_THAT(info, ::testing::ContainsRegex("Pages: +3"));
    const std::string text = shell("pdftotext -f 3 '" + pdf.string() + "' -").second;
    EXPECT_THAT(text, HasSubstr("SPANRIX V2.0 REPORT"));
    EXPECT_THAT(text, HasSubstr("Check 2"));
    EXPECT_THAT(text, HasSubstr("Simple support; 12 ft., Reaction=2700 lb."));
    EXPECT_THAT(shell("pdftotext -f 2 -l 2 '" + pdf.string() + "' -").second,
                HasSubstr("DEFLECTION"));
    std::filesystem::remove(pdf);
}

}  // namespace
}  // namespace spanrix
