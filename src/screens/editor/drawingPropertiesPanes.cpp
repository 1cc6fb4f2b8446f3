#include "screens/editor/drawingPropertiesPanes.h"

#include "screens/editor/C3dRectPropertiesPane.h"
#include "screens/editor/CAnalogPropertiesPane.h"
#include "screens/editor/CBistatePropertiesPane.h"
#include "screens/editor/CControlPropertiesPane.h"
#include "screens/editor/CDialPropertiesPane.h"
#include "screens/editor/CDigitalPropertiesPane.h"
#include "screens/editor/CGraphPropertiesPane.h"
#include "screens/editor/CLabelPropertiesPane.h"
#include "screens/editor/CMarkerPropertiesPane.h"
#include "screens/editor/CMultistatePropertiesPane.h"
#include "screens/editor/CStaticPropertiesPane.h"
#include "screens/editor/CStringPropertiesPane.h"

CDrawingPane* makeDrawingPropertiesPane(int tab, QWidget* parent)
{
    switch (tab) {
    case 0: return new CStaticPropertiesPane(parent);
    case 1: return new CBistatePropertiesPane(parent);
    case 2: return new CDigitalPropertiesPane(parent);
    case 3: return new CStringPropertiesPane(parent);
    case 4: return new CGraphPropertiesPane(parent);
    case 5: return new CControlPropertiesPane(parent);
    case 6: return new C3dRectPropertiesPane(parent);
    case 7: return new CMultistatePropertiesPane(parent);
    case 8: return new CAnalogPropertiesPane(parent);
    case 9: return new CDialPropertiesPane(parent);
    case 10: return new CMarkerPropertiesPane(parent);
    case 11: return new CLabelPropertiesPane(parent);
    default: return nullptr;
    }
}
