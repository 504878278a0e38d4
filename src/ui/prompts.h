#pragma once

#include <optional>
#include <string>

namespace spanrix {

inline constexpr const char* kAppTitle = "Spanrix";

// The answers to the question asked before unsaved changes would be lost.
enum class SaveChoice { Save, Discard, Cancel };

// Message boxes and text prompts. The program talks to the user only through this, so
// tests can script the answers and never block on a modal box.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message with an OK button.
    virtual void message(const std::string& text, const std::string& title = kAppTitle) = 0;
    // The same with informative text under the message that says more, such as why a file
    // was refused; the message itself keeps its exact words.
    virtual void explainedMessage(const std::string& text, const std::string& informative,
                                  const std::string& title = kAppTitle) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title = kAppTitle) = 0;
    // A text-input prompt; nullopt for Cancel. An empty reply comes back as "".
    virtual std::optional<std::string> input(const std::string& prompt,
                                             const std::string& title = kAppTitle,
                                             const std::string& defaultText = "") = 0;
    // A question with Save, Discard and Cancel buttons.
    virtual SaveChoice askSaveChanges(const std::string& text, const std::string& title = kAppTitle) = 0;
};

}  // namespace spanrix
