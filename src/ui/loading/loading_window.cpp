#include "ui/loading/loading_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QUndoStack>
#include <algorithm>
#include <any>
#include <cmath>
#include <utility>

#include "files/design_file.h"
#include "files/file_picking.h"
#include "geometry/geometry.h"
#include "legend/legend_captions.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
#include "ui/menu_table.h"
#include "drawing/legend_painting.h"
#include "drawing/sketch.h"
#include "ui/loading/sketch_pointer.h"
#include "ui/qt_surface.h"
#include "ui/window_title.h"
#include "ui/work_area.h"

namespace spanrix {

namespace {

constexpr const char* kCaption = "Spanrix: Loading Screen";

// The menu, in order, with every item's objectName and caption.
constexpr MenuEntry kMenu[] = {
    {0, "Filemenu", "&File", true},
    {1, "save", "Sa&ve", false, {QKeySequence::Save, "Ctrl+S"}},
    {1, "saveloadcfg", "&Save Load Configuration", false, {QKeySequence::SaveAs, "Ctrl+Shift+S"}},
    {1, "openloadcfg", "&Open Load Configuration", false, {QKeySequence::Open, "Ctrl+O"}},
    {1, "openrecent", "Open &Recent", true},
    {2, "clearrecent", "&Clear Recent Files", false},
    {1, "opendesign", "Open &Design...", false},
    {1, "savedesignas", "Save Design &As...", false},
    {1, "importloadcfg", "&Import Version 1 File", false},
    {1, "printload", "&Print Load Configuration", false, {QKeySequence::Print, "Ctrl+P"}},
    {1, "quitspanrix", "E&xit Spanrix", false, {QKeySequence::Quit, "Ctrl+Q"}},
    {0, "editmenu", "Ed&it", true},
    {1, "undo", "&Undo", false, {QKeySequence::Undo, "Ctrl+Z"}},
    {1, "redo", "&Redo", false, {QKeySequence::Redo, "Ctrl+Shift+Z; Ctrl+Y"}},
    {0, "featmenu", "F&eature", true},
    {1, "addfeature", "&Add Feature", true},
    {2, "addpointload", "Add &Point Load", false, {QKeySequence::UnknownKey, "Ctrl+1"}},
    {2, "adddistload", "Add &Dist. Load", false, {QKeySequence::UnknownKey, "Ctrl+2"}},
    {2, "addmoment", "Add &Moment", false, {QKeySequence::UnknownKey, "Ctrl+3"}},
    {2, "addsupport", "Add &Support", false, {QKeySequence::UnknownKey, "Ctrl+4"}},
    {1, "editfeature", "&Edit Feature", false},
    {1, "removefeature", "&Remove Feature", false},
    {0, "beammenu", "&Beam", true},
    {1, "beamproperties", "&Properties", false},
    {1, "reinitialize", "&Reinitialize", false},
    {0, "calcmenu", "&Calculate", true},
    {1, "runcalc", "&Run Calculations", false, {QKeySequence::UnknownKey, "F5"}},
    {1, "changerltn", "&Change Resolution", false},
    {0, "designmenu", "Desi&gn", true},
    {1, "loadcases", "Load C&ases...", false},
    {1, "combinations", "&Combinations...", false},
    {1, "steelcheck", "&Steel Design Check...", false},
    {0, "displayprops", "&Display", true},
    {1, "redrawscreen", "&Redraw", false},
    {1, "significantfigs", "Change Display &Significant Figures", false},
    {0, "units", "&Units", true},
    {1, "metricunits", "Convert to &Metric", false},
    {1, "englishunits", "Convert to &English", false},
    {0, "helpsx", "&Help", true},
    {1, "docsx", "&Documentation", false, {QKeySequence::HelpContents, "F1"}},
    {1, "aboutsx", "&About Spanrix", false},
};

}  // namespace

std::span<const MenuEntry> loadingScreenMenu() { return kMenu; }

LoadingWindow::LoadingWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), legend_(context.state)
{
    setObjectName("beam");
    setWindowTitle(kCaption);
    setAcceptDrops(true);
    surface_ = new QtSurface(this);
    setCentralWidget(surface_);
    sketch_ = std::make_unique<Sketch>(*surface_, context_.state, legend_);
    buildMenu();
    installOwnCommands();
    pointer_ = new SketchPointer(*surface_, context_.state, legend_, [this] { return std::span(placed_); },
                                 {[this](int row) { editFeature(row); },
                                  [this](int row) { removeFeature(row); },
                                  [this](FeatureKind kind, double at) {
                                      if (addFeature_) addFeature_(kind, at);
                                  }});
    followDocument();

    // Load step. The start-up dialog has read the work area before this window exists.
    AppState& state = context_.state;
    state.model.resolution = kDefaultResolution;
    state.model.editingFeature = false;
    prepareSketchSurface(*surface_);
    maximizeOverWorkArea(*this);
    layout_ = ScreenLayout(QSize(state.geometry.workAreaWidth, state.geometry.workAreaHeight));
    state.geometry = layout_.geometry();
    surface_->ensureTwipsSize(state.geometry.workAreaWidth, state.geometry.workAreaHeight);
    followDrawingArea(*this, *surface_, [this] { layOut(); });
}

