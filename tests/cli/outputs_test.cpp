#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::CliResult;
using testing::kCli;
using testing::quoted;
using testing::runCli;
using testing::runShell;
using testing::slurp;

const std::string kBeam = SPANRIX_SOURCE_DIR "/examples/propped_cantilever.lod";

// A folder of its own for each test, removed with everything in it.
struct Folder {
    fs::path path = testing::scratchPath(".d");
    Folder() { fs::create_directory(path); }
    ~Folder()
    {
        fs::permissions(path, fs::perms::owner_all);
        fs::remove_all(path);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(path)) out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

void expectCouldNotSave(const CliResult& r, const std::string& path, const std::string& what)
{
    EXPECT_EQ(r.exitCode, 3) << what;
    EXPECT_THAT(r.err, HasSubstr("Could not save " + path + ".\n")) << what;
    EXPECT_EQ(r.out, "") << what;
}

// Outputs never destroy what was there, never block, go to exactly the name given, and a
// failure, standard output's included, is never reported as success.
TEST(CliOutputs, NeverDestroyAFileNorReportAFailureAsSuccess)
{
    Folder dir;
    const std::string pdf = dir / "report.pdf";
    ASSERT_EQ(runCli("report " + quoted(kBeam) + " --pdf " + quoted(pdf)).exitCode, 0);
    const std::string old = slurp(pdf);

    // A full disk, here a file-size limit even root obeys: the PDF stays byte for byte.
    const std::string limited = "ulimit -f 64; " + kCli + " report " + quoted(kBeam) + " --pdf " + quoted(pdf);
    expectCouldNotSave(runShell(limited), pdf, "full disk");
    EXPECT_EQ(slurp(pdf), old);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"report.pdf"});

    // Targets that are no regular file are refused at once; a FIFO would block for ever.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const std::string& target : {dir / "fifo", std::string("/dev/full"), dir.path.string()}) {
        expectCouldNotSave(runCli("report " + quoted(kBeam) + " --pdf " + quoted(target)), target, "pdf");
        expectCouldNotSave(runCli("analyze " + quoted(kBeam) + " --csv " + quoted(target)), target, "csv");
    }

    // A read-only folder, unless permissions do not bind this user (root).
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir.path.c_str(), W_OK) != 0) {
        expectCouldNotSave(runCli("report " + quoted(kBeam) + " --pdf " + quoted(pdf)), pdf, "read-only");
        EXPECT_EQ(slurp(pdf), old);
    }
    fs::permissions(dir.path, fs::perms::owner_all);

    // An output that names an input, by any spelling, is a usage error; nothing is written.
    const std::string beam = dir / "beam.lod";
    fs::copy_file(kBeam, beam);
    fs::create_symlink("beam.lod", dir / "link.lod");
    for (const std::string& args : {"analyze " + quoted(beam) + " --csv " + quoted(dir / "link.lod"),
                                    "report " + quoted(dir / "link.lod") + " --pdf " + quoted(beam),
                                    "report " + quoted(beam) + " --pdf " + quoted(dir.path.string() + "/./beam.lod")}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_THAT(r.err, HasSubstr("names the input file")) << args;
    }
    EXPECT_EQ(slurp(beam), slurp(kBeam));

    // A name that is not UTF-8 gets its own line, valid JSON, and the batch goes on.
    fs::remove(pdf);
    fs::remove(beam);
    fs::remove(dir / "link.lod");
    fs::remove(dir / "fifo");
    const std::string odd = dir / "beam\xff.lod";
    fs::copy_file(kBeam, odd);
    const CliResult batch = runCli("analyze " + quoted(odd) + " " + quoted(kBeam));
    EXPECT_EQ(batch.exitCode, 0) << batch.err;
    const size_t end = batch.out.find('\n');
    ASSERT_NE(end, std::string::npos);
    const nlohmann::json first = nlohmann::json::parse(batch.out.substr(0, end));
    EXPECT_EQ(first["file"], (dir.path / "beam\xEF\xBF\xBD.lod").string());
    EXPECT_EQ(first["reactions"][0]["force"], 4500.0);
    EXPECT_EQ(nlohmann::json::parse(batch.out.substr(end + 1))["file"], kBeam);

    // The PDF goes to exactly the name given, and a failure names it as given.
    const std::string oddPdf = dir / "out\xfe.pdf";
    EXPECT_EQ(runCli("report " + quoted(odd) + " --pdf " + quoted(oddPdf)).exitCode, 0);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"beam\xff.lod", "out\xfe.pdf"}));
    expectCouldNotSave(runCli("report " + quoted(odd) + " --pdf " + quoted(dir / "no\xfe/x.pdf")),
                       dir / "no\xfe/x.pdf", "missing folder");

    // Standard output that cannot be written fails every command with 3, --help included.
    for (const std::string& args : {std::string("--help"), "analyze " + quoted(kBeam) + " --exact",
                                    "analyze " + quoted(kBeam) + " " + quoted(kBeam), "report " + quoted(kBeam),
                                    "analyze " + quoted(kBeam) + " --csv -"}) {
        const CliResult full = runShell(kCli + " " + args + " >/dev/full");
        EXPECT_EQ(full.exitCode, 3) << args;
        EXPECT_EQ(full.err, "spanrix-cli: could not write to standard output\n") << args;
    }
    // A reader that goes away: far more than a pipe holds, read one byte of.
    const std::string status = dir / "status";
    runShell("{ " + kCli + " analyze " + quoted(kBeam) + " --resolution 200000 --csv -; echo $? >" +
             quoted(status) + "; } | head -c 1 >/dev/null");
    EXPECT_EQ(slurp(status), "3\n");
}

}  // namespace
}  // namespace spanrix
