#include "legacy/ui/CDriverReplacePages.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyMask.h"
#include "legacy/ui/CDriverReplaceDialog.h"
#include "legacy/ui/escapedModeButtons.h"
#include "legacy/ui/objectItems.h"
#include "legacy/ui/sortedObjectItems.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"
#include "store/gstation.h"

#include <QComboBox>

namespace {

const char* const settingsSection = "Dialogs\\Driver Replace";
constexpr int noneText = 10223;
constexpr int offsetRefused = 10953;
constexpr int addressReports[] = {10954, 10955, 10956};
constexpr int stringReports[] = {10957, 10958, 10959};
constexpr int responseReports[] = {10960, 10961, 10962};
constexpr int maskReports[] = {10963, 10964, 10965};
constexpr int replyReports[] = {10966, 10967, 10968};

// The hex mode of an escaped-string edit and its text as shown, from the
// settings; the empty edit takes the mode without a conversion.
void restoreEdit(CEscapedStringEdit& edit, int hexMode, const gstrSlice& shown)
{
    edit.setHexMode(hexMode, true);
    edit.setText(toUiText(shown));
}

template <class E>
void insertEntries(QComboBox& combo, const jhashTypedDatabaseTable<E>& table, int32_t kind)
{
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    while (it.get(entry)) {
        if (entry->isDefined() && entry->getKind() == kind)
            insertSortedItem(combo, entry->getName(), entry);
    }
}

} // namespace

CDriverReplacePage::CDriverReplacePage(int templateId, CDriverReplaceDialog& owner)
    : CDialog(templateId, &owner), owner_(owner)
{
    setParent(&owner, Qt::Widget);
}

void CDriverReplacePage::accept() { owner_.accept(); }

void CDriverReplacePage::reject() { owner_.reject(); }

// Only the page shown decides; a hidden page's edits may change as its
// settings are loaded.
void CDriverReplacePage::enableReplaceAll(bool enable)
{
    if (&owner_.page(owner_.shownPage()) == this)
        owner_.enableControl(CDriverReplaceDialog::replaceAllId, enable);
}

void CDriverReplacePage::report(const int (&texts)[3], int count, const gstrSlice& subject)
{
    int id = texts[count > 1 ? 2 : count];
    gstr text;
    if (subject.isNull())
        text.format(id, count);
    else
        text.format(id, subject, count);
    messageBox(text, gbuttons::ok, count > 0 ? gicon::information : gicon::none, id);
}

CReplaceAddressPage::CReplaceAddressPage(CDriverReplaceDialog& owner) : CDriverReplacePage(528, owner)
{
    setDialogSize(220, 62);
    addLabel(-1, "&New address:", 7, 9, 60, 8);
    address_ = addControl(addressId, new CEscapedStringEdit, 70, 7, 143, 12);
    addRadioButton(escapedModeButtons::textId, "Show as te&xt", 70, 23, 65, 10);
    addRadioButton(escapedModeButtons::hexId, "Show as &hex", 140, 23, 65, 10);
    addLabel(-1, "&Place address", 7, 41, 60, 8);
    offset_ = addControl(offsetId, new CUnsignedSpinEdit, 70, 39, 40, 12);
    addLabel(-1, "bytes from the beginning", 114, 41, 100, 8);
    onCommand(escapedModeButtons::hexId, [this] { escapedModeButtons::switchEdits(*this, {address_}, 1); });
    onCommand(escapedModeButtons::textId, [this] { escapedModeButtons::switchEdits(*this, {address_}, 0); });
    QObject::connect(address_, &QLineEdit::textChanged, this, [this] { activate(); });
}

void CReplaceAddressPage::create()
{
    int hexMode = profileInt(settingsSection, "AddressHexMode", 0) ? 1 : 0;
    restoreEdit(*address_, hexMode, profileString(settingsSection, "Address", ""));
    escapedModeButtons::show(*this, hexMode);
    offset_->setValue(static_cast<uint32_t>(profileInt(settingsSection, "AddressOffset", 0)));
}

void CReplaceAddressPage::activate()
{
    enableReplaceAll(owner_.hasCommands() && !address_->text().isEmpty());
}

void CReplaceAddressPage::replaceAll()
{
    gstr address;
    if (!address_->getValue(address, false))
        return;
    uint32_t offset = 0;
    if (!offset_->getValue(offset))
        return (void)refuseField(offsetId, offsetRefused);
    int count = 0;
    jhashTypedIterator<glegacyCommand> it(owner_.commands());
    glegacyCommand* command = nullptr;
    while (it.get(command))
        count += command->overwriteAt(address, offset) ? 1 : 0;
    report(addressReports, count);
}

