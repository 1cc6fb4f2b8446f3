#include "ports/ui/CSelectNewDeviceDriverDialog.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyDriver.h"
#include "platform/modalRun.h"
#include "ports/glegacyDevice.h"
#include "ports/ui/portDialogItems.h"
#include "store/gstation.h"

#include <QLineEdit>

namespace {

constexpr int allDriversUsed = 10220;

} // namespace

CSelectNewDeviceDriverDialog::CSelectNewDeviceDriverDialog(jhashTypedDatabaseTable<glegacyDevice>& devices,
                                                           glegacyDevice* device, QWidget* parent)
    : CDialog(templateId, parent), devices_(devices), device_(device)
{
    setWindowTitle(QStringLiteral("Select New Device Driver"));
    setDialogSize(200, 60);
    addLabel(-1, "&Source driver:", 7, 9, 55, 8);
    addEdit(sourceId, 64, 7, 130, 12)->setReadOnly(true);
    addLabel(-1, "&New driver:", 7, 25, 55, 8);
    addComboBox(driverId, false, 64, 23, 130, 100);
    addButton(IDOK, "OK", 84, 42, 52, 14, true);
    addButton(IDCANCEL, "Cancel", 142, 42, 52, 14);
}

bool CSelectNewDeviceDriverDialog::OnInitDialog()
{
    auto* combo = controlAs<QComboBox>(driverId);
    jhashTypedIterator<glegacyDriver> it(station::legacyDrivers());
    glegacyDriver* driver = nullptr;
    while (it.get(driver)) {
        const glegacyDevice* used = devices_.find(driver->getTag());
        if (driver->isDefined() && !(used && used->isDefined()))
            portItems::insertSorted(*combo, driver->getTitle(true), portItems::data(driver));
    }
    if (combo->count() == 0) {
        messageBox(allDriversUsed, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    // The entry where the source driver would sort.
    glegacyDriver* source = device_ ? device_->getDriver() : nullptr;
    gstr sourceText = source ? gstr(source->getTitle(true)) : gstr("");
    int place = portItems::insertSorted(*combo, sourceText, QVariant());
    combo->removeItem(place);
    combo->setCurrentIndex(std::min(place, combo->count() - 1));
    setControlText(sourceId, sourceText);
    return true;
}

void CSelectNewDeviceDriverDialog::OnOK()
{
    chosen_ = portItems::selected<glegacyDriver>(*controlAs<QComboBox>(driverId));
    CDialog::OnOK();
}
