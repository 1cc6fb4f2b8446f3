#include "screens/editor/CLabelPropertiesPane.h"

#include "platform/settingsStore.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"

#include <QComboBox>
#include <QPlainTextEdit>

CLabelPropertiesPane::CLabelPropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskLabel, parent)
{
    gstr& sample = previewValues().stringText;
    sample = profileString("Settings", "StringValue", sample);
    setDialogSize(87, 233);
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) { chooseRegister(item); });
    addLabel(textFieldLabel, "&Text:", 2, 18, 50, 8);
    auto* text = addMultiLineEdit(textField, 2, 28, 83, 40);
    QObject::connect(text, &QPlainTextEdit::textChanged, this, [this] { textEdited(); });
    addTextControls(74, colourButton, "Colour...");
}

gpropTextValues* CLabelPropertiesPane::editedText() { return record() ? &record()->label.textValues : nullptr; }

void CLabelPropertiesPane::applyChange(int id) { applyProperty(id); }

void CLabelPropertiesPane::loadFromObject()
{
    gpropLabel& set = record()->label;
    showItem(registerList, set.reg.hasValue() ? findItemData(registerList, referredObject(set.reg)) : -1);
    enableControl(registerList, set.reg.isSet());
    showMultiLineText(textField, set.text);
    enableWithLabel(textField, textFieldLabel, set.text.isSet());
    loadText(set.textValues);
}

void CLabelPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->label.reg) : nullptr);
}

void CLabelPropertiesPane::chooseRegister(int item)
{
    auto* reg = static_cast<gregister*>(itemData(registerList, item));
    if (!reg || !record())
        return;
    record()->label.reg.set(reg);
    applyProperty(gprop::registerRef);
}

void CLabelPropertiesPane::textEdited()
{
    if (!record())
        return;
    gtriStateString& text = record()->label.text;
    gstr lines = multiLineText(textField);
    if (!lines.isEmpty())
        text.set(lines);
    else if (text.hasValue())
        text.setEmpty();
    else
        return;
    showTextMixed(textField, false);
    // The field keeps the user's caret: the pane is not shown again.
    if (fscreen* edited = screen())
        edited->setSelectionProperties(mask(), gprop::text, gstate::off, 0);
}
