#include "screens/editor/C3dRectPropertiesPane.h"

#include "screens/editor/CPreviewCtrl.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"

#include <QRadioButton>

namespace {

const char* const typeNames[] = {"&Horizontal divider", "&Vertical divider",   "&Group box",
                                 "&Raised area",        "&Sunken area",        "&Recessed area",
                                 "&Cutout area",        "&Window colour area", "&Dialog colour area"};

} // namespace

C3dRectPropertiesPane::C3dRectPropertiesPane(QWidget* parent)
    : CDrawingPane(templateId, ggraphObject::mask3dRect, parent)
{
    setDialogSize(87, 233);
    for (int type = 1; type <= typeCount; ++type) {
        int y = 4 + (type - 1) * 16;
        auto* button = addRadioButton(firstButton + type - 1, typeNames[type - 1], 2, y, 62, 10);
        // The pane shows the record's type, no type at all when mixed.
        button->setAutoExclusive(false);
        addControl(firstPreview + type - 1, new CPreviewCtrl(type), 66, y - 1, 19, 12);
        onCommand(firstButton + type - 1, [this, type] { chooseType(type); });
    }
}

void C3dRectPropertiesPane::loadFromObject()
{
    const gtriInt& type = record()->rect3d.type;
    for (int n = 1; n <= typeCount; ++n) {
        setChecked(firstButton + n - 1, type.hasValue() && type.get() == n);
        enableControl(firstButton + n - 1, type.isSet());
        enableControl(firstPreview + n - 1, type.isSet());
    }
}

void C3dRectPropertiesPane::chooseType(int type)
{
    if (!record())
        return;
    record()->rect3d.type.set(type);
    if (!applyProperty(gprop::areaType))
        loadControls();
}
