#include "legacy/ui/CEditLegacyResponseDialog.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyMask.h"
#include "legacy/ui/objectItems.h"
#include "legacy/ui/sortedObjectItems.h"
#include "platform/modalRun.h"
#include "resources/stringTable.h"
#include "shell/CAutoWidthCombo.h"
#include "store/gstation.h"

#include <QLineEdit>

namespace {

constexpr int responseTemplate = 548;
constexpr int messageTemplate = 695;
constexpr int noneText = 10223;
constexpr int tagTaken = 10946;
constexpr int noMasks = 10947;

} // namespace

CEditLegacyResponseDialog::CEditLegacyResponseDialog(const glegacyCommandTable& commands,
                                                     glegacyResponseTable& responses, bool messageSide,
                                                     glegacyResponse* source, glegacyResponse* target,
                                                     QWidget* parent)
    : CDialog(messageSide ? messageTemplate : responseTemplate, parent), commands_(commands), responses_(responses),
      messageSide_(messageSide), source_(source), target_(target)
{
    setWindowTitle(messageSide ? QStringLiteral("Edit Message") : QStringLiteral("Edit Response"));
    setDialogSize(250, messageSide ? 64 : 46);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 137, 12);
    addLabel(-1, "&Mask:", 7, 27, 40, 8);
    addControl(maskId, new CAutoWidthCombo, 50, 25, 137, 14);
    if (messageSide) {
        addLabel(-1, "&Reply:", 7, 45, 40, 8);
        addControl(replyId, new CAutoWidthCombo, 50, 43, 137, 14);
    }
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

bool CEditLegacyResponseDialog::OnInitDialog()
{
    if (messageSide_)
        fillReplies();
    if (source_)
        setControlText(tagId, source_->getName());
    if (!fillMasks()) {
        messageBox(noMasks, gbuttons::ok);
        EndDialog(IDCANCEL);
        return false;
    }
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(maskId);
    } else {
        setWindowTitle(messageSide_ ? QStringLiteral("New Message") : QStringLiteral("New Response"));
        focusControl(tagId);
    }
    enableControl(IDOK, !controlText(tagId).isEmpty());
    return false;
}

void CEditLegacyResponseDialog::fillReplies()
{
    auto& combo = *controlAs<QComboBox>(replyId);
    jhashTypedIterator<glegacyCommand> it(commands_);
    glegacyCommand* command = nullptr;
    while (it.get(command)) {
        if (command->getKind() == glegacyCommand::reply)
            insertSortedItem(combo, command->getName(), command);
    }
    int selected = -1;
    if (source_ && !source_->getReplyName().isNull())
        selected = findItemText(combo, source_->getReplyName());
    insertItemAt(combo, 0, stringTableText(noneText), nullptr);
    combo.setCurrentIndex(selected < 0 ? 0 : selected + 1);
}

bool CEditLegacyResponseDialog::fillMasks()
{
    auto& combo = *controlAs<QComboBox>(maskId);
    sortedObjectItems listed;
    jhashTypedIterator<glegacyMask> it(station::legacyMasks());
    glegacyMask* mask = nullptr;
    while (it.get(mask)) {
        if (mask->isDefined())
            listed.add(mask->getTitle(true), mask);
    }
    listed.appendTo(combo);
    if (combo.count() == 0)
        return false;
    int selected = source_ ? findItemObject(combo, source_->getMask()) : -1;
    combo.setCurrentIndex(selected < 0 ? 0 : selected);
    return true;
}

void CEditLegacyResponseDialog::OnOK()
{
    if (!target_) {
        target_ = responses_.define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    glegacyCommand* counterpart = glegacyResponse::responseMarker();
    if (messageSide_) {
        const auto& replies = *controlAs<QComboBox>(replyId);
        counterpart = static_cast<glegacyCommand*>(itemObject(replies, replies.currentIndex()));
    }
    const auto& masks = *controlAs<QComboBox>(maskId);
    target_->set(static_cast<glegacyMask*>(itemObject(masks, masks.currentIndex())), counterpart);
    EndDialog(IDOK);
}
