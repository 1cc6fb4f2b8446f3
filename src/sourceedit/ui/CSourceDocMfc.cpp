#include "sourceedit/ui/CSourceDocMfc.h"

#include "foundation/textEncodings.h"
#include "platform/modalRun.h"
#include "platform/waitCursor.h"
#include "sourceedit/CSourceException.h"
#include "sourceedit/ui/CSourceViewMfc.h"

#include <algorithm>

CSourceDocMfc::CSourceDocMfc() { DeleteContents(); }

CSourceDocMfc::~CSourceDocMfc() = default;

void CSourceDocMfc::DeleteContents() { clear(); }

void CSourceDocMfc::setPathName(const gstrSlice& path)
{
    pathName_.assign(path);
    std::string_view full = path.view();
    size_t slash = full.rfind('/');
    std::string_view name = slash == std::string_view::npos ? full : full.substr(slash + 1);
    setTitle(pathAsText(gstrSlice(name.data(), static_cast<int32_t>(name.size()))));
}

int CSourceDocMfc::OnOpenDocument(const gstrSlice& path)
{
    int loaded;
    try {
        waitCursor wait;
        loaded = readFile(path);
    } catch (const CSourceException& e) {
        plainMessageBox(e.text(), gbuttons::ok);
        return 0;
    }
    if (!loaded && error != errorLongLinesWrapped)
        return 0;
    setPathName(path);
    for (CSourceViewMfc* view : sourceViews_)
        view->OnUpdate(nullptr, 0, nullptr);
    return 1;
}

int CSourceDocMfc::OnSaveDocument(const gstrSlice& path)
{
    try {
        waitCursor wait;
        return writeFile(path);
    } catch (const CSourceException& e) {
        plainMessageBox(e.text(), gbuttons::ok);
        return 0;
    }
}

int CSourceDocMfc::onLongLine()
{
    return messageBox(sourceLongLineNotice, gbuttons::okCancel, gicon::information) == ganswer::ok;
}

void CSourceDocMfc::notifyViews(const void* sender, int hintKind, const CSourceHint& hint)
{
    // A view may go while another handles the notification; walk a copy.
    std::vector<CSourceViewMfc*> views = sourceViews_;
    for (CSourceViewMfc* view : views) {
        if (view != sender && std::find(sourceViews_.begin(), sourceViews_.end(), view) != sourceViews_.end())
            view->OnUpdate(sender, hintKind, &hint);
    }
}

void CSourceDocMfc::addSourceView(CSourceViewMfc* view) { sourceViews_.push_back(view); }

void CSourceDocMfc::removeSourceView(CSourceViewMfc* view) { std::erase(sourceViews_, view); }

bool CSourceDocMfc::onCommand(int id)
{
    if (id == undoCommand)
        undo();
    else if (id == redoCommand)
        redo();
    else
        return false;
    return true;
}

bool CSourceDocMfc::onUpdateCommand(commandState& state)
{
    if (state.id == undoCommand)
        state.enable(canUndo());
    else if (state.id == redoCommand)
        state.enable(canRedo());
    else
        return false;
    return true;
}
