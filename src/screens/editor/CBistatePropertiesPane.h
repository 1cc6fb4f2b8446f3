#pragma once

#include "screens/editor/CAppearancePane.h"

struct gstateAppearance;

// The bistate tab of the drawing-properties bar: the register of bistate
// indicators and the look of each of their five states. The state list also
// chooses the state in which the editor draws every bistate indicator.
class CBistatePropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 582;
    static constexpr int registerList = 1389, stateList = 1459, enableBox = 1249;
    static constexpr int textColourButton = 1474, textButton = 1244;
    static constexpr int stateOfItem[5] = {4, 3, 2, 0, 1};

    explicit CBistatePropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    void refillRegisterList() override;

protected:
    gpropLineValues* editedLine() override;
    gpropFillValues* editedFill() override;
    gpropTextValues* editedText() override;
    gpropImageValue* editedImage() override;
    void applyChange(int id) override;

private:
    gstateAppearance* shownState();
    void loadStateControls();
    void chooseState(int item);
    void chooseRegister(int item);
    void clickEnable();
    void enterText();
};
