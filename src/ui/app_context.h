#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "design/beam_check.h"
#include "engine/analysis.h"
#include "files/steel_design_table.h"
#include "files/section_catalogue.h"
#include "model/app_state.h"
#include "ui/beam_document.h"
#include "ui/prompts.h"

namespace spanrix {

// What every window works on: the program's state, the beam document and the prompts.
// Owned by the application object and passed to windows by reference.
struct AppContext {
    explicit AppContext(Prompts& p)
        : prompts(p),
          catalogueLocations(sectionCatalogueLocations(QCoreApplication::applicationDirPath().toStdString())),
          designTableLocations(steelDesignTableLocations(QCoreApplication::applicationDirPath().toStdString()))
    {
    }

    AppState state;
    // Every change of the beam in `state` goes through it.
    BeamDocument document{state};
    Prompts& prompts;
    // Where the section chooser looks for its catalogue; the first one found is read.
    std::vector<std::string> catalogueLocations;
    // Where the design windows look for the steel design table, the same way.
    std::vector<std::string> designTableLocations;
    // The steel design check's last run (for the printed report); its inputs are the beam's.
    std::optional<design::SteelCheckRun> lastSteelCheck;

    // The steel design table, read the first time a design window needs it.
    const SteelDesignRead& steelDesignTable()
    {
        if (!designTableRead_) designTableRead_ = loadSteelDesignTable(designTableLocations);
        return *designTableRead_;
    }

private:
    std::optional<SteelDesignRead> designTableRead_;
};

}  // namespace spanrix
