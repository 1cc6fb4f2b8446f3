#include "registers/ui/CEditStringRegisterDialog.h"

#include "foundation/gregexp.h"
#include "platform/textCodec.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CLogStringsTabDialog.h"
#include "registers/ui/CRegexpEntryDialog.h"

#include <QListWidget>
#include <algorithm>
#include <memory>

namespace {

constexpr int noTrigger = 10145;
constexpr int newTriggerCaption = 10437;
constexpr int defaultSourceType = 4;

gstr patternText(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

// An item of the trigger list owns its pattern.
class triggerItem final : public QListWidgetItem {
public:
    explicit triggerItem(std::unique_ptr<gregexp> pattern)
        : QListWidgetItem(toUiText(patternText(*pattern))), pattern_(std::move(pattern))
    {
    }

    gregexp& pattern() const { return *pattern_; }
    std::unique_ptr<gregexp> take() { return std::move(pattern_); }

private:
    std::unique_ptr<gregexp> pattern_;
};

triggerItem* triggerAt(const QListWidget& list, int row) { return static_cast<triggerItem*>(list.item(row)); }

int selectedRow(const QListWidget& list)
{
    QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? list.row(item) : -1;
}

} // namespace

CEditStringRegisterDialog::CEditStringRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent)
    : CRegisterDialog(550, 10175, fillFrom, target, parent)
{
    addLabel(-1, "Alarm &triggers:", 7, classTop, 80, 8);
    QListWidget* list = addListBox(triggersId, 7, classTop + 10, 170, 62);
    list->setSortingEnabled(true);
    addButton(editId, "Edit...", 182, classTop + 10, 50, 14);
    addButton(deleteId, "Delete", 182, classTop + 27, 50, 14);
    addButton(duplicateId, "Duplicate...", 182, classTop + 44, 50, 14);
    addButton(newId, "New...", 182, classTop + 61, 50, 14);
    enableButtons(false);
    onCommand(newId, [this] { onNew(); });
    onCommand(editId, [this] { onEdit(); });
    onCommand(duplicateId, [this] { onDuplicate(); });
    onCommand(deleteId, [this] { onDelete(); });
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedRow(triggers()) >= 0)
            enableButtons(true);
    });
    finishLayout(classTop + 76);
}

QListWidget& CEditStringRegisterDialog::triggers() const { return *controlAs<QListWidget>(triggersId); }

void CEditStringRegisterDialog::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

void CEditStringRegisterDialog::addTrigger(std::unique_ptr<gregexp> pattern)
{
    auto* item = new triggerItem(std::move(pattern));
    triggers().addItem(item);
    triggers().setCurrentItem(item);
}

void CEditStringRegisterDialog::fillClassFields(bool)
{
    gstringSupplement* supplement = fillFrom() ? fillFrom()->getStringSupplement() : nullptr;
    if (!supplement) {
        logInfo_.setMode(gstringLogInfo::none);
        showSourcePane(defaultSourceType);
        return;
    }
    const garrayOwned<gregexp>& patterns = supplement->triggers();
    for (int32_t i = patterns.size() - 1; i >= 0; --i) {
        if (const gregexp* pattern = patterns[i]; pattern && pattern->isSet())
            addTrigger(std::make_unique<gregexp>(*pattern));
    }
    logInfo_ = supplement->logInfo();
    showFillFromSource(supplement->getSource(), defaultSourceType);
}

void CEditStringRegisterDialog::onNew()
{
    CRegexpEntryDialog entry(CRegexpEntryDialog::alarmTriggerTemplate, newTriggerCaption, nullptr, nullptr, this);
    if (entry.DoModal() != IDOK)
        return;
    addTrigger(entry.takePattern());
    enableButtons(true);
}

void CEditStringRegisterDialog::onEdit()
{
    int row = selectedRow(triggers());
    if (row < 0)
        return;
    triggerItem* item = triggerAt(triggers(), row);
    CRegexpEntryDialog entry(CRegexpEntryDialog::alarmTriggerTemplate, newTriggerCaption, &item->pattern(),
                             &item->pattern(), this);
    if (entry.DoModal() != IDOK)
        return;
    std::unique_ptr<gregexp> pattern = item->take();
    delete triggers().takeItem(row);
    addTrigger(std::move(pattern));
}

void CEditStringRegisterDialog::onDuplicate()
{
    int row = selectedRow(triggers());
    if (row < 0)
        return;
    CRegexpEntryDialog entry(CRegexpEntryDialog::alarmTriggerTemplate, newTriggerCaption,
                             &triggerAt(triggers(), row)->pattern(), nullptr, this);
    if (entry.DoModal() == IDOK)
        addTrigger(entry.takePattern());
}

// The item now at that index is selected, or the one before when the last
// went.
void CEditStringRegisterDialog::onDelete()
{
    int row = selectedRow(triggers());
    if (row < 0)
        return;
    delete triggers().takeItem(row);
    if (triggers().count() == 0) {
        triggers().setCurrentItem(nullptr);
        enableButtons(false);
        return;
    }
    triggers().setCurrentRow(std::min(row, triggers().count() - 1));
}

bool CEditStringRegisterDialog::validateClassFields(int level)
{
    if (level != gregister::levelNone && triggers().count() == 0)
        return refuseFocusOnly(triggersId, noTrigger);
    return validateSourcePane();
}

// The triggers go to the register in the order of the list.
void CEditStringRegisterDialog::applyClassFields(bool)
{
    gstringSupplement* supplement = targetRegister()->getStringSupplement();
    if (!supplement)
        return;
    supplement->triggers().deleteAll();
    for (int row = 0; row < triggers().count(); ++row)
        supplement->triggers().append(triggerAt(triggers(), row)->take().release());
    supplement->logInfo().transferFrom(logInfo_);
    if (CSourcePane* pane = sourcePaneToApply())
        pane->applyToString(*supplement);
}

void CEditStringRegisterDialog::OnLogStrings()
{
    CStringLogStringsDialog dialog(*this, this);
    dialog.DoModal();
}
