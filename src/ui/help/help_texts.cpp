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

constexpr std::string_view kLoadCasesHelp =
    "List every load with its load case: D (dead), L (live), Lr (roof live), S (snow) or W "
    "(wind), for the load combinations and the steel design check. Include the section's "
    "self-weight, or a weight per length typed there, as a dead load.";
constexpr std::string_view kCombinationsHelp =
    "Show the ASCE 7-16 strength or allowable stress combinations of the cases present, with "
    "each one's reactions and extremes over every live-load pattern, and the moment and shear "
    "envelopes with the governing combination at each extreme.";
constexpr std::string_view kSteelCheckHelp =
    "Check a W, S, C or MC steel section to AISC 360-16 for flexure (with lateral-torsional "
    "buckling between brace points), shear and deflection under every combination, and say "
    "whether it passes and which check governs.";

constexpr MenuHelp kLoadingScreenHelp[] = {
    {"Filemenu", "File"},
    {"save",
     "Save the beam to the load configuration file it was last opened from or saved to, "
     "with no window (Ctrl+S). A beam not yet saved opens the Save window. The title shows * "
     "while the beam has changes that are not saved."},
    {"saveloadcfg",
     "Save the beam, its features, its section properties and the resolution in a load "
     "configuration file (*.lod). The Save window chooses the folder and the name, and asks "
     "before it overwrites a file."},
    {"openloadcfg",
     "Open a load configuration file (*.lod) chosen in the Retrieve window. It replaces the "
     "current beam, whose sketch and legend are then drawn again."},
    {"clearrecent",
     "Open Recent lists the last eight load configuration files opened or saved, newest "
     "first; choosing one opens it as Open does. Clear Recent Files empties the list."},
    {"opendesign",
     "Open a Spanrix design file (*.spanrix): the beam with the load cases of its loads, the "
     "self-weight and the steel design check's settings. A load file opens here too."},
    {"savedesignas",
     "Save the beam with its load cases and design settings in a Spanrix design file "
     "(*.spanrix) under a name chosen in a file window. Save then writes that file again."},
    {"importloadcfg",
     "Read a file written by version 1 of Spanrix, chosen in the Import window, into the "
     "current form. Save it afterwards to keep it as a current load configuration file."},
    {"printload",
     "Open the print dialog to print the loading screen's picture and the load configuration: "
     "the beam, its section properties, loads and supports. No results are printed from here; "
     "print them from the calculations screen."},
    {"quitspanrix",
     "Close every window and end Spanrix. A beam with changes that are not saved is asked "
     "about first: Save, Discard or Cancel."},
    {"editmenu", "Edit"},
    {"undo",
     "Take back the last change of the beam (Ctrl+Z): a feature added, edited or removed, "
     "the properties, the resolution, the units, the figures shown, Reinitialize or a file "
     "opened. The item names the change."},
    {"redo", "Make again the change last taken back (Ctrl+Shift+Z or Ctrl+Y)."},
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
    {"designmenu", "Design"},
    {"loadcases", kLoadCasesHelp},
    {"combinations", kCombinationsHelp},
    {"steelcheck", kSteelCheckHelp},
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
    {"save",
     "Save the beam to its load configuration file (Ctrl+S), as the loading screen's Save "
     "does."},
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
    {"designmenu", "Design"},
    {"loadcases", kLoadCasesHelp},
    {"combinations", kCombinationsHelp},
    {"steelcheck", kSteelCheckHelp},
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


// Units are named for both systems, as a dialog may stay open through a conversion.
constexpr std::string_view kFeetTip = "Lengths in this dialog are typed in feet.";
constexpr std::string_view kInchTip = "Lengths in this dialog are typed in inches.";
constexpr std::string_view kDriveTip = "The file system (drive) to show.";
constexpr std::string_view kDirectoryTip =
    "The folders: the one shown, its parents above it and its subfolders below. Double-click "
    "a folder, or press Enter on it, to show it.";
constexpr std::string_view kFilterTip =
    "Which files to list: choose an entry, or type a pattern with * and ? such as *.txt or "
    "beam*.lod.";
constexpr std::string_view kFileListTip =
    "The matching files of the folder: click one to choose it, double-click it to load it.";
constexpr std::string_view kChosenFileTip = "The file chosen in the list.";

constexpr InputTip kInputTips[] = {
    {"properties", "Met", "Work in metric units: newtons or kilograms, and metres."},
    {"properties", "Eng", "Work in English units: pounds, and feet or inches."},
    {"properties", "feet", "The beam length is typed in feet."},
    {"properties", "inch", "The beam length is typed in inches; lengths are then shown in inches."},
    {"properties", "Length",
     "The length of the beam, a positive number: in feet or inches by the option below, or in "
     "metres in metric units."},

    {"load_info", "loadmag",
     "The load's magnitude, not 0: in lb., or in N or kg in metric units. Positive loads act "
     "downward, negative loads upward."},
    {"load_info", "loadloc",
     "Where the load acts, measured from the left end of the beam: from 0 to the beam length, "
     "in feet or inches by the option beside it, or in metres in metric units."},
    {"load_info", "feet", kFeetTip},
    {"load_info", "inch", kInchTip},
    {"load_info", "kg", "The magnitude is typed in kilograms (1 kg weighs 9.80665 N)."},
    {"load_info", "N", "The magnitude is typed in newtons."},

    {"distload_info", "loadmag0",
     "The intensity at the start of the load: in lb/ft or lb/in, or in N/m or kg/m in metric "
     "units. One end may be 0 (a triangular load), not both. Positive loads act downward, "
     "negative loads upward."},
    {"distload_info", "loadmag1",
     "The intensity at the end of the load: in lb/ft or lb/in, or in N/m or kg/m in metric "
     "units. One end may be 0 (a triangular load), not both. Positive loads act downward, "
     "negative loads upward."},
    {"distload_info", "loadstart",
     "Where the load starts, measured from the left end of the beam: from 0 to less than the "
     "beam length, in feet or inches, or in metres in metric units."},
    {"distload_info", "loadend",
     "Where the load ends, measured from the left end of the beam: after its start and at most "
     "the beam length, in feet or inches, or in metres in metric units."},
    {"distload_info", "pf", "The intensities are typed in pounds per foot."},
    {"distload_info", "pi", "The intensities are typed in pounds per inch."},
    {"distload_info", "feet", kFeetTip},
    {"distload_info", "inch", kInchTip},
    {"distload_info", "kg", "The intensities are typed in kilograms per metre (1 kg weighs 9.80665 N)."},
    {"distload_info", "N", "The intensities are typed in newtons per metre."},

    {"moment_info", "loadmag",
     "The moment's magnitude, not 0: in lb-ft or lb-in, or in N-m or kg-m in metric units. "
     "Positive moments turn counterclockwise, negative moments clockwise."},
    {"moment_info", "loadloc",
     "Where the moment acts, measured from the left end of the beam: from 0 to the beam "
     "length, in feet or inches, or in metres in metric units."},
    {"moment_info", "pf", "The magnitude is typed in pound-feet."},
    {"moment_info", "pi", "The magnitude is typed in pound-inches."},
    {"moment_info", "feet", kFeetTip},
    {"moment_info", "inch", kInchTip},
    {"moment_info", "kg", "The magnitude is typed in kilogram-metres (1 kg weighs 9.80665 N)."},
    {"moment_info", "N", "The magnitude is typed in newton-metres."},

    {"support_info", "suploc",
     "Where a simple support stands, measured from the left end of the beam: from 0 to the "
     "beam length, in feet or inches, or in metres in metric units. Not used for a cantilever "
     "support."},
    {"support_info", "feet", kFeetTip},
    {"support_info", "inch", kInchTip},
    {"support_info", "simple",
     "A simple support holds the beam at one point and lets it turn there. Support forces are "
     "positive upward."},
    {"support_info", "cantilever",
     "A cantilever support is placed at the free end of the beam: the first at x = 0, the "
     "second at x = L. It holds the beam fixed, so that it neither moves nor turns there."},

    {"BeamProp", "MomOfI",
     "The area moment of inertia I of the section about the axis it bends about: in in.^4, or "
     "in mm^4 in metric units. Calculate and Choose find it for you."},
    {"BeamProp", "ModE",
     "The modulus of elasticity E of the material: in psi, or in GPa in metric units (steel: "
     "about 29,000,000 psi or 200 GPa)."},
    {"BeamProp", "cdist",
     "The distance c from the neutral axis to the farthest fibre of the section, where the "
     "bending stress is largest: in in., or in mm in metric units."},

    {"I_calc", "roundcs", "A round section: solid bar or pipe."},
    {"I_calc", "squarecs", "A rectangular section: solid bar or rectangular tube."},
    {"I_calc", "solidcs", "A solid section."},
    {"I_calc", "Tubecs", "A hollow section with a wall of even thickness."},
    {"I_calc", "Wth", "The width of the section, across the direction of bending: in in., or in mm in metric units."},
    {"I_calc", "Ht", "The height of the section, in the direction of bending: in in., or in mm in metric units."},
    {"I_calc", "Wall",
     "The wall thickness of the tube, less than half its width and half its height: in in., or "
     "in mm in metric units."},
    {"I_calc", "OD", "The outer diameter: in in., or in mm in metric units."},
    {"I_calc", "ID", "The inner diameter of the pipe, less than the outer one: in in., or in mm in metric units."},
    {"I_calc", "dispmoi", "The calculated moment of inertia: in in.^4, or in mm^4 in metric units."},
    {"I_calc", "cbox",
     "The calculated distance from the neutral axis to the farthest fibre: in in., or in mm in "
     "metric units."},

    {"choose_beam", "EngTab", "The kind of section. Each tab lists the sections of that kind in beams.lst."},
    {"choose_beam", "values(0)", "Choose a section to see its values."},
    {"choose_beam", "values(1)", "Choose a section to see its values."},
    {"choose_beam", "values(2)", "Choose a section to see its values."},
    {"choose_beam", "values(3)", "Choose a section to see its values."},
    {"choose_beam", "values(4)", "Choose a section to see its values."},
    {"choose_beam", "moi(0)",
     "The moment of inertia about the X-X axis: in in^4, or in 10^6 mm^4 in metric units."},
    {"choose_beam", "moi(1)",
     "The moment of inertia about the Y-Y axis: in in^4, or in 10^6 mm^4 in metric units."},
    {"choose_beam", "distc(0)",
     "The distance from the neutral axis to the farthest fibre for bending about X-X: in in, "
     "or in mm in metric units."},
    {"choose_beam", "distc(1)",
     "The distance from the neutral axis to the farthest fibre for bending about Y-Y: in in, "
     "or in mm in metric units."},

    {"Saveload", "Savename",
     "The name to save as; \".lod\" is added to a name without an extension. A name with \"/\" "
     "is a path: from the folder shown, from the root, or from your home folder (~/). A name "
     "may not hold * or ?."},
    {"Saveload", "drivelist", kDriveTip},
    {"Saveload", "dirlist", kDirectoryTip},
    {"getload", "drivelist", kDriveTip},
    {"getload", "dirlist", kDirectoryTip},
    {"getload", "filetype", kFilterTip},
    {"getload", "flist", kFileListTip},
    {"getload", "loadfile", kChosenFileTip},
    {"importload", "drivelist", kDriveTip},
    {"importload", "dirlist", kDirectoryTip},
    {"importload", "filetype", kFilterTip},
    {"importload", "flist", kFileListTip},
    {"importload", "loadfile", kChosenFileTip},

    {"print_info", "title", "A title for the top of the report."},
    {"print_info", "BeamProp", "Print the beam length and its section properties I, E and c."},
    {"print_info", "LoadText", "Print the loads, moments and supports as text."},
    {"print_info", "LoadImage", "Print the picture of the loading screen."},
    {"print_info", "SupReac", "Print the support reactions of the last calculation (upward positive)."},
    {"print_info", "MaxVal", "Print the largest moment, stress, slope and deflection with their locations."},
    {"print_info", "PtVal", "Print the values at the location typed below."},
    {"print_info", "CalcImage", "Print the picture of the calculations screen."},
    {"print_info", "LoadCombinations",
     "Print the load cases, each strength combination with its reactions and extremes, and "
     "the envelope's extremes."},
    {"print_info", "SteelCheck", "Print the last steel design check: its inputs, each check and the verdict."},
    {"print_info", "loctext",
     "The location for the values at a point, measured from the left end of the beam: in feet "
     "or inches by the option beside it, or in metres in metric units."},
    {"print_info", "feet", kFeetTip},
    {"print_info", "inch", kInchTip},

    {"pointvalues", "loc",
     "The location to show the values at, measured from the left end of the beam: from 0 to "
     "the beam length, in feet or inches by the option beside it, or in metres in metric units."},
    {"pointvalues", "ft", kFeetTip},
    {"pointvalues", "in", kInchTip},
};

}  // namespace

std::span<const InputTip> inputTips() { return kInputTips; }

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
