#include "files/file_picking.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace spanrix {

namespace fs = std::filesystem;

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Position after the (UTF-8) character starting at pos.
size_t nextCharacter(std::string_view text, size_t pos)
{
    ++pos;
    while (pos < text.size() && isContinuationByte(text[pos])) ++pos;
    return pos;
}

// The character `count` characters from the end (1 = the last), or nullopt when the text
// is shorter. Names are UTF-8; counting bytes would miscount "é".
std::optional<std::string_view> characterFromEnd(std::string_view text, int count)
{
    size_t pos = text.size();
    size_t end = pos;
    for (int i = 0; i < count; ++i) {
        if (pos == 0) return std::nullopt;
        end = pos;
        --pos;
        while (pos > 0 && isContinuationByte(text[pos])) --pos;
    }
    return text.substr(pos, end - pos);
}

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string saveChangesQuestion(std::string_view fileName)
{
    return "Save changes to " + (fileName.empty() ? std::string("the new beam") : std::string(fileName)) + "?";
}

std::string completeSaveName(std::string_view name)
{
    std::optional<std::string_view> marker = characterFromEnd(name, 4);
    if (!marker && !name.empty()) marker = name.substr(0, nextCharacter(name, 0));
    std::string result(name);
    if (!marker || *marker != ".") result += ".lod";
    return result;
}

std::optional<std::string> saveNameRefusal(std::string_view name)
{
    if (name.empty() || name.front() == '.')
        return std::string("A file name may not be empty or start with a point.");
    if (name.find_first_of("*?/") == std::string_view::npos) return std::nullopt;
    return std::string("A file name may not contain *, ? or /.");
}

std::string filterPattern(std::string_view filterText)
{
    if (filterText.starts_with("*.*")) return "*.*";
    if (filterText.starts_with(kLoadFilePattern)) return std::string(kLoadFilePattern);
    return std::string(filterText);
}

bool matchesPattern(std::string_view pattern, std::string_view name)
{
    if (pattern == "*.*") return true;
    // Greedy matching with a single backtrack point: the last "*" seen.
    size_t p = 0;
    size_t n = 0;
    size_t starPattern = std::string_view::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n = nextCharacter(name, n);
        } else if (p < pattern.size() && foldCase(pattern[p]) == foldCase(name[n])) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern;
            starName = nextCharacter(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool refreshWhileTyping(std::string_view filterText)
{
    return characterFromEnd(filterText, 4) == std::optional<std::string_view>(".") ||
           filterText.ends_with(".*");
}

bool refreshOnFocusLoss(std::string_view filterText)
{
    return !refreshWhileTyping(filterText) && !filterText.ends_with(")");
}

void sortListBox(std::vector<std::string>& entries)
{
    // std::string compares bytes as unsigned values, and UTF-8 byte order is code-point order.
    std::sort(entries.begin(), entries.end());
}

std::string composePath(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (!path.ends_with('/')) path += '/';
    path += name;
    return path;
}

std::vector<std::string> directoryChain(std::string_view directory)
{
    std::vector<std::string> chain;
    fs::path built;
    for (const fs::path& part : fs::path(directory).lexically_normal()) {
        if (part.empty()) continue;  // a trailing separator
        built /= part;
        chain.push_back(built.string());
    }
    return chain;
}

std::optional<DirectoryListing> listDirectory(const std::string& directory)
{
    DirectoryListing listing;
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with('.')) continue;
        std::error_code entryError;  // a broken link is simply not listed
        if (it->is_regular_file(entryError))
            listing.files.push_back(name);
        else if (it->is_directory(entryError))
            listing.subdirectories.push_back(composePath(directory, name));
    }
    if (ec) return std::nullopt;
    sortListBox(listing.files);
    sortListBox(listing.subdirectories);
    return listing;
}

std::vector<std::string> matchingFiles(const DirectoryListing& listing, std::string_view pattern)
{
    std::vector<std::string> names;
    for (const std::string& name : listing.files)
        if (matchesPattern(pattern, name)) names.push_back(name);
    return names;  // the listing is sorted already
}

bool ordinaryFileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string unreadableDirectoryMessage(std::string_view directory)
{
    return "Could not read " + std::string(directory) + ".";
}

}  // namespace spanrix
