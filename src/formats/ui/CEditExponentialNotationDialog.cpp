#include "formats/ui/CEditExponentialNotationDialog.h"

#include "formats/ui/analogNotationPane.h"
#include "platform/textCodec.h"
#include "screens/model/gfontName.h"
#include "screens/model/gpropExponentValues.h"
#include "shell/CFontCombo.h"
#include "shell/CMultiValueEdit.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>

namespace {

constexpr int markerMessage = 10695;
constexpr int digitsMessage = 10696;
constexpr int reduceByMessage = 10697;
constexpr int raiseByMessage = 10698;

// Checked after clear or indeterminate, clear after checked: the third
// state shows a selection that differs and cannot be chosen back.
class CThreeStateCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

CThreeStateCheckBox* threeStateBox(const char* text)
{
    auto* box = new CThreeStateCheckBox(toUiText(text));
    box->setTristate(true);
    return box;
}

// 0 clear, 1 checked, -1 indeterminate; a value that is unset or mixed
// shows the third state.
void showState(QCheckBox* box, const gtriState<int32_t>& state)
{
    if (!state.hasValue())
        box->setCheckState(Qt::PartiallyChecked);
    else
        box->setCheckState(state.get() ? Qt::Checked : Qt::Unchecked);
}

int stateOf(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    default: return -1;
    }
}

} // namespace

CEditExponentialNotationDialog::CEditExponentialNotationDialog(analogNotationPane& pane, QWidget* parent)
    : CDialog(843, parent), pane_(pane)
{
    setWindowTitle("Edit Exponential Notation");
    setDialogSize(190, 136);
    addControl(useId, threeStateBox("&Use exponential notation"), 7, 7, 150, 10);
    addLabel(2019, "Exponent &marker:", 17, 24, 65, 8);
    marker_ = addControl(markerId, new CMultiValueEdit, 85, 22, 98, 12);
    addLabel(1212, "&Number of digits:", 17, 40, 65, 8);
    addControl(digitsId, new CNonNegativeSpinEdit, 85, 38, 40, 12);
    addControl(plusSignId, threeStateBox("&Show plus sign"), 17, 54, 120, 10);
    addLabel(2024, "&Font:", 17, 70, 65, 8);
    font_ = addControl(fontId, new CFontCombo(1), 85, 68, 98, 12);
    addLabel(2025, "&Reduce by", 17, 86, 65, 8);
    addControl(reduceById, new CNonNegativeSpinEdit, 85, 84, 40, 12);
    addLabel(2028, "pixels", 129, 86, 40, 8);
    addLabel(2026, "&Raise by", 17, 102, 65, 8);
    addControl(raiseById, new CNonNegativeSpinEdit, 85, 100, 40, 12);
    addLabel(2029, "pixels", 129, 102, 40, 8);
    addButton(IDOK, "OK", 78, 118, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 133, 118, 50, 14);
}

bool CEditExponentialNotationDialog::OnInitDialog()
{
    font_->addItem(QStringLiteral("<Same as mantissa>"));
    for (int i = 0; i < symbolicFontCount; ++i)
        font_->addItem(toUiText(symbolicFont(i)->name()));

    showState(controlAs<QCheckBox>(useId), pane_.useExponent());
    gpropExponentValues& values = pane_.exponent();
    values.fillDefaults();
    if (values.marker.hasValue())
        marker_->setValue(values.marker.getValue());
    else
        marker_->setDiffering();
    for (auto [id, value] : {std::pair{digitsId, &values.digits}, std::pair{reduceById, &values.reduceBy},
                             std::pair{raiseById, &values.raiseBy}}) {
        if (value->hasValue())
            dynamic_cast<CNonNegativeSpinEdit*>(control(id))->setValue(value->get());
    }
    showState(controlAs<QCheckBox>(plusSignId), values.plusSign);
    const gfontName* font = nullptr;
    values.font.getOr(font, nullptr);
    if (values.font.hasValue())
        font_->selectFont(font);
    else
        font_->setCurrentIndex(-1);

    QObject::connect(marker_, &QLineEdit::textChanged, this, [this] {
        if (marker_->isModified())
            marker_->markEdited();
    });
    onCommand(useId, [this] { enableControls(); });
    enableControls();
    return true;
}

void CEditExponentialNotationDialog::enableControls()
{
    bool on = stateOf(controlAs<QCheckBox>(useId)) != 0;
    for (int id : {2019, markerId, 1212, digitsId, plusSignId, 2024, fontId, 2025, reduceById, 2028, 2026, raiseById,
                   2029})
        enableControl(id, on);
}

bool CEditExponentialNotationDialog::readNumber(int id, int least, int messageId, bool& taken, int32_t& value)
{
    taken = pane_.editsDrawingDefaults() || !controlText(id).isEmpty();
    if (!taken)
        return true;
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(id))->getValue(value) || value < least)
        return refuseField(id, messageId);
    return true;
}

void CEditExponentialNotationDialog::OnOK()
{
    int use = stateOf(controlAs<QCheckBox>(useId));
    bool markerTaken = false;
    gstr marker;
    bool digitsTaken = false;
    int32_t digits = 0;
    int plusSign = -1;
    bool fontChosen = false;
    const gfontName* font = nullptr;
    bool reduceTaken = false;
    int32_t reduceBy = 0;
    bool raiseTaken = false;
    int32_t raiseBy = 0;
    if (use != 0) {
        markerTaken = pane_.editsDrawingDefaults() || marker_->hasValue();
        marker = controlText(markerId);
        if (markerTaken && marker.isEmpty())
            return (void)refuseField(markerId, markerMessage);
        if (!readNumber(digitsId, 1, digitsMessage, digitsTaken, digits))
            return;
        plusSign = stateOf(controlAs<QCheckBox>(plusSignId));
        fontChosen = font_->currentIndex() >= 0;
        font = font_->getFont(nullptr);
        if (!readNumber(reduceById, 0, reduceByMessage, reduceTaken, reduceBy)
            || !readNumber(raiseById, 0, raiseByMessage, raiseTaken, raiseBy))
            return;
    }

    if (use != -1) {
        pane_.useExponent().set(use);
        pane_.applyToSelection(analogProperty::useExponent);
    }
    if (use == 0)
        return EndDialog(IDOK);
    gpropExponentValues& values = pane_.exponent();
    auto store = [this](bool taken, auto& value, auto v, int property) {
        if (!taken)
            return;
        value.set(v);
        pane_.applyToSelection(property);
    };
    store(markerTaken, values.marker, gstrSlice(marker), analogProperty::marker);
    store(digitsTaken && digits != 0, values.digits, digits, analogProperty::digits);
    store(plusSign != -1, values.plusSign, plusSign, analogProperty::plusSign);
    store(fontChosen, values.font, font, analogProperty::font);
    store(reduceTaken, values.reduceBy, reduceBy, analogProperty::reduceBy);
    store(raiseTaken, values.raiseBy, raiseBy, analogProperty::raiseBy);
    EndDialog(IDOK);
}
