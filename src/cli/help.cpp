#include "cli/help.h"

#include <iostream>
#include <string>

#include "cli/analyze_command.h"
#include "cli/exit_status.h"
#include "cli/output.h"
#include "cli/report_command.h"

namespace spanrix::cli {

namespace {

constexpr std::string_view kOptionRules =
    "Options may come before, between or after the FILEs. An option's value follows it as\n"
    "the next word or after \"=\" (--at 5 or --at=5); the next word is never taken as a\n"
    "value when it is an option itself. \"--\" ends the options: every word after it is a\n"
    "FILE. An option that takes one value may be given once.\n";

constexpr std::string_view kExitStatus =
    "Exit status: 0 success; 2 usage error (also an output file that names an input\n"
    "file); 3 file access error: a FILE not read, an output file not written (\"Could not\n"
    "save OUT.\", the file that was there left as it was), or standard output not\n"
    "written; 4 beam refused by the analysis (its message on standard error).\n";

}  // namespace

std::string synopses()
{
    return std::string(kAnalyzeSynopsis) + "\n       " + std::string(kReportSynopsis) +
           "\n       spanrix-cli --help";
}

int printHelp()
{
    std::cout << "Usage: " << synopses() << "\n\n"
              << kOptionRules << "\n"
              << kAnalyzeHelp << "\n"
              << kReportHelp << "\n"
              << kExitStatus;
    return flushOutput() ? kExitSuccess : kExitFileAccess;
}

}  // namespace spanrix::cli
