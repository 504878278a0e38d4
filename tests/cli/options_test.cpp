#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace spanrix {
namespace {

using ::testing::HasSubstr;
using testing::CliResult;
using testing::quoted;
using testing::runCli;

// The same option rules in both commands, and the report's title and location as printed.
TEST(CliOptions, MeanOneThingInEveryCommand)
{
    const std::string f = quoted(SPANRIX_SOURCE_DIR "/examples/propped_cantilever.lod");
    struct Case {
        std::string args;
        int exitCode;
        std::string inOutput;  // on standard output or standard error
    };
    const std::vector<Case> cases = {
        // A value is never the next option.
        {"analyze " + f + " --csv --exact", 2, "--csv needs a value"},
        {"report " + f + " --pdf --exact", 2, "--pdf needs a value"},
        {"report " + f + " --title -h", 2, "--title needs a value"},
        {"analyze " + f + " --at -1", 2, "--at -1 lies outside the beam"},  // a number is a value
        // A single-valued option given twice.
        {"analyze " + f + " --resolution 10 --resolution=20", 2, "--resolution given more than once"},
        {"analyze " + f + " --csv a.csv --csv b.csv", 2, "--csv given more than once"},
        {"report " + f + " --title a --title=b", 2, "--title given more than once"},
        {"report " + f + " --at 1 --at 2", 2, "--at given more than once"},
        {"report " + f + " --exact=yes", 2, "--exact takes no value"},
        // "--" ends the options: what follows is a FILE.
        {"analyze " + f + " -- --exact", 3, "File access error"},
        {"report -- --exact", 3, "File access error"},
        {"analyze --exact -- " + f, 0, "\"exact\":"},
        // Both spellings of a value.
        {"analyze " + f + " --resolution=10 --at=72", 0, "\"resolution\":10,"},
        {"report " + f + " --at=72 --title=--x", 0, "\n    --x\n"},
        // The title keeps printable text: each control character or sequence is one blank.
        {"report " + f + " --title 'a\tb\x1b[1;31mc\r\nd\x7f" "e'", 0, "\n    a b c d e\n"},
        // The location as a number, whatever was typed.
        {"report " + f + " --at +72", 0, "VALUES AT A POINT (X=72 in.)\n"},
        {"report " + f + " --at ' 7.2e1'", 0, "VALUES AT A POINT (X=72 in.)\n"},
        {"report " + f + " --at 0.000015e0", 0, "VALUES AT A POINT (X=1.5E-05 in.)\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args << "\n" << r.err;
        EXPECT_THAT(r.out + r.err, HasSubstr(c.inOutput)) << c.args;
        if (c.exitCode == 2) {
            EXPECT_THAT(r.err, HasSubstr("\nUsage: spanrix-cli ")) << c.args;
        }
    }
}

}  // namespace
}  // namespace spanrix
