#include "formats/ui/CDataFormatPage.h"

#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "shell/CEscapedStringEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace {

const char* const hexModeSection = "Dialogs\\Edit G2Driver";
const char* const hexModeEntry = "HexMode";

} // namespace

CDataFormatPage::CDataFormatPage() : CDialog(0, nullptr) {}

CDataFormatPage::~CDataFormatPage()
{
    if (created_ && keepsHexMode_)
        writeHexModeSetting(hexMode_);
}

int CDataFormatPage::readHexModeSetting() { return profileInt(hexModeSection, hexModeEntry, 0) != 0 ? 1 : 0; }

void CDataFormatPage::writeHexModeSetting(int hexMode) { writeProfileInt(hexModeSection, hexModeEntry, hexMode); }

void CDataFormatPage::moveTo(int dy)
{
    if (!created_)
        return;
    move(origin_.x(), origin_.y() + dy);
    show();
}

void CDataFormatPage::beginPage(int templateId, int cx, int cy)
{
    setTemplateId(templateId);
    setDialogSize(cx, cy);
}

void CDataFormatPage::placeOver(CDialog& host, int placeholderId)
{
    setParent(&host, Qt::Widget);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QWidget* placeholder = host.control(placeholderId);
    origin_ = placeholder ? placeholder->mapTo(&host, QPoint(0, 0)) : QPoint(0, 0);
    move(origin_);
    if (placeholder)
        stackUnder(placeholder);
    created_ = true;
    ensureInitialized();
    show();
}

// The page leaves the focus where the host puts it.
bool CDataFormatPage::OnInitDialog() { return false; }

void CDataFormatPage::groupRadioButtons(std::initializer_list<int> ids)
{
    auto* group = new QButtonGroup(this);
    for (int id : ids) {
        if (auto* button = controlAs<QAbstractButton>(id))
            group->addButton(button);
    }
}

void CDataFormatPage::showEscaped(int id, const gstrSlice& bytes)
{
    gstr shown("");
    shown.assignQuoted(bytes.isNull() ? gstrSlice::empty : bytes, true, false);
    setControlText(id, shown);
}

bool CDataFormatPage::readEscaped(int id, gstr& out) const
{
    gstr text = controlText(id);
    gstr bytes;
    if (!bytes.parseValue(text.data(), true))
        return false;
    out.adopt(bytes);
    return true;
}

bool CDataFormatPage::readSingleByte(int id, char& out) const
{
    gstr bytes;
    if (!readEscaped(id, bytes) || bytes.length() != 1)
        return false;
    out = bytes[0];
    return true;
}

bool CDataFormatPage::refuseFocusOnly(int id, int messageId)
{
    messageBox(messageId, gbuttons::ok, gicon::warning);
    if (QWidget* w = control(id))
        w->setFocus(Qt::OtherFocusReason);
    return false;
}

void CDataFormatPage::switchHexMode(CEscapedStringEdit& first, CEscapedStringEdit& second)
{
    int wanted = isChecked(showAsHexId) ? 1 : 0;
    if (wanted != hexMode_ && first.setHexMode(wanted, false) && second.setHexMode(wanted, false)) {
        hexMode_ = wanted;
        return;
    }
    first.setHexMode(hexMode_, true);
    showHexMode(first, second);
}

void CDataFormatPage::showHexMode(CEscapedStringEdit& first, CEscapedStringEdit& second)
{
    checkRadioButton(showAsHexId, showAsTextId, hexMode_ ? showAsHexId : showAsTextId);
    first.setHexMode(hexMode_, true);
    second.setHexMode(hexMode_, true);
}
