#pragma once

#include "screens/editor/CAppearancePane.h"

// The label tab of the drawing-properties bar: the register of labels, their
// text (a template of the register's title) and its lettering.
class CLabelPropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 585;
    static constexpr int registerList = 1389, textField = 1472, textFieldLabel = 1473, colourButton = 1474;

    explicit CLabelPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    void refillRegisterList() override;

protected:
    gpropTextValues* editedText() override;
    void applyChange(int id) override;

private:
    void chooseRegister(int item);
    void textEdited();
};
