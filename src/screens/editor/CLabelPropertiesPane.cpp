#include "screens/editor/CLabelPropertiesPane.h"

#include "platform/settingsStore.h"
#include "platform/systemColours.h"
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
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) { chooseRegister(item); });
    addLabel(textFieldLabel, "&Text:", 2, 18, 50, 8);
    auto* text = addMultiLineEdit(textField, 2, 28, 83, 40);
    QObject::connect(text, &QPlainTextEdit::textChanged, this, [this] { textEdited(); });
    addTextControls(74, colourButton, "Colour...");
}

gpropTextValues* CLabelPropertiesPane::editedText() { return record() ? &record()->label.textValues : nullptr; }

void CLabelPropertiesPane::applyChange(int id) { applyProperty(id); }

void CLabelPropertiesPane::loadControls()
{
    gpropLabel& set = record()->label;
    showItem(registerList, set.reg.hasValue() ? findItemData(registerList, referredObject(set.reg)) : -1);
    enableControl(registerList, set.reg.isSet());
    loading_ = true;
    if (set.text.hasValue()) {
        // The property ends its lines in a lone CR; the field shows CR LF.
        setControlText(textField, set.text.getValue());
        showTextMixed(false);
    } else {
        setControlText(textField, "");
        showTextMixed(true);
    }
    loading_ = false;
    enableWithLabel(textField, textFieldLabel, set.text.isSet());
    loadText(set.textValues);
}

void CLabelPropertiesPane::showTextMixed(bool mixed)
{
    auto* field = controlOf<QPlainTextEdit>(textField);
    QPalette look = field->palette();
    look.setColor(QPalette::Base, systemColour(mixed ? sysColour::buttonFace : sysColour::window));
    field->setPalette(look);
}

void CLabelPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->label.reg) : nullptr);
}

void CLabelPropertiesPane::chooseRegister(int item)
{
    auto* reg = static_cast<gregister*>(itemData(registerList, item));
    if (!reg)
        return;
    record()->label.reg.set(reg);
    applyProperty(gprop::registerRef);
}

void CLabelPropertiesPane::textEdited()
{
    if (loading_ || !record())
        return;
    gtriStateString& text = record()->label.text;
    gstr typed = controlText(textField);
    gstr lines;
    for (char c : typed.view()) {
        if (c != '\n')
            lines.append(c);
    }
    if (!lines.isEmpty())
        text.set(lines);
    else if (text.hasValue())
        text.setEmpty();
    else
        return;
    showTextMixed(false);
    // The field keeps the user's caret: the pane is not shown again.
    if (fscreen* edited = screen())
        edited->setSelectionProperties(mask(), gprop::text, gstate::off, 0);
}
