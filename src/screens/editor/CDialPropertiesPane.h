#pragma once

#include "screens/editor/CAppearancePane.h"

struct gstateFill;

// The dial tab of the drawing-properties bar: the register, orientation,
// value and scale of dials, and the look of their eleven display states
// (bottom bar, top bar and marker, each off, on and blinking, masked and
// error). Marker states may show an image in place of a drawn shape.
class CDialPropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 870;
    static constexpr int registerList = 1389, upDownButton = 2084, leftRightButton = 2085;
    static constexpr int valueLabel = 1583, valueList = 1496, topLabel = 2098, topField = 2097;
    static constexpr int bottomLabel = 2099, bottomField = 2100, stateList = 1459, enableBox = 1249;
    static constexpr int useImageBox = 1252;
    static constexpr int stateOfItem[11] = {4, 3, 2, 7, 6, 5, 10, 9, 8, 0, 1};

    explicit CDialPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    // Top, bottom, then the line width.
    void commitEdits() override;
    void refillRegisterList() override;

protected:
    gpropLineValues* editedLine() override;
    gpropFillValues* editedFill() override;
    gpropImageValue* editedImage() override;
    void applyChange(int id) override;
    void realStepped(int id, double value) override;

private:
    gstateFill* shownState();
    void loadStateControls();
    void chooseState(int item);
    void chooseOrientation(int horizontal);
    void clickUseImage();
    void clickEnable();
    void applySetting(int id);
};
