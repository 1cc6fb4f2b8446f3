#include "formats/ui/CNumberOutputFormatPage.h"

#include "formats/gintegerType.h"
#include "formats/gnumberOutputFormat.h"
#include "formats/ui/numberEncodings.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int padMessage = 10523;
constexpr int decimalsMessage = 10525;
constexpr int exponentDigitsMessage = 10526;
constexpr int mantissaMessage = 10527;
constexpr int widthTooSmallMessage = 10531;
// Our own text: an exponent part without mantissa digits or decimals is
// no format a file takes.
constexpr int emptyMantissaMessage = 10903;

struct symbolRow {
    int place;
    int box;
    int field;
    const char* text;
    const char* defaultText;
    int message;
};

constexpr symbolRow symbolRows[] = {
    {gnumberOutputFormat::plusSign, CNumberOutputFormatPage::plusBoxId, CNumberOutputFormatPage::plusFieldId,
     "Show positi&ve (+) sign:", "+", numberEncodings::plusMessage},
    {gnumberOutputFormat::minusSign, CNumberOutputFormatPage::minusBoxId, CNumberOutputFormatPage::minusFieldId,
     "Show &negative (-) sign:", "-", numberEncodings::minusMessage},
    {gnumberOutputFormat::thousandsSeparator, CNumberOutputFormatPage::thousandsBoxId,
     CNumberOutputFormatPage::thousandsFieldId, "Use &thousands separator:", ",", numberEncodings::thousandsMessage},
};

const char* const alignments[] = {"Sign - number - padding", "Sign - padding - number", "Padding - sign - number"};

} // namespace

int32_t CNumberOutputFormatPage::selectedType() const
{
    int position = selectedItem(encodingId);
    return position < 0 ? 0 : position + 1;
}

void CNumberOutputFormatPage::addControls()
{
    addLabel(-1, "Encoding:", 0, 2, 40, 8);
    addComboBox(encodingId, false, 42, 0, 110, 12);
    for (const char* name : numberEncodings::names)
        addItem(encodingId, name);
    int y = 18;
    for (const symbolRow& row : symbolRows) {
        addCheckBox(row.box, row.text, 0, y, 100, 10);
        addEdit(row.field, 102, y - 1, 30, 12);
        y += 14;
    }
    addLabel(-1, "Number of &decimals:", 0, y + 2, 80, 8);
    addControl(decimalsFieldId, new CNonNegativeSpinEdit, 102, y, 40, 12);
    addCheckBox(markerBoxId, "Show decimal &marker:", 0, y + 14, 100, 10);
    addEdit(markerFieldId, 102, y + 13, 30, 12);
    y += 32;
    addCheckBox(fixedWidthId, "Use fixed &width:", 0, y, 80, 10);
    addControl(widthFieldId, new CNonNegativeSpinEdit, 102, y - 1, 40, 12);
    addRadioButton(padZerosId, "Pad with &zeros", 10, y + 14, 100, 10);
    addRadioButton(padSpacesId, "Pad with spa&ces", 10, y + 26, 100, 10);
    addRadioButton(padCustomId, "Custom padding ch&aracter:", 10, y + 38, 100, 10);
    addEdit(padFieldId, 112, y + 37, 30, 12);
    groupRadioButtons({padZerosId, padSpacesId, padCustomId});
    addLabel(alignmentLabelId, "Alignment:", 10, y + 54, 40, 8);
    addComboBox(alignmentId, false, 52, y + 52, 110, 12);
    for (const char* name : alignments)
        addItem(alignmentId, name);

    addRadioButton(capitalHexId, "Use capital &letters A-F as hex digits", 180, 0, 170, 10);
    addRadioButton(smallHexId, "U&se small letters a-f as hex digits", 180, 12, 170, 10);
    groupRadioButtons({capitalHexId, smallHexId});
    addCheckBox(exponentBoxId, "Use e&xponential notiation", 180, 32, 140, 10);
    addLabel(mantissaLabelId, "N&umber of non-decimal digits in the mantissa:", 190, 46, 120, 16);
    addControl(mantissaFieldId, new CNonNegativeSpinEdit, 312, 46, 40, 12);
    addLabel(digitsLabelId, "Number of di&gits in the exponent:", 190, 66, 120, 8);
    addControl(digitsFieldId, new CNonNegativeSpinEdit, 312, 64, 40, 12);
    addLabel(positiveLabelId, "Pre&fix for positive exponent:", 190, 82, 120, 8);
    positive_ = addControl(positiveFieldId, new CEscapedStringEdit, 312, 80, 40, 12);
    addLabel(negativeLabelId, "Prefix fo&r negative exponent:", 190, 98, 120, 8);
    negative_ = addControl(negativeFieldId, new CEscapedStringEdit, 312, 96, 40, 12);
    addRadioButton(showAsTextId, "Sh&ow as text", 190, 112, 70, 10);
    addRadioButton(showAsHexId, "Show as &hex", 262, 112, 70, 10);
    groupRadioButtons({showAsTextId, showAsHexId});
}

