// spanrix-cli: analyses a saved beam without the windows, for scripts and checks. main
// only picks the command; each command reads its own options.

#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/analyze_command.h"
#include "cli/exit_status.h"
#include "cli/help.h"
#include "cli/output.h"
#include "cli/report_command.h"

int main(int argc, char** argv)
{
    using namespace spanrix::cli;
    // A reader that went away, or a file-size limit reached, is a failed write reported
    // with status 3, not an end without a word.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.empty()) return usageError("no command given", synopses());
        const std::string& command = args.front();
        const std::vector<std::string> words(args.begin() + 1, args.end());
        if (command == "--help" || command == "-h") return printHelp();
        if (command == "analyze") return runAnalyze(words);
        if (command == "report") return runReport(words);
        return usageError("unknown command '" + command + "'", synopses());
    } catch (const std::bad_alloc&) {
        std::cerr << "spanrix-cli: not enough memory to analyse the beam\n";
        return kExitRefused;
    } catch (const std::exception& e) {
        std::cerr << "spanrix-cli: " << e.what() << "\n";
        return kExitRefused;
    }
}
