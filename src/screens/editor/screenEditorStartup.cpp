#include "screens/editor/screenEditorStartup.h"

#include "scl/gsclProgram.h"
#include "screens/editor/CDrawingPropertiesBar.h"
#include "screens/editor/CIndicatorValuesDialog.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "shell/CMainFrame.h"
#include "shell/screenEditorServices.h"

namespace {

class screenEditorLink final : public screenEditorServices {
public:
    void refreshDrawingPropertiesBar() override
    {
        CDrawingPropertiesBar* bar = CDrawingPropertiesBar::instance();
        if (!bar)
            return;
        bar->refreshRegisterLists();
        bar->refreshScreenList();
        bar->refreshProgramList();
    }
    void forgetRegister(gregister& reg) override { drawingDefaults().forgetRegister(&reg); }
    bool clipboardUsesRegister(const gregister& reg) override { return clipboardScreen().usesRegister(&reg); }
    void emptyClipboard() override { clipboardScreen().deleteAllObjects(); }
    void forgetProgram(gsclProgram& program) override { drawingDefaults().forgetProgram(&program); }
    bool clipboardUsesProgram(const gsclProgram& program) override
    {
        return clipboardScreen().usesProgram(&program);
    }
};

screenEditorLink editorLink;

} // namespace

void startScreenEditor(CMainFrame& frame)
{
    installScreenEditorServices(&editorLink);
    CMainFrame* owner = &frame;
    frame.setToolDialog(32893, [owner] { CIndicatorValuesDialog(owner).DoModal(); });
    if (CDrawingPropertiesBar* bar = CDrawingPropertiesBar::instance()) {
        bar->showDefaults();
        bar->refreshImageLists();
    }
}
