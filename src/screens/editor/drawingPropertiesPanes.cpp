#include "screens/editor/drawingPropertiesPanes.h"

#include "screens/editor/C3dRectPropertiesPane.h"
#include "screens/editor/CAnalogPropertiesPane.h"
#include "screens/editor/CBistatePropertiesPane.h"
#include "screens/editor/CDigitalPropertiesPane.h"
#include "screens/editor/CLabelPropertiesPane.h"
#include "screens/editor/CStaticPropertiesPane.h"
#include "screens/editor/CStringPropertiesPane.h"

namespace {

// The templates and property-set bits of the twelve panes, in tab order.
constexpr int paneTemplates[] = {587, 582, 584, 588, 871, 583, 872, 586, 581, 870, 873, 585};
constexpr int paneMasks[] = {0x001, 0x004, 0x080, 0x100, 0x040, 0x800, 0x002, 0x008, 0x010, 0x020, 0x200, 0x400};

// The pane of a set whose controls are not built yet: it shows nothing.
class CEmptyPropertiesPane final : public CDrawingPane {
public:
    CEmptyPropertiesPane(int tab, QWidget* parent) : CDrawingPane(paneTemplates[tab], paneMasks[tab], parent)
    {
        setDialogSize(105, 79);
    }
    void loadControls() override {}
};

} // namespace

CDrawingPane* makeDrawingPropertiesPane(int tab, QWidget* parent)
{
    switch (tab) {
    case 0: return new CStaticPropertiesPane(parent);
    case 1: return new CBistatePropertiesPane(parent);
    case 2: return new CDigitalPropertiesPane(parent);
    case 3: return new CStringPropertiesPane(parent);
    case 6: return new C3dRectPropertiesPane(parent);
    case 8: return new CAnalogPropertiesPane(parent);
    case 11: return new CLabelPropertiesPane(parent);
    default: return new CEmptyPropertiesPane(tab, parent);
    }
}
