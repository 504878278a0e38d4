#include "cli/output.h"

#include <iostream>

#include "cli/exit_status.h"
#include "files/text_file.h"

namespace spanrix::cli {

bool flushOutput()
{
    std::cout.flush();
    if (std::cout) return true;
    std::cerr << "spanrix-cli: could not write to standard output\n";
    return false;
}

bool canSave(const std::string& path)
{
    const auto refusal = saveTargetRefusal(path);
    if (refusal) std::cerr << *refusal << "\n";
    return !refusal;
}

int refused(std::string_view message, int status, std::string_view detail)
{
    std::cerr << message;
    if (!detail.empty()) std::cerr << ": " << detail;
    std::cerr << "\n";
    return status;
}

int usageError(std::string_view message, std::string_view synopsis)
{
    std::cerr << "spanrix-cli: " << message << "\nUsage: " << synopsis << "\n";
    return kExitUsage;
}

}  // namespace spanrix::cli
