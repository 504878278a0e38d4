#pragma once

#include <optional>
#include <string>

namespace spanrix::cli {

// A command-line word split at its first "=" when it is a long option: "--at=5" is the
// option "--at" with the value "5"; any other word is its own name.
struct OptionWord {
    std::string name;
    std::optional<std::string> attached;
};

inline OptionWord splitOption(const std::string& word)
{
    const size_t equals = word.find('=');
    if (word.rfind("--", 0) != 0 || equals == std::string::npos) return {word, std::nullopt};
    return {word.substr(0, equals), word.substr(equals + 1)};
}

}  // namespace spanrix::cli