void CNumberOutputFormatPage::create(CDialog& host, int placeholderId, const gnumberOutputFormat* format)
{
    beginPage(734, 360, 168);
    addControls();
    placeOver(host, placeholderId);

    filling_ = true;
    keepsHexMode_ = true;
    hexMode_ = readHexModeSetting();
    showHexMode(*positive_, *negative_);
    // A format without a TYPE yet shows Decimal like the defaults.
    int32_t type = format && format->type() != 0 ? format->type() : gintegerType::decimal;
    selectItem(encodingId, type - 1);
    showField(format, type);
    bool small = type == gintegerType::hex && format && format->hexCase() == 'a';
    setChecked(small ? smallHexId : capitalHexId, true);
    controlOf<CNonNegativeSpinEdit>(decimalsFieldId)->setValue(format ? format->decimals() : 0);
    showDecimalText(format, type);
    setWidthRange(type);
    auto& digits = controlOf<CNonNegativeSpinEdit>(digitsFieldId)->spin();
    digits.minimum = 1;
    digits.maximum = 2147483647.0;
    filling_ = false;

    connectControls();
    enableControls();
}

void CNumberOutputFormatPage::showField(const gnumberOutputFormat* format, int32_t type)
{
    int32_t width = format ? format->width() : 0;
    showWidth(width);
    const gfieldWidth* field = format && width > 0 && gintegerType::isTextType(type) ? &format->field() : nullptr;
    if (!field || field->pad.is('0')) {
        setChecked(padZerosId, true);
    } else if (!field->pad.hasCharacter() || field->pad.is(' ')) {
        setChecked(padSpacesId, true);
    } else {
        setChecked(padCustomId, true);
        char pad = field->pad.character();
        showEscaped(padFieldId, gstrSlice(&pad, 1));
    }
    int alignment = field ? field->alignment : gfieldWidth::right;
    selectItem(alignmentId, alignment >= gfieldWidth::left && alignment <= gfieldWidth::fullRight ? alignment - 1 : 1);
}

void CNumberOutputFormatPage::showDecimalText(const gnumberOutputFormat* format, int32_t type)
{
    bool decimal = format && type == gintegerType::decimal;
    for (const symbolRow& row : symbolRows) {
        if (decimal)
            showSymbol(row.box, row.field, format->symbol(row.place), row.defaultText);
        else
            showSymbol(row.box, row.field, gcharOption(), row.defaultText);
    }
    if (!decimal)
        setChecked(minusBoxId, true);
    if (decimal && format->decimals() != 0)
        showSymbol(markerBoxId, markerFieldId, format->decimalMarker(), ".");
    else
        showSymbol(markerBoxId, markerFieldId, gcharOption('.'), ".");
    bool exponent = decimal && format->exponentDigits() > 0;
    setChecked(exponentBoxId, exponent);
    controlOf<CNonNegativeSpinEdit>(mantissaFieldId)->setValue(exponent ? format->mantissaDigits() : 1);
    controlOf<CNonNegativeSpinEdit>(digitsFieldId)->setValue(exponent ? format->exponentDigits() : 2);
    positive_->setValue(exponent ? gstrSlice(format->positivePrefix()) : gstrSlice("E+"));
    negative_->setValue(exponent ? gstrSlice(format->negativePrefix()) : gstrSlice("E-"));
}

void CNumberOutputFormatPage::connectControls()
{
    for (int id : {plusBoxId, minusBoxId, thousandsBoxId, markerBoxId, exponentBoxId, fixedWidthId, padZerosId,
                   padSpacesId, padCustomId})
        onClick(id, [this] { enableControls(); });
    for (int id : {showAsTextId, showAsHexId})
        onClick(id, [this] { switchHexMode(*positive_, *negative_); });
    QObject::connect(controlAs<QComboBox>(encodingId), &QComboBox::currentIndexChanged, this, [this] {
        if (filling_)
            return;
        adaptWidthToEncoding(selectedType());
        enableControls();
    });
    QObject::connect(controlAs<QLineEdit>(decimalsFieldId), &QLineEdit::textChanged, this, [this] {
        if (!filling_ && selectedType() == gintegerType::decimal)
            enableMarker();
    });
}

