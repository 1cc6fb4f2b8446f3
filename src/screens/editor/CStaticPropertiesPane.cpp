#include "screens/editor/CStaticPropertiesPane.h"

#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "shell/CColorButton.h"

#include <QPushButton>

CStaticPropertiesPane::CStaticPropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskStatic, parent)
{
    setDialogSize(87, 233);
    addLineControls(2);
    addFillControls(28);
    addTextControls(44, selectionColourButton, "C");
    addControl(defaultsColourButton, new CColorButton(QStringLiteral("Colour...")), 55, 82, 30, 12);
    onCommand(defaultsColourButton, [this] {
        gcolor& colour = record()->staticSet.values.textValues.colour;
        if (chooseColour(defaultsColourButton, colour))
            applyChange(gprop::textColour);
    });
    addButton(textButton, "...", 44, 112, 41, 14)->setIcon(QIcon::fromTheme(QStringLiteral("document-edit")));
    onCommand(textButton, [this] { enterText(); });
    addImageControls(134);
}

gpropLineValues* CStaticPropertiesPane::editedLine() { return record() ? &record()->staticSet.values.line : nullptr; }
gpropFillValues* CStaticPropertiesPane::editedFill() { return record() ? &record()->staticSet.values.fill : nullptr; }
gpropTextValues* CStaticPropertiesPane::editedText()
{
    return record() ? &record()->staticSet.values.textValues : nullptr;
}
gpropImageValue* CStaticPropertiesPane::editedImage()
{
    return record() ? &record()->staticSet.values.image : nullptr;
}

void CStaticPropertiesPane::applyChange(int id) { applyProperty(id); }

void CStaticPropertiesPane::loadFromObject()
{
    const gpropAppearanceValues& values = record()->staticSet.values;
    loadLine(values.line);
    loadFill(values.fill);
    loadText(values.textValues);
    bool selection = !editsDefaults();
    showControl(selectionColourButton, selection);
    showControl(textButton, selection);
    showControl(defaultsColourButton, !selection);
    showColour(defaultsColourButton, values.textValues.colour);
    enableControl(textButton, values.text.isSet());
    loadImage(values.image);
}

void CStaticPropertiesPane::enterText()
{
    if (editsDefaults())
        return;
    gtriStateString& text = record()->staticSet.values.text;
    if (!enterCommonText(text))
        return;
    applyChange(gprop::text);
}
