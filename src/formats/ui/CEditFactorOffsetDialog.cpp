#include "formats/ui/CEditFactorOffsetDialog.h"

#include "formats/ui/analogNotationPane.h"
#include "shell/CSpinEdit.h"

#include <optional>
#include <tuple>

namespace {

constexpr int factorMessage = 10393;
constexpr int offsetMessage = 10303;

} // namespace

CEditFactorOffsetDialog::CEditFactorOffsetDialog(analogNotationPane& pane, QWidget* parent)
    : CDialog(842, parent), pane_(pane)
{
    setWindowTitle("Edit Factor and Offset");
    setDialogSize(150, 62);
    addLabel(-1, "&Factor:", 7, 9, 35, 8);
    addControl(factorId, new CRealSpinEdit, 45, 7, 98, 12);
    addLabel(-1, "&Offset:", 7, 25, 35, 8);
    addControl(offsetId, new CRealSpinEdit, 45, 23, 98, 12);
    addButton(IDOK, "OK", 38, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 93, 42, 50, 14);
}

bool CEditFactorOffsetDialog::OnInitDialog()
{
    if (pane_.factor().hasValue())
        dynamic_cast<CRealSpinEdit*>(control(factorId))->setValue(pane_.factor().value());
    if (pane_.offset().hasValue())
        dynamic_cast<CRealSpinEdit*>(control(offsetId))->setValue(pane_.offset().value());
    return true;
}

void CEditFactorOffsetDialog::OnOK()
{
    bool everyField = pane_.editsDrawingDefaults();
    std::optional<double> factor;
    std::optional<double> offset;
    for (auto [id, message, out] : {std::tuple{factorId, factorMessage, &factor},
                                    std::tuple{offsetId, offsetMessage, &offset}}) {
        if (!everyField && controlText(id).isEmpty())
            continue;
        double value = 0;
        if (!dynamic_cast<CRealSpinEdit*>(control(id))->getValue(value))
            return (void)refuseField(id, message);
        *out = value;
    }
    if (factor) {
        pane_.factor().set(*factor);
        pane_.applyToSelection(analogProperty::factor);
    }
    if (offset) {
        pane_.offset().set(*offset);
        pane_.applyToSelection(analogProperty::offset);
    }
    EndDialog(IDOK);
}
