#include "g2driver/editor/CSelectDeviceDriverTypeDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "store/gstation.h"

namespace {

template <class E>
bool hasDefined(const jhashTypedDatabaseTable<E>& table)
{
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    while (it.get(entry)) {
        if (entry->isDefined())
            return true;
    }
    return false;
}

} // namespace

CSelectDeviceDriverTypeDialog::CSelectDeviceDriverTypeDialog(QWidget* parent) : CDialog(templateId, parent)
{
    setWindowTitle(QStringLiteral("Select Device Driver Type"));
    setDialogSize(150, 62);
    addRadioButton(regularId, "Use a &regular driver", 10, 8, 130, 10);
    addRadioButton(legacyId, "Use a &legacy driver", 10, 22, 130, 10);
    addButton(IDOK, "OK", 20, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 80, 42, 50, 14);
}

bool CSelectDeviceDriverTypeDialog::OnInitDialog()
{
    if (!hasDefined(station::legacyDrivers())) {
        regular_ = true;
        EndDialog(IDOK);
        return true;
    }
    if (!hasDefined(station::g2Drivers())) {
        regular_ = false;
        EndDialog(IDOK);
        return true;
    }
    checkRadioButton(legacyId, regularId, regularId);
    return true;
}

void CSelectDeviceDriverTypeDialog::OnOK()
{
    regular_ = isChecked(regularId);
    CDialog::OnOK();
}
