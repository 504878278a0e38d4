#pragma once

// Running the built spanrix-cli as a shell would, with its output and status captured.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace spanrix::testing {

namespace fs = std::filesystem;

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One word for the shell, whatever bytes it holds (but a single quote).
inline std::string quoted(const std::string& arg) { return "'" + arg + "'"; }

inline fs::path scratchPath(const std::string& suffix)
{
    static int counter = 0;
    return fs::temp_directory_path() /
           ("spanrix-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + suffix);
}

// A scratch file for one test, removed when it goes: written from text, or left for the
// test to write.
struct ScratchFile {
    explicit ScratchFile(const std::string& suffix) : path(scratchPath(suffix)) {}
    ScratchFile(const std::string& text, const std::string& suffix) : ScratchFile(suffix)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() { fs::remove(path); }

    std::string quotedPath() const { return quoted(path.string()); }

    fs::path path;
};

inline const std::string kCli = quoted(SPANRIX_CLI_PATH);

// Runs a shell command line with its standard output and error captured, unless it
// redirects them itself (later redirections win).
inline CliResult runShell(const std::string& command)
{
    const fs::path out = scratchPath(".out");
    const fs::path err = scratchPath(".err");
    const std::string line = "{ " + command + " ; } >" + quoted(out.string()) + " 2>" + quoted(err.string());
    const int status = std::system(line.c_str());
    CliResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    fs::remove(out);
    fs::remove(err);
    return result;
}

// spanrix-cli with the arguments, written as shell words.
inline CliResult runCli(const std::string& arguments) { return runShell(kCli + " " + arguments); }

}  // namespace spanrix::testing
