#pragma once

// The fixed texts of the help window, kept as data: a new menu command needs one new entry
// in its screen's table.

#include <span>
#include <string_view>

#include "ui/menu_table.h"

namespace spanrix {

// One line of a screen's help, found by the objectName of a menu or item: for a top-level
// menu the caption of its page, for a command what the command does.
struct MenuHelp {
    std::string_view name;
    std::string_view text;
};

// The help of one screen's menu: the caption of its page, the menu it describes and the
// lines for that menu.
struct ScreenHelp {
    std::string_view caption;
    std::span<const MenuEntry> menu;
    std::span<const MenuHelp> lines;
};

// Both screens, in the order of their pages.
std::span<const ScreenHelp> screenHelp();

// The help line of that menu or item, empty when it has none.
std::string_view menuHelpText(const ScreenHelp& screen, std::string_view name);

// The other pages of the help window, in order, each with its caption and text.
struct HelpPage {
    std::string_view caption;
    std::string_view text;
};
std::span<const HelpPage> helpPages();

inline constexpr std::string_view kMenuItemsPageCaption = "Description of Menu Items";

// What an input of a dialog takes, its unit and its sign convention: the control's tooltip,
// found by the window's and the control's objectName.
struct InputTip {
    std::string_view window;
    std::string_view control;
    std::string_view text;
};
std::span<const InputTip> inputTips();

}  // namespace spanrix
