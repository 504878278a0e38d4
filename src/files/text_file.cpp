#include "files/text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace spanrix {

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || ec) return std::nullopt;
    const auto size = fs::file_size(path, ec);
    if (ec || size > maxBytes) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return text;
}

}  // namespace spanrix