void CReplaceAddressPage::save()
{
    uint32_t offset = 0;
    if (!offset_->getValue(offset))
        offset = 0;
    writeProfileInt(settingsSection, "AddressHexMode", address_->hexMode());
    writeProfileString(settingsSection, "Address", fromUiText(address_->text()));
    writeProfileInt(settingsSection, "AddressOffset", static_cast<int>(offset));
}

CReplaceStringPage::CReplaceStringPage(CDriverReplaceDialog& owner) : CDriverReplacePage(529, owner)
{
    setDialogSize(220, 76);
    addLabel(-1, "&Search for:", 7, 9, 60, 8);
    search_ = addControl(searchId, new CEscapedStringEdit, 70, 7, 143, 12);
    addLabel(-1, "&Replace with:", 7, 25, 60, 8);
    replacement_ = addControl(replacementId, new CEscapedStringEdit, 70, 23, 143, 12);
    addRadioButton(escapedModeButtons::textId, "Show as te&xt", 70, 39, 65, 10);
    addRadioButton(escapedModeButtons::hexId, "Show as &hex", 140, 39, 65, 10);
    addCheckBox(onlyFirstId, "Replace only the &first occurence", 7, 57, 150, 10);
    for (int hexMode : {0, 1}) {
        onCommand(hexMode ? escapedModeButtons::hexId : escapedModeButtons::textId,
                  [this, hexMode] { escapedModeButtons::switchEdits(*this, {search_, replacement_}, hexMode); });
    }
    QObject::connect(search_, &QLineEdit::textChanged, this, [this] { activate(); });
}

void CReplaceStringPage::create()
{
    int hexMode = profileInt(settingsSection, "HexMode", 0) ? 1 : 0;
    restoreEdit(*search_, hexMode, profileString(settingsSection, "String1", ""));
    restoreEdit(*replacement_, hexMode, profileString(settingsSection, "String2", ""));
    escapedModeButtons::show(*this, hexMode);
    setChecked(onlyFirstId, profileInt(settingsSection, "OnlyOnce", 1) != 0);
}

void CReplaceStringPage::activate()
{
    enableReplaceAll(owner_.hasCommands() && !search_->text().isEmpty());
}

void CReplaceStringPage::replaceAll()
{
    gstr search;
    gstr replacement;
    if (!search_->getValue(search, false) || !replacement_->getValue(replacement, false))
        return;
    bool onlyFirst = isChecked(onlyFirstId);
    int count = 0;
    jhashTypedIterator<glegacyCommand> it(owner_.commands());
    glegacyCommand* command = nullptr;
    while (it.get(command))
        count += command->replaceText(search, replacement, onlyFirst) ? 1 : 0;
    gstr shown("");
    shown.assignQuoted(search, true, false);
    report(stringReports, count, shown);
}

void CReplaceStringPage::save()
{
    writeProfileInt(settingsSection, "HexMode", search_->hexMode());
    writeProfileString(settingsSection, "String1", fromUiText(search_->text()));
    writeProfileString(settingsSection, "String2", fromUiText(replacement_->text()));
    writeProfileInt(settingsSection, "OnlyOnce", isChecked(onlyFirstId) ? 1 : 0);
}

CReplaceReferencePage::CReplaceReferencePage(int templateId, CDriverReplaceDialog& owner, int searchId,
                                             int replacementId, const char* searchSetting,
                                             const char* replacementSetting)
    : CDriverReplacePage(templateId, owner), searchId_(searchId), replacementId_(replacementId),
      searchSetting_(searchSetting), replacementSetting_(replacementSetting)
{
    setDialogSize(220, 44);
    addLabel(-1, "&Search for:", 7, 9, 60, 8);
    addControl(searchId, new CAutoWidthCombo, 70, 7, 143, 14);
    addLabel(-1, "&Replace with:", 7, 27, 60, 8);
    addControl(replacementId, new CAutoWidthCombo, 70, 25, 143, 14);
}

void CReplaceReferencePage::create()
{
    fillLists();
    selectSaved(searchId_, searchSetting_);
    selectSaved(replacementId_, replacementSetting_);
}

void CReplaceReferencePage::selectSaved(int id, const char* setting)
{
    gstr saved = profileString(settingsSection, setting, "");
    const auto& combo = *controlAs<QComboBox>(id);
    int selected = 0;
    for (int i = 0; i < combo.count(); ++i) {
        if (keyOf(itemObject(combo, i)) == saved) {
            selected = i;
            break;
        }
    }
    selectItem(id, combo.count() > 0 ? selected : -1);
}

