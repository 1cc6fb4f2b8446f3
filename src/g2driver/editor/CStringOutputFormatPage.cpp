#include "g2driver/editor/CStringOutputFormatPage.h"

#include "foundation/charClasses.h"
#include "g2driver/model/gstringOutputFormat.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int padMessage = 10523;
constexpr int replacementMessage = 10539;

} // namespace

void CStringOutputFormatPage::create(CDialog& host, int placeholderId, const gstringOutputFormat* format)
{
    beginPage(737, 200, 86);
    // The field stands a unit above its check box, and within the page.
    addCheckBox(fixedWidthId, "Use fi&xed width:", 0, 1, 70, 10);
    auto* width = addControl(widthFieldId, new CNonNegativeSpinEdit, 72, 0, 40, 12);
    width->spin().minimum = 1;
    addRadioButton(padSpacesId, "Pad with &spaces", 10, 14, 110, 10);
    addRadioButton(padCustomId, "Custom padding &character:", 10, 26, 105, 10);
    addEdit(padFieldId, 118, 25, 30, 12);
    groupRadioButtons({padSpacesId, padCustomId});
    addRadioButton(alignLeftId, "Align &left", 10, 42, 80, 10);
    addRadioButton(alignRightId, "Align &right", 95, 42, 80, 10);
    groupRadioButtons({alignLeftId, alignRightId});
    addCheckBox(replaceBoxId, "Replace n&on-printable chars:", 0, 60, 115, 10);
    addEdit(replaceFieldId, 118, 59, 30, 12);
    placeOver(host, placeholderId);

    const gfieldWidth* field = format && format->field().width > 0 ? &format->field() : nullptr;
    showWidth(field ? field->width : 0);
    if (!field || !field->pad.hasCharacter() || field->pad.is(' ')) {
        setChecked(padSpacesId, true);
    } else {
        setChecked(padCustomId, true);
        char pad = field->pad.character();
        showEscaped(padFieldId, gstrSlice(&pad, 1));
    }
    setChecked(field && field->alignment == gfieldWidth::right ? alignRightId : alignLeftId, true);
    bool replaced = format && format->replacement().hasCharacter();
    setChecked(replaceBoxId, replaced);
    if (replaced) {
        char c = format->replacement().character();
        showEscaped(replaceFieldId, gstrSlice(&c, 1));
    }
    for (int id : {fixedWidthId, padSpacesId, padCustomId, replaceBoxId})
        onClick(id, [this] { enableControls(); });
    enableControls();
}

void CStringOutputFormatPage::enableControls()
{
    bool fixed = isChecked(fixedWidthId);
    for (int id : {widthFieldId, padSpacesId, padCustomId, alignLeftId, alignRightId})
        enableControl(id, fixed);
    enableControl(padFieldId, fixed && isChecked(padCustomId));
    enableControl(replaceFieldId, isChecked(replaceBoxId));
}

bool CStringOutputFormatPage::apply(gstringOutputFormat& format)
{
    int32_t width = 0;
    if (!readWidth(width))
        return false;
    gfieldWidth& field = format.field();
    field.width = width;
    field.alignment = 0;
    if (width > 0) {
        char pad = ' ';
        if (isChecked(padCustomId) && !readSingleByte(padFieldId, pad))
            return refuse(padFieldId, padMessage);
        field.pad.set(pad);
        field.alignment = isChecked(alignLeftId) ? gfieldWidth::left : gfieldWidth::right;
    }
    gcharOption replacement = gcharOption::makeNone();
    if (isChecked(replaceBoxId)) {
        // A file takes only a printable replacement.
        char c = 0;
        if (!readSingleByte(replaceFieldId, c) || !charClass::isPrintable(c))
            return refuse(replaceFieldId, replacementMessage);
        replacement.set(c);
    }
    format.setReplacement(replacement);
    return true;
}
