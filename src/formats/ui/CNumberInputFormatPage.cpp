#include "formats/ui/CNumberInputFormatPage.h"

#include "formats/gintegerType.h"
#include "formats/gnumberInputFormat.h"
#include "formats/ui/numberEncodings.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int decimalsMessage = 10269;
constexpr int greaterMessage = 10699;
constexpr int lessMessage = 10700;
constexpr int separatorMessage = 10740;

struct symbolRow {
    int place;
    int box;
    int field;
    const char* text;
    const char* defaultText;
    int message;
};

constexpr symbolRow symbolRows[] = {
    {gnumberInputFormat::plusSign, CNumberInputFormatPage::plusBoxId, CNumberInputFormatPage::plusFieldId,
     "Allow positi&ve (+) sign:", "+", numberEncodings::plusMessage},
    {gnumberInputFormat::minusSign, CNumberInputFormatPage::minusBoxId, CNumberInputFormatPage::minusFieldId,
     "Allow &negative (-) sign:", "-", numberEncodings::minusMessage},
    {gnumberInputFormat::thousandsSeparator, CNumberInputFormatPage::thousandsBoxId,
     CNumberInputFormatPage::thousandsFieldId, "Allow &thousands separator:", ",", numberEncodings::thousandsMessage},
    {gnumberInputFormat::decimalMarker, CNumberInputFormatPage::decimalBoxId, CNumberInputFormatPage::decimalFieldId,
     "Allow &decimal marker:", ".", numberEncodings::decimalMarkerMessage},
};

} // namespace

int32_t CNumberInputFormatPage::selectedType() const
{
    int position = selectedItem(encodingId);
    return position < 0 ? 0 : position + 1;
}

void CNumberInputFormatPage::addControls(bool extended)
{
    addLabel(-1, "Encoding:", 0, 2, 40, 8);
    addComboBox(encodingId, false, 42, 0, 110, 12);
    for (const char* name : numberEncodings::names)
        addItem(encodingId, name);
    addCharacterGroups(0, 18, 0, 72);

    // A field stands a unit above its check box: the first row starts a
    // unit down, so that its field stays on the page. The rows of the right
    // column stand close: with the separator's symbols they are the tallest
    // part of a data object's dialog.
    constexpr int row = 13;
    int y = 1;
    for (const symbolRow& symbol : symbolRows) {
        addCheckBox(symbol.box, symbol.text, 180, y, 110, 10);
        addEdit(symbol.field, 292, y - 1, 30, 12);
        y += row;
    }
    addCheckBox(exponentBoxId, "Allow ex&ponential notiation", 180, y, 140, 10);
    addLabel(positiveLabelId, "Prefix for p&ositive exponent:", 190, y + row, 100, 8);
    positive_ = addControl(positiveFieldId, new CEscapedStringEdit, 292, y + row - 2, 50, 12);
    addLabel(negativeLabelId, "Prefix for ne&gative exponent:", 190, y + 2 * row, 100, 8);
    negative_ = addControl(negativeFieldId, new CEscapedStringEdit, 292, y + 2 * row - 2, 50, 12);
    addRadioButton(showAsTextId, "Show &as text", 190, y + 3 * row, 70, 10);
    addRadioButton(showAsHexId, "Show as &hex", 262, y + 3 * row, 70, 10);
    groupRadioButtons({showAsTextId, showAsHexId});
    y += 4 * row + 3;
    addLabel(-1, "&Implied decimals:", 180, y + 2, 70, 8);
    addControl(decimalsFieldId, new CNonNegativeSpinEdit, 252, y, 40, 12);
    addLabel(-1, "(0 for none)", 296, y + 2, 50, 8);
    if (!extended)
        return;
    y += row + 3;
    addCheckBox(greaterLessBoxId, "Allow greater than and less than sy&mbols", 180, y, 170, 10);
    addLabel(greaterLabelId, "Sym&bol for greater than:", 190, y + row, 100, 8);
    addEdit(greaterFieldId, 292, y + row - 2, 30, 12);
    addLabel(lessLabelId, "Symbol &for less than:", 190, y + 2 * row, 100, 8);
    addEdit(lessFieldId, 292, y + 2 * row - 2, 30, 12);
    // Below the trailing characters, where the left column has room: the
    // symbol rows take the right column down to the page's foot.
    addLabel(separatorLabelId, "Separator between values:", 0, 143, 90, 8);
    addEdit(separatorFieldId, 92, 141, 78, 12);
}

void CNumberInputFormatPage::create(CDialog& host, int placeholderId, const gnumberInputFormat* format, int variant)
{
    extended_ = variant != 0;
    beginPage(extended_ ? 844 : 742, 350, extended_ ? 162 : 148);
    addControls(extended_);
    placeOver(host, placeholderId);

    filling_ = true;
    keepsHexMode_ = true;
    hexMode_ = readHexModeSetting();
    showHexMode(*positive_, *negative_);
    // A format without a TYPE yet shows Decimal like the defaults.
    int32_t type = format && format->type() != 0 ? format->type() : gintegerType::decimal;
    selectItem(encodingId, type - 1);
    showWidth(format ? format->width() : 0);
    bool text = gintegerType::isTextType(type);
    if (format && text)
        showCharacterSets(*format);
    else
        showSpacesOnly();
    if (extended_) {
        bool markers = format && text && format->greaterMarker().hasCharacter();
        setChecked(greaterLessBoxId, markers);
        showSymbol(greaterLessBoxId, greaterFieldId, markers ? format->greaterMarker() : gcharOption(), ">");
        showSymbol(greaterLessBoxId, lessFieldId, markers ? format->lessMarker() : gcharOption(), "<");
        setChecked(greaterLessBoxId, markers);
        if (format && format->separator().isSet()) {
            gstr source("");
            format->separator().toString(source, true);
            setControlText(separatorFieldId, source);
        }
    }
    showSymbols(format, type);
    int32_t decimals = format && format->decimals() > 0 ? format->decimals() : 0;
    controlOf<CNonNegativeSpinEdit>(decimalsFieldId)->setValue(decimals);
    setWidthRange(type);
    filling_ = false;

    connectCharacterGroups();
    for (int id : {plusBoxId, minusBoxId, thousandsBoxId, decimalBoxId, exponentBoxId, greaterLessBoxId})
        onClick(id, [this] { enableControls(); });
    for (int id : {showAsTextId, showAsHexId})
        onClick(id, [this] { switchHexMode(*positive_, *negative_); });
    enableControls();
}