void CReplaceReferencePage::save()
{
    writeProfileString(settingsSection, searchSetting_, keyOf(chosen(searchId_)));
    writeProfileString(settingsSection, replacementSetting_, keyOf(chosen(replacementId_)));
}

void* CReplaceReferencePage::chosen(int id) const
{
    const auto& combo = *controlAs<QComboBox>(id);
    return itemObject(combo, combo.currentIndex());
}

gstr CReplaceReferencePage::chosenText(int id) const { return controlText(id); }

CReplaceResponsePage::CReplaceResponsePage(CDriverReplaceDialog& owner)
    : CReplaceReferencePage(530, owner, 1407, 1408, "Response1", "Response2")
{
}

void CReplaceResponsePage::fillLists()
{
    for (int id : {searchId_, replacementId_}) {
        auto& combo = *controlAs<QComboBox>(id);
        insertEntries(combo, owner_.responses(), glegacyResponse::response);
        insertItemAt(combo, 0, stringTableText(noneText), nullptr);
    }
}

gstr CReplaceResponsePage::keyOf(void* entry) const
{
    return gstr(entry ? static_cast<glegacyResponse*>(entry)->getName() : gstrSlice::empty);
}

void CReplaceResponsePage::activate()
{
    enableReplaceAll(owner_.hasCommands() && owner_.hasResponses());
}

void CReplaceResponsePage::replaceAll()
{
    auto* old = static_cast<glegacyResponse*>(chosen(searchId_));
    auto* replacement = static_cast<glegacyResponse*>(chosen(replacementId_));
    int count = 0;
    jhashTypedIterator<glegacyCommand> it(owner_.commands());
    glegacyCommand* command = nullptr;
    while (it.get(command))
        count += command->replaceResponse(old, replacement) ? 1 : 0;
    report(responseReports, count, chosenText(searchId_));
}

CReplaceMaskPage::CReplaceMaskPage(CDriverReplaceDialog& owner)
    : CReplaceReferencePage(531, owner, 1316, 1317, "Mask1", "Mask2")
{
}

void CReplaceMaskPage::fillLists()
{
    for (int id : {searchId_, replacementId_}) {
        sortedObjectItems listed;
        jhashTypedIterator<glegacyMask> it(station::legacyMasks());
        glegacyMask* mask = nullptr;
        while (it.get(mask)) {
            if (mask->isDefined())
                listed.add(mask->getTitle(true), mask);
        }
        listed.appendTo(*controlAs<QComboBox>(id));
    }
}

gstr CReplaceMaskPage::keyOf(void* entry) const
{
    return gstr(entry ? static_cast<glegacyMask*>(entry)->getTag() : gstrSlice::empty);
}

void CReplaceMaskPage::activate()
{
    enableReplaceAll(owner_.hasResponses() && itemCount(searchId_) > 0);
}

void CReplaceMaskPage::replaceAll()
{
    auto* old = static_cast<glegacyMask*>(chosen(searchId_));
    auto* replacement = static_cast<glegacyMask*>(chosen(replacementId_));
    if (!old || !replacement)
        return;
    int count = 0;
    jhashTypedIterator<glegacyResponse> it(owner_.responses());
    glegacyResponse* response = nullptr;
    while (it.get(response))
        count += response->replaceMask(old, replacement) ? 1 : 0;
    report(maskReports, count, chosenText(searchId_));
}

CReplaceReplyPage::CReplaceReplyPage(CDriverReplaceDialog& owner)
    : CReplaceReferencePage(693, owner, 1687, 1688, "Reply1", "Reply2")
{
}

void CReplaceReplyPage::fillLists()
{
    for (int id : {searchId_, replacementId_}) {
        auto& combo = *controlAs<QComboBox>(id);
        insertEntries(combo, owner_.commands(), glegacyCommand::reply);
        insertItemAt(combo, 0, stringTableText(noneText), nullptr);
    }
}

gstr CReplaceReplyPage::keyOf(void* entry) const
{
    return gstr(entry ? static_cast<glegacyCommand*>(entry)->getName() : gstrSlice::empty);
}

void CReplaceReplyPage::activate()
{
    enableReplaceAll(owner_.hasCommands() && owner_.hasResponses());
}

void CReplaceReplyPage::replaceAll()
{
    auto* old = static_cast<glegacyCommand*>(chosen(searchId_));
    auto* replacement = static_cast<glegacyCommand*>(chosen(replacementId_));
    int count = 0;
    jhashTypedIterator<glegacyResponse> it(owner_.responses());
    glegacyResponse* response = nullptr;
    while (it.get(response))
        count += response->replaceReply(old, replacement) ? 1 : 0;
    report(replyReports, count, chosenText(searchId_));
}
