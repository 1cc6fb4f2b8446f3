#include "formats/ui/CDataFormatPage.h"

#include "formats/gintegerType.h"
#include "g2driver/model/gcharOption.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <tuple>

namespace {

const char* const hexModeSection = "Dialogs\\Edit G2Driver";
const char* const hexModeEntry = "HexMode";

constexpr int widthMessage = 10524;
constexpr int byteWidthMessage = 10529;
constexpr int multibyteWidthMessage = 10528;
constexpr int bcdWidthMessage = 10530;

// Our own texts: the program stored empty prefixes, which no file reads.
constexpr int emptyPositivePrefixMessage = 10901;
constexpr int emptyNegativePrefixMessage = 10902;

constexpr double widest = 2147483647.0;

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

void CDataFormatPage::showSymbol(int boxId, int fieldId, const gcharOption& symbol, const char* defaultText)
{
    setChecked(boxId, symbol.hasCharacter());
    if (!symbol.hasCharacter()) {
        setControlText(fieldId, defaultText);
        return;
    }
    char c = symbol.character();
    showEscaped(fieldId, gstrSlice(&c, 1));
}

bool CDataFormatPage::readSymbol(int boxId, int fieldId, int messageId, gcharOption& symbol)
{
    if (!isChecked(boxId)) {
        symbol.setNone();
        return true;
    }
    char c = 0;
    if (!readSingleByte(fieldId, c))
        return refuse(fieldId, messageId);
    symbol.set(c);
    return true;
}

bool CDataFormatPage::refuseFocusOnly(int id, int messageId)
{
    messageBox(messageId, gbuttons::ok, gicon::warning);
    if (QWidget* w = control(id))
        w->setFocus(Qt::OtherFocusReason);
    return false;
}

bool CDataFormatPage::readExponentPrefixes(CEscapedStringEdit& positiveEdit, CEscapedStringEdit& negativeEdit,
                                           gstr& positive, gstr& negative)
{
    for (auto [edit, out, emptyMessage] : {std::tuple{&positiveEdit, &positive, emptyPositivePrefixMessage},
                                           std::tuple{&negativeEdit, &negative, emptyNegativePrefixMessage}}) {
        int id = controlId(edit);
        if (!edit->getValue(*out, false)) {
            focusControl(id);
            return false;
        }
        if (out->isEmpty())
            return refuseFocusOnly(id, emptyMessage);
    }
    return true;
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

void CDataFormatPage::showWidth(int32_t width)
{
    setChecked(fixedWidthId, width > 0);
    controlOf<CNonNegativeSpinEdit>(widthFieldId)->setValue(width > 0 ? width : 1);
}

void CDataFormatPage::setWidthRange(int32_t type)
{
    auto& spin = controlOf<CNonNegativeSpinEdit>(widthFieldId)->spin();
    if (gintegerType::isSingleByte(type)) {
        spin.minimum = 1;
        spin.maximum = 1;
    } else if (gintegerType::isMultibyte(type)) {
        spin.minimum = 2;
        spin.maximum = 4;
    } else {
        spin.minimum = 1;
        spin.maximum = widest;
    }
}

// BCD gets the full range on every page, which the number pages give it.
void CDataFormatPage::adaptWidthToEncoding(int32_t type)
{
    setWidthRange(type);
    if (!gintegerType::isByteType(type))
        return;
    auto* width = controlOf<CNonNegativeSpinEdit>(widthFieldId);
    setChecked(fixedWidthId, true);
    int32_t shown = 0;
    if (!width->getValue(shown))
        shown = 0;
    if (gintegerType::isSingleByte(type))
        shown = 1;
    else if (gintegerType::isMultibyte(type))
        shown = shown < 2 ? 2 : shown > 4 ? 4 : shown;
    else if (shown < 1)
        shown = 1;
    width->setValue(shown);
}

bool CDataFormatPage::readWidth(int32_t& width)
{
    width = 0;
    if (!isChecked(fixedWidthId))
        return true;
    if (!controlOf<CNonNegativeSpinEdit>(widthFieldId)->getValue(width) || width < 1)
        return refuse(widthFieldId, widthMessage);
    return true;
}

bool CDataFormatPage::checkWidthFits(int32_t type, int32_t width)
{
    if (gintegerType::isSingleByte(type) && width != 1)
        return refuse(widthFieldId, byteWidthMessage);
    if (gintegerType::isMultibyte(type) && (width < 2 || width > 4))
        return refuse(widthFieldId, multibyteWidthMessage);
    if (type == gintegerType::bcd && width < 1)
        return refuse(widthFieldId, bcdWidthMessage);
    return true;
}
