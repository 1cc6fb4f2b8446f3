#include "screens/editor/CScreenDoc.h"

#include "screens/editor/CAlignObjectsDialog.h"
#include "screens/editor/CGridSizeDialog.h"
#include "screens/editor/CScreenPropertiesDialog.h"
#include "screens/editor/CScreenView.h"
#include "screens/editor/CScreensDialog.h"
#include "screens/editor/drawingBarLink.h"
#include "screens/editor/screenEditorHooks.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "shell/CMainFrame.h"
#include "platform/textCodec.h"
#include "store/gstationState.h"

#include <QMdiSubWindow>
#include <QWidget>
#include <array>

namespace {

// The Drawing Tools buttons and the Draw menu items of tools 2 to 13.
constexpr std::array<int, 12> toolButtons = {32814, 32937, 32794, 32812, 32801, 32791,
                                             32824, 32930, 32931, 32936, 32798, 32807};
constexpr std::array<int, 12> toolMenuItems = {32813, 32935, 32792, 32810, 32799, 32789,
                                               32822, 32932, 32933, 32934, 32796, 32806};
// Lines, splines, rectangles, ellipses, texts, images.
constexpr std::array<int, 6> subKindItems = {32808, 32821, 32815, 32803, 32825, 32805};

// Flip horizontally, flip vertically, rotate left, right, 180 degrees.
struct transformCommand {
    int id;
    int rotation;
    bool flipH;
    bool flipV;
};
constexpr transformCommand transforms[] = {
    {32781, 0, true, false}, {32782, 0, false, true}, {32784, 1, false, false},
    {32785, -1, false, false}, {32786, 0, true, true},
};

QWidget* mainWindow() { return CMainFrame::instance(); }

CScreensDialog* screensWindow()
{
    CMainFrame* frame = CMainFrame::instance();
    return frame ? dynamic_cast<CScreensDialog*>(frame->listWindowAt(CMainFrame::screens)) : nullptr;
}

template <std::size_t N>
int indexIn(const std::array<int, N>& ids, int id)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (ids[i] == id)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

void CScreenDoc::setScreen(fscreen& screen)
{
    screen_ = &screen;
    setTitle(screen.getTitle(true));
}

void CScreenDoc::retitle()
{
    if (!screen_)
        return;
    setTitle(screen_->getTitle(true));
    for (QWidget* view : views()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget()))
            frame->setWindowTitle(toUiText(title()));
    }
    updateAllViews();
}

void CScreenDoc::moveScreenFrame(int32_t oldLeft, int32_t oldTop, int32_t, int32_t, int32_t newLeft, int32_t newTop,
                                 int32_t newRight, int32_t newBottom)
{
    if (!screen_)
        return;
    const grect& b = screen_->getBounds();
    grect moved;
    moved.left = wrapCoordinate(int64_t(b.left) + newLeft - oldLeft);
    moved.top = wrapCoordinate(int64_t(b.top) + newTop - oldTop);
    moved.right = wrapCoordinate(int64_t(moved.left) + newRight - newLeft - 1);
    moved.bottom = wrapCoordinate(int64_t(moved.top) + newBottom - newTop - 1);
    screen_->setBounds(moved);
    stationState().modified = 1;
    updateAllViews();
}

void CScreenDoc::groupSelection()
{
    screen_->groupSelection();
    followSelection();
}

void CScreenDoc::onCloseDocument()
{
    if (screen_)
        screen_->detachWindow();
    for (QWidget* view : views()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget())) {
            delete frame;
            return;
        }
    }
}

void CScreenDoc::updateAllViews()
{
    for (QWidget* view : views()) {
        if (auto* screenView = dynamic_cast<CScreenView*>(view))
            screenView->onUpdate();
    }
}

void CScreenDoc::notifyObjects(int argument, unsigned kindMask)
{
    if (screen_)
        screen_->refreshPreviews(argument != 0, static_cast<int>(kindMask));
}

void CScreenDoc::followSelection()
{
    if (screen_)
        barShowSelection(*screen_);
}

