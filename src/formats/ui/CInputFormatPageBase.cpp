#include "formats/ui/CInputFormatPageBase.h"

#include "formats/gintegerInputFormat.h"
#include "formats/gintegerType.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>

namespace {

constexpr int emptyLeadingMessage = 10543;
constexpr int leadingEscapeMessage = 10545;
constexpr int emptyTrailingMessage = 10544;
constexpr int trailingEscapeMessage = 10546;

bool isText(int32_t type) { return gintegerType::isTextType(type); }

} // namespace

void CInputFormatPageBase::addCharacterGroups(int lx, int ly, int tx, int ty)
{
    addCheckBox(skipLeadingId, "S&kip leading characters", lx, ly, 120, 10);
    addRadioButton(leadingSpacesId, "Only &spaces", lx + 10, ly + 12, 110, 10);
    addRadioButton(leadingAnyId, "All non-n&umerical", lx + 10, ly + 24, 110, 10);
    addRadioButton(leadingTheseId, "&Only these:", lx + 10, ly + 36, 55, 10);
    addEdit(leadingFieldId, lx + 68, ly + 35, 90, 12);
    groupRadioButtons({leadingSpacesId, leadingAnyId, leadingTheseId});

    addCheckBox(fixedWidthId, "Use fi&xed width:", tx, ty, 70, 10);
    addControl(widthFieldId, new CNonNegativeSpinEdit, tx + 72, ty - 1, 40, 12);
    addCheckBox(allowTrailingId, "Allow &trailing characters", tx, ty + 16, 120, 10);
    addRadioButton(trailingSpacesId, "Only s&paces", tx + 10, ty + 28, 110, 10);
    addRadioButton(trailingAnyId, "Any &characters", tx + 10, ty + 40, 110, 10);
    addRadioButton(trailingTheseId, "Onl&y these:", tx + 10, ty + 52, 55, 10);
    addEdit(trailingFieldId, tx + 68, ty + 51, 90, 12);
    groupRadioButtons({trailingSpacesId, trailingAnyId, trailingTheseId});
}

void CInputFormatPageBase::connectCharacterGroups()
{
    for (int id : {skipLeadingId, leadingSpacesId, leadingAnyId, leadingTheseId, fixedWidthId, allowTrailingId,
                   trailingSpacesId, trailingAnyId, trailingTheseId})
        onClick(id, [this] { enableControls(); });
    auto* combo = controlAs<QComboBox>(encodingId);
    QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_)
            return;
        adaptWidthToEncoding(selectedType());
        enableControls();
    });
}

void CInputFormatPageBase::enableControls()
{
    bool text = isText(selectedType());
    bool skip = text && isChecked(skipLeadingId);
    bool fixed = isChecked(fixedWidthId);
    bool trailing = fixed && text && isChecked(allowTrailingId);
    enableControl(skipLeadingId, text);
    for (int id : {leadingSpacesId, leadingAnyId, leadingTheseId})
        enableControl(id, skip);
    enableControl(leadingFieldId, skip && isChecked(leadingTheseId));
    enableControl(widthFieldId, fixed);
    enableControl(allowTrailingId, fixed && text);
    for (int id : {trailingSpacesId, trailingAnyId, trailingTheseId})
        enableControl(id, trailing);
    enableControl(trailingFieldId, trailing && isChecked(trailingTheseId));
}

void CInputFormatPageBase::showCharacterSets(const gintegerInputFormat& format)
{
    const gstr& leading = format.leading();
    setChecked(skipLeadingId, !leading.isNull());
    if (leading.isNull() || leading == gstrSlice(" ")) {
        setChecked(leadingSpacesId, true);
    } else if (leading.isEmpty()) {
        setChecked(leadingAnyId, true);
    } else {
        setChecked(leadingTheseId, true);
        showEscaped(leadingFieldId, leading);
    }
    const gstr& trailing = format.trailing();
    bool shown = format.width() > 0 && !trailing.isNull();
    setChecked(allowTrailingId, shown);
    if (!shown || trailing == gstrSlice(" ")) {
        setChecked(trailingSpacesId, true);
    } else if (trailing.isEmpty()) {
        setChecked(trailingAnyId, true);
    } else {
        setChecked(trailingTheseId, true);
        showEscaped(trailingFieldId, trailing);
    }
}

void CInputFormatPageBase::showSpacesOnly()
{
    setChecked(skipLeadingId, false);
    setChecked(allowTrailingId, false);
    setChecked(leadingSpacesId, true);
    setChecked(trailingSpacesId, true);
}

bool CInputFormatPageBase::readCharacterSet(int radioSpaces, int radioAny, int field, int emptyMessage,
                                            int escapeMessage, gstr& out)
{
    if (isChecked(radioSpaces)) {
        out.assign(" ");
        return true;
    }
    if (isChecked(radioAny)) {
        out.assign("");
        return true;
    }
    if (controlText(field).isEmpty())
        return refuseFocusOnly(field, emptyMessage);
    if (!readEscaped(field, out))
        return refuse(field, escapeMessage);
    return true;
}

bool CInputFormatPageBase::applyCharacterGroups(gintegerInputFormat& format, int32_t type)
{
    gstr leading;
    if (isText(type) && isChecked(skipLeadingId)
        && !readCharacterSet(leadingSpacesId, leadingAnyId, leadingFieldId, emptyLeadingMessage,
                             leadingEscapeMessage, leading))
        return false;
    format.setLeading(leading);

    int32_t width = 0;
    bool trailingTaken = false;
    if (!readWidth(width))
        return false;
    trailingTaken = width > 0 && isText(type) && isChecked(allowTrailingId);
    format.setWidth(width);

    gstr trailing;
    if (trailingTaken
        && !readCharacterSet(trailingSpacesId, trailingAnyId, trailingFieldId, emptyTrailingMessage,
                             trailingEscapeMessage, trailing))
        return false;
    format.setTrailing(trailing);
    return true;
}

