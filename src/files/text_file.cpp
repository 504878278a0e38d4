#include "files/text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

namespace spanrix {

namespace fs = std::filesystem;

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes,
                                         std::string* problem)
{
    auto fail = [problem](std::string why) -> std::optional<std::string> {
        if (problem) *problem = std::move(why);
        return std::nullopt;
    };
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return fail("no such file");
    if (ec) return fail(ec.message());
    if (!fs::is_regular_file(status)) return fail("not a regular file");
    const auto size = fs::file_size(path, ec);
    if (ec) return fail(ec.message());
    if (size > maxBytes)
        return fail("larger than " + std::to_string(maxBytes / (1024 * 1024)) +
                    " MB, too large for this kind of file");
    std::ifstream file(path, std::ios::binary);
    if (!file) return fail("it cannot be opened for reading");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return fail("it could not be read to its end");
    return text;
}

namespace {

// The file a save lands in. A symbolic link is followed to the file it names (which need
// not exist yet), so that the save replaces that file and the link stays a link.
std::optional<fs::path> followLinks(fs::path path)
{
    constexpr int kMaxLinks = 40;  // as the system's own limit: a longer chain is a loop
    std::error_code ec;
    for (int links = 0; fs::is_symlink(fs::symlink_status(path, ec)); ++links) {
        if (links == kMaxLinks) return std::nullopt;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// Whether a save may replace what is at target: nothing, or a regular file this user can
// write. A rename would put a file in place of a device or a FIFO, or over a file the user
// was not allowed to change.
bool replaceable(const fs::path& target)
{
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (!fs::exists(status)) return status.type() == fs::file_type::not_found;
    if (!fs::is_regular_file(status)) return false;
    // Opening to append writes nothing, and tells whether writing is allowed.
    return std::ofstream(target, std::ios::binary | std::ios::app).is_open();
}

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

// The file a save to path replaces, or nullopt when it must not be replaced.
std::optional<fs::path> saveTarget(const std::string& path)
{
    if (fs::path(path).filename().empty()) return std::nullopt;
    std::optional<fs::path> target = followLinks(path);
    if (!target || !replaceable(*target)) return std::nullopt;
    return target;
}

}  // namespace

std::string saveFailureMessage(std::string_view path)
{
    return "Could not save " + std::string(path) + ".";
}

std::optional<std::string> saveTargetRefusal(const std::string& path)
{
    if (!saveTarget(path)) return saveFailureMessage(path);
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec) return true;
    // Names of files that do not exist yet: the same once spelt out in full.
    const fs::path fullA = fs::weakly_canonical(a, ec);
    if (ec) return false;
    const fs::path fullB = fs::weakly_canonical(b, ec);
    return !ec && fullA == fullB;
}

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes)
{
    const std::optional<fs::path> found = saveTarget(path);
    if (!found) return saveFailureMessage(path);
    const fs::path& target = *found;
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
        const fs::perms kept = fs::status(target, ec).permissions();
        if (!ec) fs::permissions(temporary, kept, ec);
        written = !ec;
    }
    if (written) {
        fs::rename(temporary, target, ec);
        if (!ec) return std::nullopt;
    }
    fs::remove(temporary, ec);
    return saveFailureMessage(path);
}

}  // namespace spanrix
