#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/prompts.h"

namespace spanrix {

// Prompts shown as Qt message boxes and input dialogs, modal to the active window.
class QtPrompts : public Prompts {
public:
    void message(const std::string& text, const std::string& title = kAppTitle) override;
    void explainedMessage(const std::string& text, const std::string& informative,
                          const std::string& title = kAppTitle) override;
    bool askYesNo(const std::string& text, const std::string& title = kAppTitle) override;
    SaveChoice askSaveChanges(const std::string& text, const std::string& title = kAppTitle) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title = kAppTitle,
                                     const std::string& defaultText = "") override;
};

}  // namespace spanrix