int CScreenDoc::toolOfButton(int id)
{
    int i = indexIn(toolButtons, id);
    return i < 0 ? -1 : i + 2;
}

int CScreenDoc::toolOfMenuItem(int id)
{
    if (id == 32818)
        return 0;
    if (id == 32817 || id == 32816)
        return 1;
    int i = indexIn(toolMenuItems, id);
    return i < 0 ? -1 : i + 2;
}

int CScreenDoc::subKindOfItem(int id) { return indexIn(subKindItems, id); }

bool CScreenDoc::onCommand(int id)
{
    if (!screen_)
        return false;
    return runEditCommand(id) || runDrawCommand(id) || runArrangeCommand(id) || runViewCommand(id);
}

bool CScreenDoc::onUpdateCommand(commandState& state)
{
    if (!screen_)
        return false;
    return updateEditCommand(state) || updateDrawCommand(state) || updateArrangeCommand(state) ||
           updateViewCommand(state);
}

bool CScreenDoc::runEditCommand(int id)
{
    fscreen& s = *screen_;
    switch (id) {
    case 57632: s.deleteSelection(); break;
    case 57634: s.copySelection(); return true;
    case 57635: s.cutSelection(); break;
    case 57637: s.paste(); break;
    case 32827: s.duplicateSelection(true); return true;
    case 57642: s.selectAll(); break;
    case 32840: showScreenProperties(); return true;
    case 32879: modifyObjects(); return true;
    case 32875: s.deleteOffScreenObjects(); return true;
    default: return false;
    }
    followSelection();
    return true;
}

bool CScreenDoc::updateEditCommand(commandState& state)
{
    const fscreen& s = *screen_;
    switch (state.id) {
    case 57632:
    case 57634:
    case 57635:
    case 32827:
    case 32879: state.enable(s.hasSelection()); return true;
    case 57637: state.enable(clipboardScreen().firstObject() != nullptr); return true;
    case 57642: state.enable(s.firstObject() != nullptr); return true;
    case 32840: state.enable(); return true;
    case 32875: state.enable(s.hasOffScreenObjects()); return true;
    default: return false;
    }
}

void CScreenDoc::chooseTool(int tool, bool fromButton)
{
    fscreen& s = *screen_;
    if (fromButton && s.getTool() == tool) {
        s.setToolLocked(!s.isToolLocked());
        return;
    }
    if (fromButton)
        s.setToolLocked(false);
    s.setTool(tool);
    followSelection();
}

bool CScreenDoc::runDrawCommand(int id)
{
    fscreen& s = *screen_;
    if (int kind = subKindOfItem(id); kind >= 0) {
        s.setSubKind(kind);
        return true;
    }
    if (int tool = toolOfButton(id); tool >= 0) {
        chooseTool(tool, true);
        return true;
    }
    switch (id) {
    case 32818: s.setTool(0); return true;
    case 32817:
        s.setToolLocked(false);
        s.setTool(1);
        return true;
    case 32816: s.setTool(1); return true;
    case 32809: s.setToolLocked(!s.isToolLocked()); return true;
    case 32820: s.setSnap(!s.isSnapOn()); return true;
    case 32804:
        if (s.hasSelection())
            drawingDefaults().mergeFrom(s.getSelectionProperties());
        return true;
    default: break;
    }
    if (int tool = toolOfMenuItem(id); tool >= 2) {
        s.setTool(tool);
        followSelection();
        return true;
    }
    return false;
}

bool CScreenDoc::updateDrawCommand(commandState& state)
{
    const fscreen& s = *screen_;
    int id = state.id;
    if (int kind = subKindOfItem(id); kind >= 0) {
        int tool = s.getTool();
        bool on = tool == 2 || tool == 4 || tool == 5;
        state.enable(on);
        state.setCheck(on && s.getSubKind() == kind);
        return true;
    }
    int tool = toolOfButton(id);
    if (tool >= 0) {
        if (CMainFrame* frame = CMainFrame::instance())
            frame->setDrawingToolState(tool, &s);
    } else {
        tool = toolOfMenuItem(id);
    }
    if (tool >= 0) {
        state.enable(drawingDefaults().isComplete(tool));
        state.setCheck(s.getTool() == tool);
        return true;
    }
    switch (id) {
    case 32809:
        state.enable();
        state.setCheck(s.isToolLocked());
        return true;
    case 32820:
        state.enable();
        state.setCheck(s.isSnapOn());
        return true;
    case 32804: state.enable(s.hasSelection()); return true;
    default: return false;
    }
}

