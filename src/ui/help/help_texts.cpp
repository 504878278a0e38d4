#include "ui/help/help_texts.h"

#include "ui/calc/calculations_window.h"
#include "ui/loading/loading_window.h"

namespace spanrix {

namespace {

constexpr std::string_view kDocumentationHelp = "Open this help window.";
constexpr std::string_view kAboutHelp =
    "Show the version of Spanrix, with a button that starts the system's information viewer.";
constexpr std::string_view kSigFigsHelp =
    "Choose how many significant figures numbers are shown with. This changes only what is "
    "displayed, never the calculations.";

constexpr MenuHelp kLoadingScreenHelp[] = {
    {"Filemenu", "File"},
    {"saveloadcfg",
     "Save the beam, its features, its section properties and the resolution in a load "
     "configuration file (*.lod). The Save window chooses the folder and the name, and asks "
     "before it overwrites a file."},
    {"openloadcfg",
     "Open a load configuration file (*.lod) chosen in the Retrieve window. It replaces the "
     "current beam, whose sketch and legend are then drawn again."},
    {"importloadcfg",
     "Read a file written by version 1 of Spanrix, chosen in the Import window, into the "
     "current form. Save it afterwards to keep it as a current load configuration file."},
    {"printload",
     "Open the print dialog to print the loading screen's picture and the load configuration: "
     "the beam, its section properties, loads and supports. No results are printed from here; "
     "print them from the calculations screen."},
    {"quitspanrix", "Close every window and end Spanrix. Save the load configuration first to keep it."},
    {"featmenu", "Feature"},
    {"addpointload",
     "Add a concentrated load at a location measured from the left end of the beam. A "
     "positive load acts downward."},
    {"adddistload",
     "Add a distributed load whose intensity varies linearly from its start to its end "
     "location. A positive intensity acts downward."},
    {"addmoment",
     "Add a concentrated moment at a location on the beam. Its sign chooses the direction of "
     "its arc in the sketch."},
    {"addsupport",
     "Add a simple support anywhere on the beam, or a cantilever (fixed) support at an end: "
     "the first cantilever goes to the left end, the second to the right end."},
    {"editfeature",
     "Change the values of a feature, chosen by the number shown in its legend. Simple "
     "supports can be moved; cantilever supports can not."},
    {"removefeature",
     "Take a feature off the beam, chosen by the number shown in its legend. The other "
     "features keep their numbers."},
    {"beammenu", "Beam"},
    {"beamproperties",
     "Enter the section properties: the moment of inertia I, the modulus of elasticity E and "
     "the distance c from the neutral axis to the farthest fibre. I and c can be calculated "
     "for simple sections or taken from a list of standard sections."},
    {"reinitialize", "Delete all features and allow change of beam length."},
    {"calcmenu", "Calculation"},
    {"runcalc",
     "Solve the support reactions and compute bending moment, bending stress, slope and "
     "deflection along the beam, then draw them on the calculations screen. The beam needs "
     "its section properties and enough supports first."},
    {"changerltn",
     "Set the number of calculation intervals along the beam for the next run, at most "
     "200,000. More intervals give finer results and take longer."},
    {"displayprops", "Display"},
    {"redrawscreen", "Redraw screen."},
    {"significantfigs", kSigFigsHelp},
    {"units", "Units"},
    {"metricunits", "Convert all values to metric units."},
    {"englishunits", "Convert all values to English units."},
    {"helpsx", "Help"},
    {"docsx", kDocumentationHelp},
    {"aboutsx", kAboutHelp},
};

constexpr MenuHelp kCalculationsScreenHelp[] = {
    {"filemenu", "File"},
    {"showloading",
     "Close the calculations screen and return to the loading screen, where the support "
     "reactions now show."},
    {"printcalc",
     "Open the print dialog to print pictures of both screens and a text report of the beam "
     "and its results."},
    {"exportcsv",
     "Write the position, bending moment, shear force, bending stress, slope and deflection "
     "at every calculation point to a CSV file for a spreadsheet, in the units the screen "
     "shows."},
    {"saveimages",
     "Save the three diagrams as a picture: a PNG image, or an SVG drawing when the name "
     "ends in \".svg\"."},
    {"calc", "Calculate"},
    {"max", "Show the largest bending moment, bending stress, deflection and slope with their locations."},
    {"point", "Show the bending moment, bending stress, deflection and slope at a location you type."},
    {"displaymenu", "Display"},
    {"redrawscreen",
     "Redraw the beam sketch on the loading screen. The diagrams of this screen are not "
     "drawn again."},
    {"changesignificantfigures", kSigFigsHelp},
    {"sheardiagram",
     "Open a window with the shear force diagram (upward forces left of the section "
     "positive) and the largest shear force with its location."},
    {"exactmax",
     "Show the true largest bending moment, bending stress, deflection, slope and shear "
     "force anywhere on the beam with their locations, from the exact elastic curve rather "
     "than the calculation points, whatever the resolution."},
    {"unitmenu", "Units"},
    {"metricunits", "Convert all values to metric units and draw the diagrams again in them."},
    {"englishunits", "Convert all values to English units and draw the diagrams again in them."},
    {"helpsx", "Help"},
    {"Docsx", kDocumentationHelp},
    {"aboutsx", kAboutHelp},
};

constexpr std::string_view kSuggestedUse =
    "1. Choose the unit system and enter the beam length.\n"
    "2. Add the loads and moments.\n"
    "3. Add the supports.\n"
    "4. Enter the beam properties.\n"
    "5. Save the load configuration.\n"
    "6. Run the calculations and note the maximum stress and deflection.\n"
    "7. Return to the loading screen, where the support loads now show.\n"
    "8. If a result looks wrong, for example a deflection other than zero at a support, "
    "raise the resolution and run the calculations again.";

constexpr std::string_view kMiscellaneousNotes =
    "Program limitations:\n"
    "50 each of point loads, distributed loads, and moments maximum;\n"
    "2 cantilever supports, 20 total supports maximum;\n"
    "Resolution of calculations is 200,000 points maximum.\n"
    "\n"
    "Spanrix is meant for students, and for professionals as a design check and aid. It is "
    "not meant for rigorous structural analysis, and there is no guarantee of the accuracy of "
    "its results.";

constexpr std::string_view kVersionHistory =
    "Version 1.1 :   Released 7/26/00\n"
    "- Fixed minor bugs!\n"
    "\n"
    "Version 2.0 :   Released 12/15/00\n"
    "- Metric units\n"
    "- Linearly varying distributed loads\n"
    "- Choice of standard cross-sections\n"
    "- Printing of reports\n"
    "- Control of the significant figures displayed\n"
    "- Import of version 1 files and filtering of file lists\n"
    "- Assisted calculation of the moment of inertia\n"
    "- Minor fixes";

constexpr HelpPage kPages[] = {
    {"Suggested Use of Program", kSuggestedUse},
    {"Miscellaneous Notes", kMiscellaneousNotes},
    {"Version History", kVersionHistory},
};

}  // namespace

std::span<const ScreenHelp> screenHelp()
{
    static const ScreenHelp screens[] = {
        {"Loading Screen", loadingScreenMenu(), kLoadingScreenHelp},
        {"Calculations Screen", calculationsScreenMenu(), kCalculationsScreenHelp},
    };
    return screens;
}

std::string_view menuHelpText(const ScreenHelp& screen, std::string_view name)
{
    for (const MenuHelp& line : screen.lines)
        if (line.name == name) return line.text;
    return {};
}

std::span<const HelpPage> helpPages() { return kPages; }

}  // namespace spanrix
