#include "screens/editor/drawingPropertiesPanes.h"

#include "shell/CObjectPage.h"

namespace {

// The templates of the twelve panes, in tab order.
constexpr int paneTemplates[] = {587, 582, 584, 588, 871, 583, 872, 586, 581, 870, 873, 585};

// A pane whose controls are not built yet: it shows nothing of its set.
class CEmptyPropertiesPane final : public CObjectPage {
public:
    CEmptyPropertiesPane(int templateId, QWidget* parent) : CObjectPage(templateId, parent)
    {
        setWindowFlags(Qt::Widget);
        setDialogSize(105, 79);
    }
    void loadFromObject() override {}
};

} // namespace

CObjectPage* makeDrawingPropertiesPane(int tab, QWidget* parent)
{
    return new CEmptyPropertiesPane(paneTemplates[tab], parent);
}
