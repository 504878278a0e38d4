#pragma once

#include <QCoreApplication>
#include <string>
#include <vector>

#include "engine/analysis.h"
#include "files/section_catalogue.h"
#include "model/app_state.h"
#include "ui/beam_document.h"
#include "ui/prompts.h"

namespace spanrix {

// What every window works on: the program's state, the last analysis and the prompts.
// Owned by the application object and passed to windows by reference.
struct AppContext {
    explicit AppContext(Prompts& p)
        : prompts(p),
          catalogueLocations(sectionCatalogueLocations(QCoreApplication::applicationDirPath().toStdString()))
    {
    }

    AppState state;
    // Every change of the beam in `state` goes through it.
    BeamDocument document{state};
    ReactionSolution reactions;
    ResultSet results;
    Prompts& prompts;
    // Where the section chooser looks for its catalogue; the first one found is read.
    std::vector<std::string> catalogueLocations;
};

}  // namespace spanrix