bool CScreenDoc::runArrangeCommand(int id)
{
    fscreen& s = *screen_;
    for (const transformCommand& t : transforms) {
        if (t.id == id) {
            s.transformSelection(t.rotation, t.flipH, t.flipV);
            followSelection();
            return true;
        }
    }
    if (id >= 32773 && id <= 32780) {
        int n = id - 32773;
        s.alignSelection(n < 4 ? n + 1 : 0, n < 4 ? 0 : n - 3);
        return true;
    }
    switch (id) {
    case 32841: s.raiseSelection(); return true;
    case 32831: s.lowerSelection(); return true;
    case 32845: s.bringSelectionToFront(); return true;
    case 32844: s.sendSelectionToBack(); return true;
    case 32772: s.alignWithGrid(); return true;
    case 32771: showAlignObjects(); return true;
    case 32783: groupSelection(); return true;
    case 32787: s.ungroupSelection(); return true;
    default: return false;
    }
}

bool CScreenDoc::updateArrangeCommand(commandState& state)
{
    const fscreen& s = *screen_;
    int id = state.id;
    bool transform = false;
    for (const transformCommand& t : transforms)
        transform = transform || t.id == id;
    if (transform || id == 32845 || id == 32844 || id == 32772) {
        state.enable(s.hasSelection());
        return true;
    }
    if ((id >= 32773 && id <= 32780) || id == 32771 || id == 32783) {
        state.enable(s.hasSeveralSelected());
        return true;
    }
    switch (id) {
    case 32841: state.enable(s.canRaise()); return true;
    case 32831: state.enable(s.canLower()); return true;
    case 32787: state.enable(s.isGroupSelected()); return true;
    default: return false;
    }
}

bool CScreenDoc::runViewCommand(int id)
{
    fscreen& s = *screen_;
    switch (id) {
    case 32890: s.setGridShown(!s.isGridShown()); return true;
    case 32892: showGridSize(); return true;
    case 32885: s.alignGridWithScreen(); return true;
    case 32884: s.alignGridWithSelection(); return true;
    default: return false;
    }
}

bool CScreenDoc::updateViewCommand(commandState& state)
{
    const fscreen& s = *screen_;
    switch (state.id) {
    case 32890:
        state.enable();
        state.setCheck(s.isGridShown());
        return true;
    case 32892:
    case 32885: state.enable(); return true;
    case 32884: state.enable(s.hasSelection()); return true;
    default: return false;
    }
}

void CScreenDoc::showScreenProperties()
{
    CScreenPropertiesDialog dialog(screen_, screen_, mainWindow());
    if (dialog.DoModal() != IDOK)
        return;
    stationState().modified = 1;
    retitle();
    if (CScreensDialog* list = screensWindow())
        list->updateScreenRow(*screen_);
    else
        barRefreshScreenList();
}

void CScreenDoc::showGridSize()
{
    CGridSizeDialog dialog(mainWindow());
    screen_->getGridSize(dialog.stepX, dialog.stepY);
    if (dialog.DoModal() == IDOK)
        screen_->setGridSize(dialog.stepX, dialog.stepY);
}

void CScreenDoc::showAlignObjects()
{
    CAlignObjectsDialog dialog(mainWindow());
    if (dialog.DoModal() == IDOK)
        screen_->alignSelection(dialog.horizontal, dialog.vertical);
}

void CScreenDoc::modifyObjects()
{
    const screenObjectsChanger& run = screenObjectsChangerDialog();
    if (run && run(*screen_, mainWindow()))
        followSelection();
}
