#include "legacy/ui/CEditLegacyDriverDialog.h"

#include "legacy/ui/CAddChecksumDialog.h"
#include "legacy/ui/CDriverReplaceDialog.h"
#include "legacy/ui/CLegacyDriverPane.h"
#include "legacy/legacyFields.h"
#include "foundation/gmilliseconds.h"
#include "platform/settingsStore.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "store/gstation.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

namespace {

constexpr int prefixRefused = 10941;
constexpr int suffixRefused = 10942;
constexpr int errorPatternRefused = 10943;
constexpr int tagTaken = 10944;
const char* const settingsSection = "Dialogs\\Edit Driver";

} // namespace

CEditLegacyDriverDialog::CEditLegacyDriverDialog(glegacyDriver* source, glegacyDriver* target, QWidget* parent)
    : CDialog(templateId, parent), source_(source), target_(target)
{
    setWindowTitle(QStringLiteral("Edit Device Driver"));
    setDialogSize(360, 250);
    addLabel(-1, "&Tag:", 7, 9, 80, 8);
    addEdit(tagId, 90, 7, 200, 12);
    addLabel(-1, "&Name:", 7, 25, 80, 8);
    addEdit(nameId, 90, 23, 200, 12);
    addLabel(-1, "Response &prefix:", 7, 41, 80, 8);
    addEdit(prefixId, 90, 39, 200, 12);
    addLabel(-1, "Response &suffix:", 7, 57, 80, 8);
    addEdit(suffixId, 90, 55, 200, 12);
    addLabel(-1, "&Delay after commands with no response:", 7, 73, 140, 8);
    delay_ = addControl(delayId, new CRealSpinEdit, 150, 71, 50, 12);
    addLabel(-1, "s", 204, 73, 10, 8);
    addLabel(-1, "&Error pattern:", 7, 89, 80, 8);
    addEdit(errorPatternId, 90, 87, 200, 12);
    tabs_ = addControl(tabId, new QTabBar, 7, 105, 346, 14);
    addLabel(placeholderId, "", 10, 123, 340, 120)->hide();
    addButton(IDOK, "OK", 300, 7, 53, 14, true);
    addButton(IDCANCEL, "Cancel", 300, 24, 53, 14);
    addButton(replaceId, "Rep&lace...", 300, 41, 53, 14);
    addButton(checksumId, "Checksum...", 300, 58, 53, 14);

    QRect place = control(placeholderId)->geometry();
    for (int side = 0; side < 2; ++side) {
        panes_[side] = new CLegacyDriverPane(*this, side == 1);
        panes_[side]->move(place.topLeft());
        panes_[side]->hide();
    }
    tabs_->addTab(QStringLiteral("Objects for polling"));
    tabs_->addTab(QStringLiteral("Objects for unsolicited data"));

    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPane(index); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    onCommand(replaceId, [this] {
        CDriverReplaceDialog dialog(commands_, responses_, this);
        dialog.DoModal();
    });
    onCommand(checksumId, [this] {
        CAddChecksumDialog dialog(commands_, this);
        dialog.DoModal();
    });
}

CEditLegacyDriverDialog::~CEditLegacyDriverDialog() = default;

bool CEditLegacyDriverDialog::OnInitDialog()
{
    for (CLegacyDriverPane* pane : panes_)
        pane->ensureInitialized();
    int active = profileInt(settingsSection, "ActivePane", 0) == 1 ? 1 : 0;
    {
        QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(active);
    }
    showPane(active);
    if (source_) {
        fillFields();
        panes_[0]->fill();
        panes_[1]->fill();
    } else {
        setControlText(delayId, "0");
        enableControl(IDOK, false);
    }
    if (isEditing()) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(QStringLiteral("New Device Driver"));
        focusControl(tagId);
    }
    updateButtons();
    return false;
}

void CEditLegacyDriverDialog::fillFields()
{
    setControlText(tagId, source_->getTag());
    setControlText(nameId, isEditing() ? source_->getTitle(true) : source_->getTitle(false));
    fieldEdits::showSeconds(*delay_, source_->getDelay());
    gstr text;
    source_->prefix().toString(text, true);
    setControlText(prefixId, text);
    source_->suffix().toString(text, true);
    setControlText(suffixId, text);
    source_->errorPattern().toString(text, true);
    setControlText(errorPatternId, text);
}

void CEditLegacyDriverDialog::showPane(int index)
{
    panes_[index]->show();
    panes_[1 - index]->hide();
}

void CEditLegacyDriverDialog::updateButtons()
{
    int commands = panes_[0]->commandCount() + panes_[1]->commandCount();
    int responses = panes_[0]->responseCount() + panes_[1]->responseCount();
    enableControl(replaceId, commands + responses > 0);
    enableControl(checksumId, commands > 0);
}

bool CEditLegacyDriverDialog::readPattern(int id, int messageId, gregexp& pattern)
{
    gstr text = controlText(id);
    if (text.isEmpty())
        return true;
    if (pattern.parse(text.data(), true, false) != 1)
        return refuseField(id, messageId);
    return true;
}

// A delay whose count of milliseconds would reach the "not set" count could
// not be read back from the file; it is refused like a negative one.
void CEditLegacyDriverDialog::OnOK()
{
    const gsecondsField& delayField = legacyFields::driverDelay;
    uint32_t delay = 0;
    if (!fieldEdits::readSeconds(*delay_, delayField, source_ ? source_->getDelay() : gmilliseconds::notSet, -1, delay))
        return (void)refuseField(delayId, delayField.refusal);
    gregexp prefix(false);
    gregexp suffix(false);
    gregexp errorPattern(false);
    if (!readPattern(prefixId, prefixRefused, prefix) || !readPattern(suffixId, suffixRefused, suffix) ||
        !readPattern(errorPatternId, errorPatternRefused, errorPattern))
        return;
    if (!target_) {
        target_ = station::legacyDrivers().define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    target_->prefix().transferFrom(prefix);
    target_->suffix().transferFrom(suffix);
    target_->errorPattern().transferFrom(errorPattern);
    gstr name = controlText(nameId);
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(name == target_->getTag() ? gstrSlice::empty : gstrSlice(name));
    target_->assignEntries(commands_, responses_, gmilliseconds(delay));
    saveSettings();
    EndDialog(IDOK);
}

void CEditLegacyDriverDialog::OnCancel()
{
    saveSettings();
    CDialog::OnCancel();
}

void CEditLegacyDriverDialog::saveSettings() { writeProfileInt(settingsSection, "ActivePane", tabs_->currentIndex()); }
