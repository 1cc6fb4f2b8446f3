#pragma once

#include "platform/CImageList.h"
#include "screens/editor/CAppearancePane.h"

// The graph tab of the drawing-properties bar: the register, type, top and
// bottom of graphs, their line, fill and marker image. A graph type that
// does not use a section leaves it disabled.
class CGraphPropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 871;
    static constexpr int registerList = 1389, typeGroup = 2119, topLabel = 2098, topField = 2097;
    static constexpr int bottomLabel = 2099, bottomField = 2100, graphLabel = 1281, markerLabel = 2118;
    // The buttons and icons of the type codes 1 to 8.
    static constexpr int typeButtons[8] = {2102, 2103, 2104, 2105, 2114, 2115, 2116, 2117};
    static constexpr int typeIcons[8] = {2106, 2107, 2108, 2109, 2110, 2111, 2112, 2113};

    explicit CGraphPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    // Top, bottom, then the line width.
    void commitEdits() override;
    void refillRegisterList() override;
    // The system colours changed: the type icons are drawn again.
    void onSysColorChange();

protected:
    gpropLineValues* editedLine() override;
    gpropFillValues* editedFill() override;
    gpropImageValue* editedImage() override;
    void applyChange(int id) override;

    void realStepped(int id, double value) override;
    void changeEvent(QEvent* event) override;

private:
    void chooseType(int code);
    void chooseRegister(int item);
    void buildIcons();

    CImageList icons_{24, 14};
};
