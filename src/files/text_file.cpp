#include "files/text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

namespace spanrix {

namespace fs = std::filesystem;

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes)
{
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

namespace {

// A fresh name in the target's directory (a rename only replaces atomically within one
// file system), short so that any name that can be saved can also have a temporary.
fs::path temporaryBeside(const fs::path& target)
{
    std::random_device seed;
    std::mt19937 generator(seed());
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    fs::path candidate;
    std::error_code ec;
    do {
        std::ostringstream name;
        name << ".spanrix-save-" << std::hex << digits(generator) << ".tmp";
        candidate = target.parent_path() / name.str();
    } while (fs::exists(candidate, ec));
    return candidate;
}

}  // namespace

std::string saveFailureMessage(std::string_view path)
{
    return "Could not save " + std::string(path) + ".";
}

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes)
{
    const fs::path target(path);
    if (target.filename().empty()) return saveFailureMessage(path);
    const fs::path temporary = temporaryBeside(target);

    bool written = false;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            file.flush();
            written = file.good();
            file.close();
            written = written && !file.fail();
        }
    }
    std::error_code ec;
    // Keep the permissions an existing file had.
    if (written && fs::exists(target, ec)) {
        fs::permissions(temporary, fs::status(target, ec).permissions(), ec);
    }
    if (written) {
        fs::rename(temporary, target, ec);
        if (!ec) return std::nullopt;
    }
    fs::remove(temporary, ec);
    return saveFailureMessage(path);
}

}  // namespace spanrix
