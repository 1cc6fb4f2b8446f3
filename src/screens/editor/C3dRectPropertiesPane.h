#pragma once

#include "screens/editor/CDrawingPane.h"

// The 3D-area tab of the drawing-properties bar: nine area types, each a
// button with its sample.
class C3dRectPropertiesPane : public CDrawingPane {
public:
    static constexpr int templateId = 872;
    static constexpr int firstButton = 1944, firstPreview = 2121, typeCount = 9;

    explicit C3dRectPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;

private:
    void chooseType(int type);
};
