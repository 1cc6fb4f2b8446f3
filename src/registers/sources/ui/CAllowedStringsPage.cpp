#include "registers/sources/ui/CAllowedStringsPage.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/ui/CRegexpEntryDialog.h"

#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int noStringMessage = 10067;
constexpr int newAllowedStringTitle = 10436;

gstr rowText(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

// The order of a list box that sorts its rows without regard to case.
bool sortsBefore(const gstr& a, const gstr& b)
{
    int byCase = a.compareNoCase(b);
    return byCase != 0 ? byCase < 0 : a.compare(b) < 0;
}

} // namespace

void CAllowedStringsPage::create(CDialog& parent, int placeholderId, const std::vector<gregexp>* patterns,
                                 bool registerSource)
{
    beginPage(registerSource ? 815 : 805, 286, height);
    addLabel(-1, "&Allowed strings:", 0, 0, 100, 8);
    auto* list = addListBox(listId, 0, 10, 210, 70);
    addButton(editId, "Edit...", 216, 10, 60, 14)->setEnabled(false);
    addButton(deleteId, "Delete", 216, 26, 60, 14)->setEnabled(false);
    addButton(duplicateId, "Duplicate...", 216, 42, 60, 14)->setEnabled(false);
    addButton(newId, "New...", 216, 58, 60, 14);
    onCommand(newId, [this] { onNew(); });
    onCommand(editId, [this] { onEdit(); });
    onCommand(duplicateId, [this] { onDuplicate(); });
    onCommand(deleteId, [this] { onDelete(); });
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fillingRows_ && selectedRow() >= 0)
            enableButtons(true);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { onEdit(); });
    placeOver(parent, placeholderId);
    if (!patterns)
        return;
    fillingRows_ = true;
    for (auto it = patterns->rbegin(); it != patterns->rend(); ++it)
        selectItem(listId, addRow(std::make_unique<gregexp>(*it)));
    fillingRows_ = false;
}

bool CAllowedStringsPage::collect(std::vector<gregexp>& patterns)
{
    if (rows_.empty()) {
        messageBox(noStringMessage, gbuttons::ok, gicon::warning);
        return false;
    }
    patterns.clear();
    for (const auto& row : rows_)
        patterns.push_back(*row);
    return true;
}

int CAllowedStringsPage::addRow(std::unique_ptr<gregexp> pattern)
{
    gstr text = rowText(*pattern);
    int at = 0;
    while (at < static_cast<int>(rows_.size()) && !sortsBefore(text, rowText(*rows_[at])))
        ++at;
    rows_.insert(rows_.begin() + at, std::move(pattern));
    controlAs<QListWidget>(listId)->insertItem(at, toUiText(text));
    return at;
}

int CAllowedStringsPage::selectedRow() const { return selectedItem(listId); }

void CAllowedStringsPage::onNew()
{
    CRegexpEntryDialog entry(CRegexpEntryDialog::allowedStringTemplate, newAllowedStringTitle, nullptr, nullptr, this);
    if (entry.DoModal() != IDOK)
        return;
    selectItem(listId, addRow(entry.takePattern()));
    enableButtons(true);
}

void CAllowedStringsPage::onEdit()
{
    int row = selectedRow();
    if (row < 0)
        return;
    gregexp* pattern = rows_[row].get();
    CRegexpEntryDialog entry(CRegexpEntryDialog::allowedStringTemplate, newAllowedStringTitle, pattern, pattern,
                             this);
    if (entry.DoModal() != IDOK)
        return;
    std::unique_ptr<gregexp> changed = std::move(rows_[row]);
    rows_.erase(rows_.begin() + row);
    delete controlAs<QListWidget>(listId)->takeItem(row);
    selectItem(listId, addRow(std::move(changed)));
}

void CAllowedStringsPage::onDuplicate()
{
    int row = selectedRow();
    if (row < 0)
        return;
    CRegexpEntryDialog entry(CRegexpEntryDialog::allowedStringTemplate, newAllowedStringTitle, rows_[row].get(),
                             nullptr, this);
    if (entry.DoModal() != IDOK)
        return;
    selectItem(listId, addRow(entry.takePattern()));
}

void CAllowedStringsPage::onDelete()
{
    int row = selectedRow();
    if (row < 0)
        return;
    rows_.erase(rows_.begin() + row);
    delete controlAs<QListWidget>(listId)->takeItem(row);
    if (rows_.empty()) {
        enableButtons(false);
        return;
    }
    selectItem(listId, row < static_cast<int>(rows_.size()) ? row : static_cast<int>(rows_.size()) - 1);
}

void CAllowedStringsPage::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}
