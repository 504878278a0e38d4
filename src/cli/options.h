#pragma once

// The one reading of command-line options that every spanrix-cli command uses, so an
// option means the same in each: "--name value" and "--name=value" alike, "--" ends the
// options, a value is never taken from the next option, and a single-valued option may
// be given once.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanrix::cli {

enum class OptionKind {
    Flag,           // no value: --exact
    Value,          // one value, given at most once: --csv OUT
    RepeatedValue,  // a value each time it is given: --at X --at Y
};

struct OptionRule {
    std::string_view name;  // with its dashes: "--csv"
    OptionKind kind;
};

struct ParsedOptions {
    bool help = false;                  // --help or -h before any "--"
    std::vector<std::string> operands;  // everything that is not an option, in order
    std::map<std::string, std::vector<std::string>, std::less<>> given;  // a flag has no values

    bool has(std::string_view name) const { return given.find(name) != given.end(); }
    // The value of a single-valued option, if it was given.
    std::optional<std::string> value(std::string_view name) const;
    // Every value of an option, in the order given.
    std::vector<std::string> values(std::string_view name) const;
};

struct OptionsOutcome {
    ParsedOptions options;
    std::optional<std::string> usageError;
};

// Reads the words that follow the command's name against the command's options.
OptionsOutcome parseOptions(const std::vector<std::string>& words, const std::vector<OptionRule>& rules);

// The usage error of a command that reads one FILE when the operands are not exactly one.
std::optional<std::string> singleFileError(const ParsedOptions& options);

}  // namespace spanrix::cli
