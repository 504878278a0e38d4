#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/prompts.h"

namespace spanrix::testing {

// Records every message, question and prompt, and answers from queues. An unscripted
// question answers No, an unscripted prompt and the save question Cancel, so a test never blocks.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        std::string kind;  // "message", "question", "input"
        std::string text;
        std::string title;
        std::string defaultText;
        std::string informative;  // a message's informative text
    };

    void message(const std::string& text, const std::string& title) override
    {
        shown.push_back({"message", text, title, "", ""});
    }
    void explainedMessage(const std::string& text, const std::string& informative,
                          const std::string& title) override
    {
        shown.push_back({"message", text, title, "", informative});
    }
    bool askYesNo(const std::string& text, const std::string& title) override
    {
        shown.push_back({"question", text, title, "", ""});
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    SaveChoice askSaveChanges(const std::string& text, const std::string& title) override
    {
        shown.push_back({"save question", text, title, ""});
        if (saveChoices.empty()) return SaveChoice::Cancel;
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override
    {
        shown.push_back({"input", prompt, title, defaultText, ""});
        if (replies.empty()) return std::nullopt;
        auto reply = replies.front();
        replies.pop_front();
        return reply;
    }

    // Texts of the messages shown so far, in order.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            if (s.kind == "message") out.push_back(s.text);
        return out;
    }
    std::string lastMessage() const
    {
        const auto m = messages();
        return m.empty() ? std::string() : m.back();
    }
    void clear() { shown.clear(); }

    std::deque<bool> answers;                        // Yes/No answers
    std::deque<SaveChoice> saveChoices;              // answers to the save question
    std::deque<std::optional<std::string>> replies;  // prompt replies; nullopt = Cancel
    std::vector<Shown> shown;
};

}  // namespace spanrix::testing
