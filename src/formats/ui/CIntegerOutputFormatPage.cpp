#include "formats/ui/CIntegerOutputFormatPage.h"

#include "formats/gintegerOutputFormat.h"
#include "formats/gintegerType.h"
#include "formats/ui/CIntegerInputFormatPage.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>

namespace {

constexpr int padMessage = 10523;

const char* const encodingNames[] = {"Byte",    "Multibyte (lo-hi)", "Multibyte (hi-lo)", "BCD",
                                     "Decimal", "Hexadecimal",       "Binary",            "Octal"};

} // namespace

int32_t CIntegerOutputFormatPage::selectedType() const
{
    return CIntegerInputFormatPage::typeAt(selectedItem(encodingId));
}

void CIntegerOutputFormatPage::create(CDialog& host, int placeholderId, const gintegerOutputFormat* format)
{
    beginPage(735, 200, 132);
    addLabel(-1, "Encoding:", 0, 2, 40, 8);
    addComboBox(encodingId, false, 42, 0, 90, 12);
    for (const char* name : encodingNames)
        addItem(encodingId, name);
    addCheckBox(fixedWidthId, "Use fi&xed width:", 0, 18, 70, 10);
    addControl(widthFieldId, new CNonNegativeSpinEdit, 72, 17, 40, 12);
    addRadioButton(padZerosId, "Pad with &zeros", 10, 32, 110, 10);
    addRadioButton(padSpacesId, "Pad with &spaces", 10, 44, 110, 10);
    addRadioButton(padCustomId, "Custom &padding character:", 10, 56, 105, 10);
    addEdit(padFieldId, 118, 55, 30, 12);
    addRadioButton(alignLeftId, "Align &left", 10, 72, 80, 10);
    addRadioButton(alignRightId, "Align &right", 95, 72, 80, 10);
    addRadioButton(capitalHexId, "Use c&apital letters A-F as hex digits", 0, 92, 190, 10);
    addRadioButton(smallHexId, "Use s&mall letters a-f as hex digits", 0, 104, 190, 10);
    groupRadioButtons({padZerosId, padSpacesId, padCustomId});
    groupRadioButtons({alignLeftId, alignRightId});
    groupRadioButtons({capitalHexId, smallHexId});
    placeOver(host, placeholderId);

    filling_ = true;
    // A format without a TYPE yet shows Decimal like the defaults.
    int32_t type = format && format->type() != 0 ? format->type() : gintegerType::decimal;
    int32_t width = format ? format->width() : 0;
    selectItem(encodingId, CIntegerInputFormatPage::positionOf(type));
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
    setChecked(field && field->alignment == gfieldWidth::left ? alignLeftId : alignRightId, true);
    bool small = type == gintegerType::hex && format && format->hexCase() == 'a';
    setChecked(small ? smallHexId : capitalHexId, true);
    setWidthRange(type);
    filling_ = false;

    for (int id : {fixedWidthId, padZerosId, padSpacesId, padCustomId})
        onClick(id, [this] { enableControls(); });
    QObject::connect(controlAs<QComboBox>(encodingId), &QComboBox::currentIndexChanged, this, [this] {
        if (filling_)
            return;
        adaptWidthToEncoding(selectedType());
        enableControls();
    });
    enableControls();
}

void CIntegerOutputFormatPage::enableControls()
{
    int32_t type = selectedType();
    bool fixed = isChecked(fixedWidthId);
    bool padded = fixed && gintegerType::isTextType(type);
    enableControl(capitalHexId, type == gintegerType::hex);
    enableControl(smallHexId, type == gintegerType::hex);
    enableControl(widthFieldId, fixed);
    for (int id : {padZerosId, padSpacesId, padCustomId, alignLeftId, alignRightId})
        enableControl(id, padded);
    enableControl(padFieldId, padded && isChecked(padCustomId));
}

bool CIntegerOutputFormatPage::apply(gintegerOutputFormat& format)
{
    int32_t type = selectedType();
    format.setType(type);
    format.setHexCase(isChecked(capitalHexId) ? 'A' : 'a');
    int32_t width = 0;
    if (!readWidth(width))
        return false;
    gfieldWidth& field = format.field();
    field.width = width;
    field.alignment = 0;
    if (width > 0 && gintegerType::isTextType(type)) {
        char pad = '0';
        if (isChecked(padSpacesId))
            pad = ' ';
        else if (isChecked(padCustomId) && !readSingleByte(padFieldId, pad))
            return refuse(padFieldId, padMessage);
        field.pad.set(pad);
        field.alignment = isChecked(alignLeftId) ? gfieldWidth::left : gfieldWidth::right;
    }
    return checkWidthFits(type, width);
}