void CNumberInputFormatPage::showSymbols(const gnumberInputFormat* format, int32_t type)
{
    if (format && type == gintegerType::decimal) {
        for (const symbolRow& row : symbolRows)
            showSymbol(row.box, row.field, format->symbol(row.place), row.defaultText);
        bool exponent = !format->positiveExponent().isNull();
        setChecked(exponentBoxId, exponent);
        positive_->setValue(exponent ? gstrSlice(format->positiveExponent()) : gstrSlice("E+"));
        negative_->setValue(exponent ? gstrSlice(format->negativeExponent()) : gstrSlice("E-"));
        return;
    }
    for (const symbolRow& row : symbolRows) {
        setChecked(row.box, row.place != gnumberInputFormat::thousandsSeparator);
        setControlText(row.field, row.defaultText);
    }
    setChecked(exponentBoxId, false);
    positive_->setValue("E+");
    negative_->setValue("E-");
}

void CNumberInputFormatPage::enableControls()
{
    CInputFormatPageBase::enableControls();
    int32_t type = selectedType();
    bool decimal = type == gintegerType::decimal;
    for (const symbolRow& row : symbolRows) {
        enableControl(row.box, decimal);
        enableControl(row.field, decimal && isChecked(row.box));
    }
    enableControl(exponentBoxId, decimal);
    bool exponent = decimal && isChecked(exponentBoxId);
    for (int id : {positiveLabelId, positiveFieldId, negativeLabelId, negativeFieldId, showAsTextId, showAsHexId})
        enableControl(id, exponent);
    if (!extended_)
        return;
    bool text = gintegerType::isTextType(type);
    enableControl(greaterLessBoxId, text);
    bool markers = text && isChecked(greaterLessBoxId);
    for (int id : {greaterLabelId, greaterFieldId, lessLabelId, lessFieldId})
        enableControl(id, markers);
}

void CNumberInputFormatPage::enableSeparator(bool on)
{
    if (!extended_)
        return;
    enableControl(separatorLabelId, on);
    enableControl(separatorFieldId, on);
}

bool CNumberInputFormatPage::applySymbols(gnumberInputFormat& format, int32_t type)
{
    if (type != gintegerType::decimal) {
        // What a loaded format of this type holds: no symbols, no exponent.
        for (const symbolRow& row : symbolRows)
            format.setSymbol(row.place, gcharOption());
        format.setExponent(gstrSlice::null, gstrSlice::null);
        return true;
    }
    for (const symbolRow& row : symbolRows) {
        gcharOption symbol;
        if (!readSymbol(row.box, row.field, row.message, symbol))
            return false;
        format.setSymbol(row.place, symbol);
    }
    if (!isChecked(exponentBoxId)) {
        format.setExponent(gstrSlice::null, gstrSlice::null);
        return true;
    }
    gstr positive;
    gstr negative;
    if (!readExponentPrefixes(*positive_, *negative_, positive, negative))
        return false;
    format.setExponent(positive, negative);
    return true;
}

bool CNumberInputFormatPage::applyMarkers(gnumberInputFormat& format, int32_t type)
{
    bool text = gintegerType::isTextType(type);
    gcharOption greater;
    gcharOption less;
    if (text) {
        greater.setNone();
        less.setNone();
    }
    if (extended_ && text && isChecked(greaterLessBoxId)
        && (!readSymbol(greaterLessBoxId, greaterFieldId, greaterMessage, greater)
            || !readSymbol(greaterLessBoxId, lessFieldId, lessMessage, less)))
        return false;
    format.setMarkers(greater, less);
    return true;
}

bool CNumberInputFormatPage::applySeparator(gnumberInputFormat& format)
{
    gregexp separator(format.separator().allowZeroLength());
    gstr text = extended_ ? controlText(separatorFieldId) : gstr("");
    if (!text.isEmpty() && !separator.parse(text.data(), true, false))
        return refuse(separatorFieldId, separatorMessage);
    format.separator().transferFrom(separator);
    return true;
}

bool CNumberInputFormatPage::apply(gnumberInputFormat& format)
{
    int32_t type = selectedType();
    format.setType(type);
    if (!applySymbols(format, type) || !applyMarkers(format, type) || !applyCharacterGroups(format, type)
        || !applySeparator(format))
        return false;
    int32_t decimals = 0;
    if (!controlOf<CNonNegativeSpinEdit>(decimalsFieldId)->getValue(decimals))
        return refuse(decimalsFieldId, decimalsMessage);
    format.setDecimals(decimals);
    return checkWidthFits(type, format.width());
}
