#include "ui/dialogs/dialog_commands.h"

#include <memory>

#include "ui/app_context.h"
#include "ui/dialogs/beam_properties_dialog.h"
#include "ui/dialogs/dist_load_dialog.h"
#include "ui/dialogs/moment_dialog.h"
#include "ui/dialogs/point_load_dialog.h"
#include "ui/dialogs/support_dialog.h"
#include "ui/loading/loading_window.h"

namespace spanrix {

namespace {

// The four feature dialogs, each made on first use and owned by the loading screen.
class FeatureDialogs {
public:
    FeatureDialogs(AppContext& context, LoadingWindow& loading)
        : context_(context), loading_(loading)
    {
    }

    FeatureDialog* forKind(FeatureKind kind)
    {
        switch (kind) {
        case FeatureKind::PointLoad: return get(point_);
        case FeatureKind::DistLoad: return get(dist_);
        case FeatureKind::Moment: return get(moment_);
        case FeatureKind::Support: return get(support_);
        case FeatureKind::None: break;
        }
        return nullptr;
    }

private:
    template <typename Dialog>
    Dialog* get(Dialog*& slot)
    {
        if (!slot) slot = new Dialog(context_, loading_);
        return slot;
    }

    AppContext& context_;
    LoadingWindow& loading_;
    PointLoadDialog* point_ = nullptr;
    DistLoadDialog* dist_ = nullptr;
    MomentDialog* moment_ = nullptr;
    SupportDialog* support_ = nullptr;
};

}  // namespace

void installDialogCommands(LoadingWindow& loading, AppContext& context)
{
    auto dialogs = std::make_shared<FeatureDialogs>(context, loading);
    const std::pair<const char*, FeatureKind> adds[] = {
        {"addpointload", FeatureKind::PointLoad},
        {"adddistload", FeatureKind::DistLoad},
        {"addmoment", FeatureKind::Moment},
        {"addsupport", FeatureKind::Support},
    };
    for (const auto& [name, kind] : adds)
        loading.setCommand(name, [dialogs, kind] { dialogs->forKind(kind)->openForAdd(); });

    loading.setEditFeatureHandler([dialogs](FeatureKind kind, int row) {
        if (FeatureDialog* dialog = dialogs->forKind(kind)) dialog->edit_feature(row, 1);
    });

    loading.setCommand("beamproperties", [&context, &loading] {
        auto* dialog = new BeamPropertiesDialog(context, &loading);
        QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
        dialog->show();
    });
}

}  // namespace spanrix
