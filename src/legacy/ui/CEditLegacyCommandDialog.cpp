#include "legacy/ui/CEditLegacyCommandDialog.h"

#include "foundation/jhashIterator.h"
#include "legacy/ui/escapedModeButtons.h"
#include "legacy/ui/objectItems.h"
#include "platform/settingsStore.h"
#include "resources/stringTable.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CEscapedStringEdit.h"

#include <QLineEdit>

namespace {

constexpr int commandTemplate = 538;
constexpr int replyTemplate = 694;
constexpr int noneText = 10223;
constexpr int tagTaken = 10945;
const char* const settingsSection = "Dialogs\\Edit Command";

constexpr int lrcCode = 2;
constexpr int modulo256Code = 7;

} // namespace

CEditLegacyCommandDialog::CEditLegacyCommandDialog(glegacyCommandTable& commands,
                                                   const glegacyResponseTable& responses, bool replySide,
                                                   glegacyCommand* source, glegacyCommand* target, QWidget* parent)
    : CDialog(replySide ? replyTemplate : commandTemplate, parent), commands_(commands), responses_(responses),
      replySide_(replySide), source_(source), target_(target)
{
    setWindowTitle(replySide ? QStringLiteral("Edit Reply") : QStringLiteral("Edit Command"));
    setDialogSize(250, replySide ? 96 : 114);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 137, 12);
    addLabel(-1, "&String:", 7, 27, 40, 8);
    string_ = addControl(stringId, new CEscapedStringEdit, 50, 25, 137, 12);
    addRadioButton(escapedModeButtons::textId, "Show as te&xt", 50, 41, 65, 10);
    addRadioButton(escapedModeButtons::hexId, "Show as &hex", 120, 41, 65, 10);
    int y = 57;
    if (!replySide) {
        addLabel(-1, "&Response:", 7, 59, 40, 8);
        addControl(responseId, new CAutoWidthCombo, 50, 57, 137, 14);
        y = 75;
    }
    addButton(lrcId, "LRC", 7, y, 55, 14);
    addButton(modulo256Id, "Modulo 256", 66, y, 55, 14);
    addButton(printableId, "Printable Chksm.", 125, y, 62, 14);
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);

    onCommand(escapedModeButtons::hexId, [this] { switchDisplay(1); });
    onCommand(escapedModeButtons::textId, [this] { switchDisplay(0); });
    for (int button : {lrcId, modulo256Id, printableId})
        onCommand(button, [this, button] { appendChecksum(button); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

char CEditLegacyCommandDialog::signedPrintableChecksum(const gstrSlice& bytes)
{
    uint32_t sum = 0;
    for (int32_t i = 0; i < bytes.length(); ++i)
        sum += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(bytes[i])) - 32);
    return static_cast<char>(sum % 95 + 32);
}

bool CEditLegacyCommandDialog::OnInitDialog()
{
    int hexMode = profileInt(settingsSection, "HexMode", 0) ? 1 : 0;
    escapedModeButtons::show(*this, hexMode);
    if (!replySide_)
        fillResponses();
    if (source_) {
        setControlText(tagId, source_->getName());
        string_->setValue(source_->getString());
    }
    enableControl(IDOK, source_ != nullptr);
    if (hexMode)
        escapedModeButtons::switchEdits(*this, {string_}, 1);
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(stringId);
    } else {
        setWindowTitle(replySide_ ? QStringLiteral("New Reply") : QStringLiteral("New Command"));
        focusControl(tagId);
    }
    return false;
}

void CEditLegacyCommandDialog::fillResponses()
{
    auto& combo = *controlAs<QComboBox>(responseId);
    jhashTypedIterator<glegacyResponse> it(responses_);
    glegacyResponse* response = nullptr;
    while (it.get(response)) {
        if (response->getKind() == glegacyResponse::response)
            insertSortedItem(combo, response->getName(), response);
    }
    int selected = -1;
    if (source_ && !source_->getResponseName().isNull())
        selected = findItemText(combo, source_->getResponseName());
    insertItemAt(combo, 0, stringTableText(noneText), nullptr);
    combo.setCurrentIndex(selected < 0 ? 0 : selected + 1);
}

void CEditLegacyCommandDialog::switchDisplay(int hexMode)
{
    escapedModeButtons::switchEdits(*this, {string_}, hexMode);
}

void CEditLegacyCommandDialog::appendChecksum(int button)
{
    gstr bytes;
    if (!string_->getValue(bytes, false))
        return;
    char sum = 0;
    if (button == printableId)
        sum = signedPrintableChecksum(bytes);
    else
        sum = static_cast<char>(bytes.checksum(button == lrcId ? lrcCode : modulo256Code, 0, 0, 0));
    bytes.append(sum);
    string_->setValue(bytes);
}

void CEditLegacyCommandDialog::OnOK()
{
    glegacyResponse* counterpart = glegacyCommand::replyMarker();
    if (!replySide_) {
        const auto& combo = *controlAs<QComboBox>(responseId);
        counterpart = static_cast<glegacyResponse*>(itemObject(combo, combo.currentIndex()));
    }
    gstr bytes;
    if (!string_->getValue(bytes, false))
        return;
    if (!target_) {
        target_ = commands_.define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    target_->set(bytes, counterpart);
    saveSettings();
    EndDialog(IDOK);
}

void CEditLegacyCommandDialog::OnCancel()
{
    saveSettings();
    CDialog::OnCancel();
}

void CEditLegacyCommandDialog::saveSettings() { writeProfileInt(settingsSection, "HexMode", string_->hexMode()); }