void LoadingWindow::layOut()
{
    if (!layout_.follow(*this, *surface_)) return;
    context_.state.geometry = layout_.geometry();
    legend_.followGeometry();
    drawSketch(13);
}

LoadingWindow::~LoadingWindow() = default;

void LoadingWindow::buildMenu()
{
    menu_ = MenuCommands(*menuBar(), kMenu);
}

void LoadingWindow::followDocument()
{
    BeamDocument& document = context_.document;
    // The sketch is erased while the model still holds the old values and drawn with the new.
    connect(&document, &BeamDocument::aboutToChange, this, [this] { drawSketch(15); });
    connect(&document, &BeamDocument::changed, this, [this] {
        drawSketch(13);
        syncUnitMenu();
    });
    connect(&document, &BeamDocument::savedStateChanged, this, &LoadingWindow::showSavedState);
    // The legend is kept with the geometry it was placed at: one brought back after the
    // window changed size is placed anew.
    using KeptLegend = std::pair<Legend::Saved, ScreenGeometry>;
    document.setViewKeeper({
        [this] { return std::any(KeptLegend{legend_.saved(), layout_.geometry()}); },
        [this](const std::any& view) {
            const auto& kept = std::any_cast<const KeptLegend&>(view);
            legend_.restore(kept.first);
            if (kept.second != layout_.geometry()) legend_.followGeometry();
            // Edits opened on the beam undone or redone no longer apply.
            emit modelReplaced();
        },
    });

    QUndoStack& stack = document.undoStack();
    setCommand("undo", [&stack] { stack.undo(); });
    setCommand("redo", [&stack] { stack.redo(); });
    QAction* undo = action("undo");
    QAction* redo = action("redo");
    // The items name the change they reverse: "Undo Add Point Load".
    connect(&stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? "&Undo" : "&Undo " + text);
    });
    connect(&stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? "&Redo" : "&Redo " + text);
    });
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    showSavedState();
}

void LoadingWindow::showSavedState()
{
    const QString name = context_.document.fileName();
    setWindowTitle(titleNamingFile(kCaption, name) + "[*]");
    setWindowModified(context_.document.isModified());
}

void LoadingWindow::setUnsavedChangesGuard(UnsavedChangesGuard guard) { guard_ = std::move(guard); }

bool LoadingWindow::mayDiscardBeam(std::function<void()> goOn)
{
    return !guard_ || guard_(std::move(goOn));
}

QAction* LoadingWindow::action(const QString& objectName) const { return menu_.action(objectName); }

void LoadingWindow::setCommand(const QString& objectName, std::function<void()> handler)
{
    menu_.wire(objectName, this, std::move(handler));
}

QStringList LoadingWindow::unwiredCommands() const { return menu_.unwiredCommands(); }

void LoadingWindow::setEditFeatureHandler(std::function<void(FeatureKind, int)> handler)
{
    editFeature_ = std::move(handler);
}

void LoadingWindow::setAddFeatureHandler(std::function<void(FeatureKind, double)> handler)
{
    addFeature_ = std::move(handler);
}

void LoadingWindow::changeEvent(QEvent* event)
{
    // Focus step: the unit items follow the model whenever the window becomes active, and
    // so do the reactions, whatever window changed the model meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        syncUnitMenu();
        mirrorLegend();
    }
    QMainWindow::changeEvent(event);
}