void CNumberOutputFormatPage::enableControls()
{
    int32_t type = selectedType();
    bool decimal = type == gintegerType::decimal;
    for (const symbolRow& row : symbolRows) {
        enableControl(row.box, decimal);
        enableControl(row.field, decimal && isChecked(row.box));
    }
    enableControl(exponentBoxId, decimal);
    enableMarker();
    enableControl(capitalHexId, type == gintegerType::hex);
    enableControl(smallHexId, type == gintegerType::hex);
    bool exponent = decimal && isChecked(exponentBoxId);
    for (int id : {mantissaLabelId, mantissaFieldId, digitsLabelId, digitsFieldId, positiveLabelId, positiveFieldId,
                   negativeLabelId, negativeFieldId, showAsTextId, showAsHexId})
        enableControl(id, exponent);
    bool fixed = isChecked(fixedWidthId);
    bool padded = fixed && gintegerType::isTextType(type);
    enableControl(widthFieldId, fixed);
    for (int id : {padZerosId, padSpacesId, padCustomId, alignmentLabelId, alignmentId})
        enableControl(id, padded);
    enableControl(padFieldId, padded && isChecked(padCustomId));
}

// The marker matters only while there are decimals; a field that cannot be
// read counts as none.
void CNumberOutputFormatPage::enableMarker()
{
    int32_t decimals = 0;
    if (!controlOf<CNonNegativeSpinEdit>(decimalsFieldId)->getValue(decimals))
        decimals = 0;
    bool shown = selectedType() == gintegerType::decimal && decimals != 0;
    enableControl(markerBoxId, shown);
    enableControl(markerFieldId, shown && isChecked(markerBoxId));
}

bool CNumberOutputFormatPage::applySymbols(gnumberOutputFormat& format, int32_t type, int32_t decimals)
{
    if (type != gintegerType::decimal) {
        // What a loaded format of this type holds: no symbols, no marker.
        for (const symbolRow& row : symbolRows)
            format.setSymbol(row.place, gcharOption());
        format.setDecimals(decimals, gcharOption());
        return true;
    }
    for (const symbolRow& row : symbolRows) {
        gcharOption symbol;
        if (!readSymbol(row.box, row.field, row.message, symbol))
            return false;
        format.setSymbol(row.place, symbol);
    }
    gcharOption marker = gcharOption::makeNone();
    if (decimals != 0 && !readSymbol(markerBoxId, markerFieldId, numberEncodings::decimalMarkerMessage, marker))
        return false;
    format.setDecimals(decimals, marker);
    return true;
}

bool CNumberOutputFormatPage::applyExponent(gnumberOutputFormat& format, int32_t type, int32_t decimals)
{
    if (type != gintegerType::decimal || !isChecked(exponentBoxId)) {
        // A loaded format has no exponent part (-1) unless it is decimal.
        format.setExponent(type == gintegerType::decimal ? 0 : -1, 0, gstrSlice::null, gstrSlice::null);
        return true;
    }
    int32_t digits = 0;
    if (!controlOf<CNonNegativeSpinEdit>(digitsFieldId)->getValue(digits) || digits < 1)
        return refuse(digitsFieldId, exponentDigitsMessage);
    int32_t mantissa = 0;
    if (!controlOf<CNonNegativeSpinEdit>(mantissaFieldId)->getValue(mantissa))
        return refuse(mantissaFieldId, mantissaMessage);
    if (mantissa == 0 && decimals <= 0)
        return refuse(mantissaFieldId, emptyMantissaMessage);
    gstr positive;
    gstr negative;
    if (!readExponentPrefixes(*positive_, *negative_, positive, negative))
        return false;
    format.setExponent(digits, mantissa, positive, negative);
    return true;
}

bool CNumberOutputFormatPage::applyField(gnumberOutputFormat& format, int32_t type)
{
    int32_t width = 0;
    if (!readWidth(width))
        return false;
    gfieldWidth& field = format.field();
    field.width = width;
    field.alignment = 0;
    if (width == 0 || !gintegerType::isTextType(type))
        return true;
    char pad = '0';
    if (isChecked(padSpacesId))
        pad = ' ';
    else if (isChecked(padCustomId) && !readSingleByte(padFieldId, pad))
        return refuse(padFieldId, padMessage);
    field.pad.set(pad);
    int position = selectedItem(alignmentId);
    field.alignment = position < 0 ? gfieldWidth::right : position + 1;
    return true;
}

bool CNumberOutputFormatPage::apply(gnumberOutputFormat& format)
{
    int32_t type = selectedType();
    format.setType(type);
    int32_t decimals = 0;
    if (!controlOf<CNonNegativeSpinEdit>(decimalsFieldId)->getValue(decimals))
        return refuse(decimalsFieldId, decimalsMessage);
    if (!applySymbols(format, type, decimals))
        return false;
    format.setHexCase(isChecked(capitalHexId) ? 'A' : 'a');
    if (!applyExponent(format, type, decimals) || !applyField(format, type) || !checkWidthFits(type, format.width()))
        return false;
    if (gintegerType::isTextType(type) && !format.isValidFor(format.width()))
        return refuse(widthFieldId, widthTooSmallMessage);
    return true;
}
