#pragma once

#include "screens/editor/CAppearancePane.h"

// The first tab of the drawing-properties bar: the look of lines, splines,
// rectangles, ellipses, texts and pictures.
class CStaticPropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 587;
    static constexpr int selectionColourButton = 1475, defaultsColourButton = 1476, textButton = 1244;

    explicit CStaticPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;

protected:
    gpropLineValues* editedLine() override;
    gpropFillValues* editedFill() override;
    gpropTextValues* editedText() override;
    gpropImageValue* editedImage() override;
    void applyChange(int id) override;

private:
    void enterText();
};