void LoadingWindow::closeEvent(QCloseEvent* event)
{
    if (!mayDiscardBeam([this] { close(); })) {
        event->ignore();
        return;
    }
    // Closing the loading screen ends the program, every other window with it.
    event->accept();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void LoadingWindow::installOwnCommands()
{
    setCommand("quitspanrix", [this] { close(); });
    setCommand("editfeature", [this] { editFeatureCommand(); });
    setCommand("removefeature", [this] { removeFeatureCommand(); });
    setCommand("reinitialize", [this] { reinitializeCommand(); });
    setCommand("redrawscreen", [this] { drawSketch(13); });
    setCommand("significantfigs", [this] { askSignificantFigures(); });
    setCommand("metricunits", [this] { convertUnits(kEnglishToMetric); });
    setCommand("englishunits", [this] { convertUnits(kMetricToEnglish); });
}

void LoadingWindow::editFeatureCommand()
{
    BeamModel& model = context_.state.model;  // only the edit flag of the open dialog is set
    const auto reply = context_.prompts.input(std::string(kEditFeaturePrompt), kAppTitle, "");
    if (!reply) return;
    const FeatureNumberReply r = readEditFeatureReply(*reply, model.numFeatures);
    if (r.outcome == FeatureNumberReply::Outcome::Empty) return;
    editFeature(r.outcome == FeatureNumberReply::Outcome::Valid ? r.row : 0);
}

void LoadingWindow::editFeature(int n)
{
    BeamModel& model = context_.state.model;
    const FeatureKind kind = n >= 1 && n <= model.numFeatures ? featureKind(model, n) : FeatureKind::None;
    if (kind == FeatureKind::None) {
        context_.prompts.message(std::string(kInvalidFeatureNumber));
        return;
    }
    // Without a dialog to finish the edit the flag must not stay raised.
    if (!editFeature_) return;
    model.editingFeature = true;
    editFeature_(kind, n);
}

void LoadingWindow::removeFeatureCommand()
{
    const BeamModel& model = context_.document.model();
    const auto reply = context_.prompts.input(std::string(kRemoveFeaturePrompt), kAppTitle, "");
    if (!reply) return;
    const FeatureNumberReply r = readRemoveFeatureReply(*reply, model.numFeatures);
    if (r.outcome == FeatureNumberReply::Outcome::Empty) return;
    if (r.outcome == FeatureNumberReply::Outcome::Invalid) {
        context_.prompts.message(std::string(kInvalidFeatureNumber));
        return;
    }
    removeFeature(r.row);
}

void LoadingWindow::reinitializeCommand()
{
    if (!mayDiscardBeam([this] { reinitializeCommand(); })) return;
    // The reset beam is a new one: there is nothing in it to save.
    context_.document.changeFile(
        "Reinitialize",
        [this](AppState& s) {
            resetModel(s.model);
            emit modelReplaced();
            legend_.clear();
        },
        QString(), true);
    const AppState& state = context_.state;
    if (context_.prompts.askYesNo(reinitializeQuestion(state.model, state.sigFigs)))
        emit changeBeamLengthRequested();
}

bool LoadingWindow::askSignificantFigures()
{
    const auto reply = context_.prompts.input(sigFigsPromptText(context_.state.sigFigs),
                                              std::string(kSigFigsTitle), "");
    if (!reply) return false;
    const auto read = readSigFigsReply(*reply);
    if (!read) return false;
    if (read->refusal) {
        context_.prompts.message(*read->refusal);
        return false;
    }
    changeSigFigs(*read->newSigFigs);
    return true;
}

void LoadingWindow::drawSketch(int mode)
{
    // The start-up dialog reads the work area again each time it opens; this screen
    // keeps drawing at the geometry of its own size.
    context_.state.geometry = layout_.geometry();
    sketch_->drawSketch(mode);
    mirrorLegend();
}

void LoadingWindow::relayoutLegend(int limit)
{
    legend_.relayoutLegend(limit);
    mirrorLegend();
}

void LoadingWindow::updateLegendGroup(int featureRow)
{
    legend_.updateLegendGroup(featureRow);
    mirrorLegend();
}

void LoadingWindow::showReactionCaption(int featureRow, const std::string& caption)
{
    legend_.setReactionCaption(featureRow, caption);
    mirrorLegend();
}

void LoadingWindow::showReactionCaptions(const std::vector<ReactionCaption>& captions)
{
    for (const ReactionCaption& c : captions) legend_.setReactionCaption(c.featureRow, c.caption);
    mirrorLegend();
}

void LoadingWindow::clearLegend()
{
    legend_.clear();
    mirrorLegend();
}

void LoadingWindow::rebuildLegend()
{
    legend_.rebuild();
    mirrorLegend();
}

void LoadingWindow::showOpenedModel(const BeamModel& opened, const QString& name,
                                    const QString& path, bool fileHoldsBeam, BeamFileFormat format)
{
    context_.document.changeFile(
        name,
        [&](AppState& s) {
            s.model = opened;
            emit modelReplaced();
            legend_.rebuild();
        },
        path, fileHoldsBeam, format);
}

namespace {

// The one local ".lod" or ".spanrix" file a drag carries, or an empty string. Which of the
// two it is, the opening reads from its content.
QString droppedLoadFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    const std::string name = url.fileName().toStdString();
    if (!url.isLocalFile() ||
        !(matchesPattern(kLoadFilePattern, name) || name.ends_with(kDesignFileExtension)))
        return {};
    return url.toLocalFile();
}

}  // namespace

void LoadingWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedLoadFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void LoadingWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedLoadFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    emit loadFileDropped(path);
}

void LoadingWindow::syncUnitMenu()
{
    menu_.syncUnitItems(context_.state.model.metricUnits);
    emit unitSystemChanged();
}

void LoadingWindow::convertUnits(UnitConversion direction)
{
    const char* name = direction == kEnglishToMetric ? "Convert to Metric" : "Convert to English";
    context_.document.change(name, [&](AppState& s) {
        convertUnitSystem(s.model, direction);
        legend_.refreshLegendCaptions();
    });
}

void LoadingWindow::changeSigFigs(int sigFigs)
{
    // The erase pass writes the length text with the figures it was drawn with.
    context_.document.change("Change Significant Figures", [&](AppState& s) {
        s.sigFigs = sigFigs;
        legend_.refreshLegendCaptions();
    });
}

bool LoadingWindow::removeFeature(int n)
{
    if (n < 1 || n > context_.document.model().numFeatures) return false;
    context_.document.change("Remove Feature " + QString::number(n), [&](AppState& s) {
        legend_.blankGroupCaptions(n);
        markFeatureRemoved(s.model, n);
        legend_.relayoutLegend(s.model.numFeatures + 1);
    });
    return true;
}

QLabel* LoadingWindow::legendLabel(const QString& name) const
{
    return surface_->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

namespace {

int toPixels(double twips, double pixelsPerTwip)
{
    // Labels of a damaged model could lie far off; keep them within what a widget can take.
    const double px = std::clamp(twips * pixelsPerTwip, -1e6, 1e6);
    return static_cast<int>(std::lround(px));
}

void applyLabel(QLabel& widget, const LegendLabel& label, const std::string& fontName, Rgb back)
{
    widget.setObjectName(QString::fromStdString(label.name));
    widget.setText(QString::fromStdString(label.caption));
    widget.setFont(legendLabelFont(label, fontName));
    // Opaque, so arrows and lines drawn under a label do not run through its text.
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, QColor(label.colour.r, label.colour.g, label.colour.b));
    palette.setColor(QPalette::Window, QColor(back.r, back.g, back.b));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
    // An empty label shows nothing, not even its background.
    widget.setVisible(label.visible && !label.caption.empty());
}

}  // namespace

void LoadingWindow::mirrorLegend()
{
    legend_.clearStaleReactions();
    if (legend_.revision() == mirroredRevision_) return;
    mirroredRevision_ = legend_.revision();
    const size_t rows = static_cast<size_t>(legend_.rowCount());
    while (labels_.size() > rows) {
        for (MirroredLabel& m : labels_.back()) delete m.widget;
        labels_.pop_back();
    }
    for (size_t row = 0; row < rows; ++row) {
        if (row == labels_.size()) labels_.emplace_back();
        const LegendGroup& group = *legend_.group(static_cast<int>(row) + 1);
        for (int i = 0; i < 4; ++i) {
            MirroredLabel& m = labels_[row][static_cast<size_t>(i)];
            const LegendLabel& label = group[i];
            if (!m.widget) {
                m.widget = new QLabel(surface_);
                m.widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
                // Pointing at a label is pointing at the sketch (its feature).
                m.widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            } else if (m.shown == label) {
                continue;
            }
            applyLabel(*m.widget, label, surface_->fontName(), surface_->backColor());
            m.shown = label;
        }
    }
    placeLabels();
}

void LoadingWindow::placeLabels()
{
    const double px = surface_->pixelsPerTwipX();
    const double py = surface_->pixelsPerTwipY();
    const auto captionSize = [this](int row, int slot, const LegendLabel&) {
        return labels_[size_t(row - 1)][size_t(slot)].widget->sizeHint();
    };
    placed_ = placeLegend(legend_, px, py, captionSize);
    for (const PlacedLabel& placed : placed_) {
        // Both vertical edges rounded alike: labels clear of each other stay clear.
        const LabelRect& r = placed.rect;
        const int top = toPixels(r.top, py);
        const int bottom = toPixels(r.top + r.height, py);
        labels_[size_t(placed.row - 1)][size_t(placed.slot)].widget->setGeometry(
            toPixels(r.left, px), top, toPixels(r.width, px), std::max(1, bottom - top));
    }
    pointer_->refresh();
}

}  // namespace spanrix
