#include "screens/editor/screenDocuments.h"

#include "screens/editor/CScreenDoc.h"
#include "screens/editor/CScreenView.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CStationEditorApp.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The screen a document is being made for, in place of the path.
fscreen* opening = nullptr;

} // namespace

CScreenDoc* findScreenDocument(const fscreen& screen)
{
    CStationEditorApp* app = CStationEditorApp::instance();
    if (!app)
        return nullptr;
    for (CDocument* d : app->screenTemplate().documents()) {
        auto* doc = dynamic_cast<CScreenDoc*>(d);
        if (doc && doc->screen() == &screen)
            return doc;
    }
    return nullptr;
}

CScreenDoc* openScreenDocument(fscreen& screen)
{
    CStationEditorApp* app = CStationEditorApp::instance();
    CMainFrame* frame = CMainFrame::instance();
    if (!app || !frame || !frame->mdiArea())
        return nullptr;
    if (CScreenDoc* doc = findScreenDocument(screen)) {
        auto* child = doc->views().empty() ? nullptr : qobject_cast<QMdiSubWindow*>(doc->views().front()->parentWidget());
        if (child) {
            if (child->isMinimized())
                child->showNormal();
            frame->mdiArea()->setActiveSubWindow(child);
        }
        frame->activateWindow();
        frame->raise();
        return doc;
    }
    opening = &screen;
    auto* doc = static_cast<CScreenDoc*>(app->screenTemplate().openDocument(*frame->mdiArea()));
    opening = nullptr;
    if (auto* view = doc->views().empty() ? nullptr : dynamic_cast<CScreenView*>(doc->views().front())) {
        auto* child = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        if (child && !child->isMaximized())
            view->fitFrame();
    }
    return doc;
}

void closeScreenDocument(const fscreen& screen)
{
    if (CScreenDoc* doc = findScreenDocument(screen))
        doc->onCloseDocument();
}

std::unique_ptr<CDocument> makeScreenDocument()
{
    auto doc = std::make_unique<CScreenDoc>();
    if (opening)
        doc->setScreen(*opening);
    return doc;
}

QWidget* makeScreenView(CDocument& document) { return new CScreenView(static_cast<CScreenDoc&>(document)); }
