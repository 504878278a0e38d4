#pragma once

// The feature legend as data: four labels per feature row, in feature order. The loading
// screen mirrors these records as label widgets; everything else finds a feature's labels
// through group(row).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/app_state.h"
#include "drawing/surface.h"

namespace spanrix {

// One label; positions and sizes in twips, relative to the drawing surface.
struct LegendLabel {
    std::string name;
    std::string caption;
    double left = 0.0;
    double top = 0.0;
    double width = 1000.0;
    double height = 200.0;
    bool bold = false;
    bool underlined = false;
    bool visible = true;
    bool autoSize = false;  // grows to its caption (the reaction label)
    Rgb colour = kBlack;

    bool operator==(const LegendLabel&) const = default;
};

inline constexpr Rgb kReactionColour{185, 0, 0};

// Number, title, value and second value label of one feature row.
struct LegendGroup {
    enum Slot { Number = 0, Title = 1, Value = 2, Second = 3 };
    std::array<LegendLabel, 4> labels;
    LegendLabel& operator[](int slot) { return labels[static_cast<size_t>(slot)]; }
    const LegendLabel& operator[](int slot) const { return labels[static_cast<size_t>(slot)]; }
};

class Legend {
public:
    // Reads the model, the screen geometry and the display figures from the state.
    explicit Legend(const AppState& state) : state_(state) {}

    // The builders: when count > shown, shown := count and the group of entry `count` of
    // the kind is built as feature row `number` (nothing for an entry that is not live).
    // A new maximum moves the older groups to the new scale.
    void addPointLoadLegend(int count, int& shown, int number);
    void addDistLoadLegend(int count, int& shown, int number);
    void addMomentLegend(int count, int& shown, int number);
    void addSupportLegend(int count, int& shown, int number);
    // Four empty labels named "blank" + row + 1..4 holding the place of a removed feature.
    void addBlankGroup(int row);

    // Moves the groups of rows 1..limit-1 to the current sketch scale.
    void relayoutLegend(int limit);
    // Rewrites value captions of every live row; empties the support reaction captions.
    void refreshLegendCaptions();
    // After an edit: captions and left edges follow the feature's new values.
    void updateLegendGroup(int row);
    // Removal: the four captions become empty; the labels stay in place.
    void blankGroupCaptions(int row);
    // A support's reaction in its second value label, calculated for the model as it is.
    void setReactionCaption(int row, const std::string& caption);
    // Empties the reaction captions once the model is no longer the beam they were
    // calculated for. Returns whether it did.
    bool clearStaleReactions();
    // The model reset: every group goes.
    void clear();

    // Everything the legend shows, to show it again exactly (undo).
    struct Saved {
        std::vector<LegendGroup> groups;
        std::optional<BeamModel> reactionsFor;
        std::vector<int> reactionRows;
    };
    Saved saved() const { return {groups_, reactionsFor_, reactionRows_}; }
    void restore(const Saved& saved);
    // After a file was read: every row in feature order, blank groups for rows not live.
    void rebuild();
    // The screen geometry changed: every group is placed anew as rebuild() places it, with
    // the captions and reactions it shows.
    void followGeometry();

    // The group of feature row n (from 1), or nullptr when it has none.
    const LegendGroup* group(int row) const;
    int rowCount() const { return static_cast<int>(groups_.size()); }
    const LegendLabel* find(std::string_view name) const;
    // Rises with every change, so a mirror can tell when to update.
    unsigned revision() const { return revision_; }

private:
    LegendGroup* mutableGroup(int row);
    // Stores the group as row `row`; missing earlier rows get blank groups.
    void placeGroup(int row, LegendGroup group);
    // The part every builder shares; true when the group was placed.
    bool addGroup(FeatureKind kind, int count, int& shown, int number);
    LegendGroup builtGroup(FeatureKind kind, int k, int row) const;
    void setLefts(LegendGroup& g, FeatureKind kind, int k) const;
    double featureX(FeatureKind kind, int k) const;

    void forgetReactions();

    const AppState& state_;
    std::vector<LegendGroup> groups_;
    unsigned revision_ = 0;
    std::optional<BeamModel> reactionsFor_;  // the beam the shown reactions describe
    std::vector<int> reactionRows_;
};

}  // namespace spanrix
