#include "registers/sources/ui/CThresholdPointsPage.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/sources/gthresholdList.h"
#include "registers/sources/ui/CColumnListBox.h"
#include "shell/CSpinEdit.h"

#include <QPushButton>

namespace {

constexpr int noPointMessage = 10153;
constexpr int badBottomMessage = 10299;
constexpr int badThresholdMessage = 10330;
constexpr int badValueMessage = 10082;
constexpr int replacePointQuestion = 10228;
constexpr int changeThresholdTitle = 10329;

gstr rowText(const gthreshold& point)
{
    gstr text;
    text.format("%.10G:\t %u", point.key, point.value);
    return text;
}

} // namespace

void CThresholdPointsPage::create(CDialog& parent, int placeholderId, const gthresholdList* list, bool wide)
{
    int width = wide ? 286 : 200;
    beginPage(wide ? 814 : 807, width, height);
    addLabel(-1, "&Bottom value:", 0, 2, 55, 8);
    addControl(bottomId, new CUnsignedSpinEdit, 60, 0, 70, 12);
    addLabel(-1, "T&hresholds:", 0, 18, 55, 8);
    list_ = addControl(listId, new CColumnListBox, 0, 28, width - 66, 56);
    addButton(modifyId, "&Modify...", width - 60, 28, 60, 14)->setEnabled(false);
    addButton(removeId, "Remo&ve", width - 60, 44, 60, 14)->setEnabled(false);
    addButton(addId, "&Add...", width - 60, 60, 60, 14);
    onCommand(addId, [this] { editPoint(-1); });
    onCommand(modifyId, [this] { modifySelected(); });
    onCommand(removeId, [this] { onRemove(); });
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedRow() >= 0)
            enableButtons(true);
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { modifySelected(); });
    placeOver(parent, placeholderId);
    list_->setColumnWidth(list_->contentsRect().width() / (wide ? 5 : 4));
    auto* bottom = dynamic_cast<CUnsignedSpinEdit*>(control(bottomId));
    bottom->setValue(list ? list->getBottom() : 0);
    if (!list)
        return;
    for (const gthreshold* point = list->points().first(); point; point = point->next)
        insertPoint(*point);
}

int CThresholdPointsPage::insertPoint(const gthreshold& point)
{
    int at = 0;
    while (at < static_cast<int>(rows_.size()) && rows_[at].key <= point.key)
        ++at;
    rows_.insert(rows_.begin() + at, gthreshold{nullptr, point.key, point.value});
    list_->insertItem(at, toUiText(rowText(point)));
    return at;
}

void CThresholdPointsPage::removeRow(int row)
{
    rows_.erase(rows_.begin() + row);
    delete list_->takeItem(row);
}

int CThresholdPointsPage::findPoint(double point) const
{
    for (int row = static_cast<int>(rows_.size()) - 1; row >= 0; --row) {
        if (rows_[row].key == point)
            return row;
    }
    return -1;
}

uint32_t CThresholdPointsPage::nextValue() const
{
    if (rows_.empty()) {
        uint32_t bottom = 0;
        return dynamic_cast<CUnsignedSpinEdit*>(control(bottomId))->getValue(bottom) ? bottom + 1 : 0;
    }
    int at = selectedRow() >= 0 ? selectedRow() : 0;
    uint32_t value = rows_[at].value + 1;
    for (++at; at < static_cast<int>(rows_.size()) && rows_[at].value == value; ++at)
        ++value;
    return value;
}

// Add (row -1) or Modify of the row: the point edited in the dialog
// replaces the row and any other row of the same point.
void CThresholdPointsPage::editPoint(int row)
{
    bool modify = row >= 0;
    gthreshold edited = modify ? rows_[row] : gthreshold{};
    CNewThresholdDialog dialog(*this, modify ? &edited : nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    if (modify)
        removeRow(row);
    if (int same = findPoint(dialog.point().key); same >= 0)
        removeRow(same);
    list_->setCurrentRow(insertPoint(dialog.point()));
    enableButtons(true);
}

void CThresholdPointsPage::modifySelected()
{
    if (int row = selectedRow(); row >= 0)
        editPoint(row);
}

void CThresholdPointsPage::onRemove()
{
    int row = selectedRow();
    if (row < 0)
        return;
    removeRow(row);
    if (rows_.empty()) {
        enableButtons(false);
        return;
    }
    list_->setCurrentRow(row < static_cast<int>(rows_.size()) ? row : static_cast<int>(rows_.size()) - 1);
}

void CThresholdPointsPage::enableButtons(bool enable)
{
    enableControl(modifyId, enable);
    enableControl(removeId, enable);
}

bool CThresholdPointsPage::validate(gthresholdList& list)
{
    if (rows_.empty()) {
        messageBox(noPointMessage, gbuttons::ok, gicon::warning);
        return false;
    }
    uint32_t bottom = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(bottomId))->getValue(bottom))
        return refuse(bottomId, badBottomMessage);
    list.setBottom(bottom);
    list.points().clear();
    for (const gthreshold& row : rows_)
        list.points().insert(new gthreshold{nullptr, row.key, row.value});
    return true;
}

CNewThresholdDialog::CNewThresholdDialog(const CThresholdPointsPage& page, const gthreshold* point, QWidget* parent)
    : CDialog(555, parent), page_(page), edited_(point)
{
    setWindowTitle("New Threshold");
    setDialogSize(170, 62);
    addLabel(-1, "&Threshold:", 7, 9, 50, 8);
    addControl(thresholdId, new CRealSpinEdit, 60, 7, 80, 12);
    addLabel(-1, "&Value:", 7, 25, 50, 8);
    addControl(valueId, new CUnsignedSpinEdit, 60, 23, 80, 12);
    addButton(IDOK, "OK", 31, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 87, 42, 50, 14);
}

bool CNewThresholdDialog::OnInitDialog()
{
    auto* value = dynamic_cast<CUnsignedSpinEdit*>(control(valueId));
    if (!edited_) {
        value->setValue(page_.nextValue());
        return true;
    }
    dynamic_cast<CRealSpinEdit*>(control(thresholdId))->setValue(edited_->key);
    value->setValue(edited_->value);
    setWindowTitle(toUiText(gstr().loadString(changeThresholdTitle)));
    return true;
}

void CNewThresholdDialog::OnOK()
{
    double point = 0;
    if (!dynamic_cast<CRealSpinEdit*>(control(thresholdId))->getValue(point))
        return (void)refuseField(thresholdId, badThresholdMessage);
    uint32_t value = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value))
        return (void)refuseField(valueId, badValueMessage);
    int same = page_.findPoint(point);
    bool other = same >= 0 && !(edited_ && same == page_.selectedRow());
    if (other && messageBox(replacePointQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    result_ = gthreshold{nullptr, point, value};
    CDialog::OnOK();
}
