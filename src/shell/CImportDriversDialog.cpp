#include "shell/CImportDriversDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "platform/selectedRows.h"
#include "platform/textCodec.h"
#include "shell/CStationEditorApp.h"
#include "store/gstation.h"

#include <QListWidget>
#include <algorithm>
#include <vector>

namespace {

struct listedDriver {
    gstr title;
    gimportableDriver* driver;
};

template <class Driver>
void collect(jhashTypedDatabaseTable<Driver>& table, std::vector<listedDriver>& into)
{
    jhashTypedIterator<Driver> it(table);
    Driver* driver = nullptr;
    while (it.get(driver))
        into.push_back({driver->getTitle(true), driver});
}

gimportableDriver* driverOf(const QListWidgetItem* item)
{
    return reinterpret_cast<gimportableDriver*>(item->data(Qt::UserRole).value<quintptr>());
}

} // namespace

CImportDriversDialog::CImportDriversDialog(QWidget* parent) : CDialog(templateId, parent)
{
    setWindowTitle(QStringLiteral("Import Device Drivers"));
    setDialogSize(246, 241);
    addLabel(-1, "&Select device drivers to import:", 7, 7, 232, 8);
    list_ = addListBox(listId, 7, 18, 232, 195);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton(IDOK, "&Import", 135, 220, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 189, 220, 50, 14);
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
}

// Legacy drivers first, then the current generation, each in table order;
// the list shows them sorted by text as the list box sorted them.
bool CImportDriversDialog::OnInitDialog()
{
    std::vector<listedDriver> drivers;
    collect(driverLibrary::legacyDrivers(), drivers);
    collect(driverLibrary::g2Drivers(), drivers);
    std::stable_sort(drivers.begin(), drivers.end(), [](const listedDriver& a, const listedDriver& b) {
        return a.title.compareNoCase(b.title) < 0;
    });
    for (const listedDriver& d : drivers)
        addDriver(d.title, d.driver);
    enableControl(IDOK, false);
    return true;
}

void CImportDriversDialog::addDriver(const gstr& title, gimportableDriver* driver)
{
    auto* item = new QListWidgetItem(toUiText(title), list_);
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(driver)));
}

void CImportDriversDialog::selectionChanged() { enableControl(IDOK, !list_->selectedItems().isEmpty()); }

// Last to first, as the list box was walked. Enter reaches here while the
// button is disabled: then nothing happens.
void CImportDriversDialog::OnOK()
{
    if (!isControlEnabled(IDOK))
        return;
    std::vector<int> rows = selectedRowsOf(*list_);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        driverOf(list_->item(*row))->importIntoStation();
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
    CDialog::OnOK();
}
