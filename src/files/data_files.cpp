#include "files/data_files.h"

#include <filesystem>
#include <system_error>

namespace spanrix {

namespace fs = std::filesystem;

std::vector<std::string> dataFileLocations(const std::string& programDir, std::string_view fileName)
{
    const fs::path dir(programDir);
    return {std::string(fileName), (dir / fileName).string(),
            (dir / ".." / "share" / "spanrix" / fileName).string()};
}

std::string shownPath(const std::string& location)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(location, ec);
    return (ec ? fs::path(location) : absolute).lexically_normal().string();
}

// Built by appending: optimising, GCC 12 warns (-Wrestrict) on "literal" + std::string.
std::string inQuotes(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

}  // namespace spanrix
