#include "cli/options.h"

#include <algorithm>

namespace spanrix::cli {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether a word is an option rather than a value: "--..." or "-x", but not "-" (standard
// output) nor a negative number such as "-1" or "-.5".
bool looksLikeOption(std::string_view word)
{
    if (word.size() < 2 || word[0] != '-') return false;
    return word[1] == '-' || !(isDigit(word[1]) || word[1] == '.');
}

}  // namespace

std::optional<std::string> ParsedOptions::value(std::string_view name) const
{
    const auto it = given.find(name);
    if (it == given.end() || it->second.empty()) return std::nullopt;
    return it->second.front();
}

std::vector<std::string> ParsedOptions::values(std::string_view name) const
{
    const auto it = given.find(name);
    return it == given.end() ? std::vector<std::string>() : it->second;
}

OptionsOutcome parseOptions(const std::vector<std::string>& words, const std::vector<OptionRule>& rules)
{
    OptionsOutcome outcome;
    ParsedOptions& parsed = outcome.options;
    auto refuse = [&outcome](std::string message) {
        outcome.usageError = std::move(message);
        return outcome;
    };
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--") {
            parsed.operands.insert(parsed.operands.end(), words.begin() + static_cast<long>(i) + 1,
                                   words.end());
            break;
        }
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            return outcome;
        }
        if (!looksLikeOption(word)) {
            parsed.operands.push_back(word);
            continue;
        }
        const size_t equals = word.rfind("--", 0) == 0 ? word.find('=') : std::string::npos;
        const std::string name = word.substr(0, equals);
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [&name](const OptionRule& r) { return r.name == name; });
        if (rule == rules.end()) return refuse("unknown option '" + word + "'");

        std::vector<std::string>& values = parsed.given[name];
        if (rule->kind == OptionKind::Flag) {
            if (equals != std::string::npos) return refuse(name + " takes no value");
            continue;
        }
        if (rule->kind == OptionKind::Value && !values.empty())
            return refuse(name + " given more than once");
        if (equals != std::string::npos) {
            values.push_back(word.substr(equals + 1));
        } else if (i + 1 < words.size() && !looksLikeOption(words[i + 1])) {
            values.push_back(words[++i]);
        } else {
            return refuse(name + " needs a value");
        }
    }
    return outcome;
}

std::optional<std::string> singleFileError(const ParsedOptions& options)
{
    if (options.operands.empty()) return "no FILE given";
    if (options.operands.size() > 1) return "more than one FILE given";
    return std::nullopt;
}

}  // namespace spanrix::cli
