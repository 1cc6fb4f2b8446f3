#include "screens/editor/CIndicatorValuesDialog.h"

#include "foundation/realFormat.h"
#include "platform/settingsStore.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CSpinEdit.h"
#include "shell/CStationEditorApp.h"

#include <QLineEdit>

namespace {

constexpr int badDigital = 10081;
constexpr int badAnalog = 10072;
// Analog, digital and string indicators.
constexpr unsigned valueIndicators = 0x010 | 0x080 | 0x100;

} // namespace

CIndicatorValuesDialog::CIndicatorValuesDialog(QWidget* parent) : CDialog(562, parent)
{
    setWindowTitle(QStringLiteral("Indicator Display Values"));
    setDialogSize(200, 80);
    addLabel(-1, "Value for &digital indicators:", 7, 9, 100, 8);
    addControl(digitalId, new CUnsignedSpinEdit, 110, 7, 83, 12);
    addLabel(-1, "Value for &analog indicators:", 7, 25, 100, 8);
    addControl(analogId, new CRealSpinEdit, 110, 23, 83, 12);
    addLabel(-1, "Value for &string indicators:", 7, 41, 100, 8);
    addEdit(stringId, 110, 39, 83, 12);
    addButton(IDOK, "OK", 33, 60, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 88, 60, 50, 14);
    addButton(applyId, "Apply", 143, 60, 50, 14);
    onCommand(applyId, [this] { apply(); });
}

bool CIndicatorValuesDialog::OnInitDialog()
{
    const gpreviewValues& v = previewValues();
    dynamic_cast<CUnsignedSpinEdit*>(control(digitalId))->setValue(v.digitalValue);
    dynamic_cast<CRealSpinEdit*>(control(analogId))->setValue(v.analogValue);
    setControlText(stringId, v.stringText.isNull() ? gstr("") : v.stringText);
    return true;
}

bool CIndicatorValuesDialog::apply()
{
    uint32_t digital = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(digitalId))->getValue(digital)) {
        refuseField(digitalId, badDigital);
        controlAs<QLineEdit>(digitalId)->selectAll();
        return false;
    }
    double analog = 0;
    if (!dynamic_cast<CRealSpinEdit*>(control(analogId))->getValue(analog)) {
        refuseField(analogId, badAnalog);
        controlAs<QLineEdit>(analogId)->selectAll();
        return false;
    }
    gpreviewValues& v = previewValues();
    v.digitalValue = digital;
    v.analogValue = analog;
    v.stringText = controlText(stringId);
    gstr digitalText;
    digitalText.format("%u", digital);
    char analogText[realFormatSize];
    formatRealG(analogText, analog, 10);
    writeProfileString("Settings", "DigitalValue", digitalText);
    writeProfileString("Settings", "AnalogValue", analogText);
    writeProfileString("Settings", "StringValue", v.stringText);
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->notifyScreenObjects(0, valueIndicators);
    return true;
}

void CIndicatorValuesDialog::OnOK()
{
    if (apply())
        CDialog::OnOK();
}
