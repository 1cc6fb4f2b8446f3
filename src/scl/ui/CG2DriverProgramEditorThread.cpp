#include "scl/ui/CG2DriverProgramEditorThread.h"

#include "platform/CDialog.h"
#include "platform/screenFit.h"
#include "platform/settingsStore.h"
#include "scl/ui/CG2DriverProgramEditor.h"
#include "scl/ui/CSclChildFrame.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/CSclView.h"
#include "shell/CMultiDocTemplate.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

constexpr int documentTemplateId = 220;

CG2DriverProgramEditorThread* theEditor = nullptr;

QMdiSubWindow* frameOf(const CDocument& document)
{
    return document.views().empty() ? nullptr : qobject_cast<QMdiSubWindow*>(document.views().front()->parentWidget());
}

} // namespace

CG2DriverProgramEditorThread* CG2DriverProgramEditorThread::current() { return theEditor; }

CG2DriverProgramEditorThread& CG2DriverProgramEditorThread::start(driverProgramEditorOwner& owner)
{
    if (!theEditor)
        theEditor = new CG2DriverProgramEditorThread(owner);
    return *theEditor;
}

CG2DriverProgramEditorThread::CG2DriverProgramEditorThread(driverProgramEditorOwner& owner)
    : owner_(&owner), ownerPage_(&owner.ownerPage())
{
    template_ = std::make_unique<CMultiDocTemplate>(
        documentTemplateId, [] { return std::make_unique<CSclLocalDoc>(); },
        [](CDocument& document) { return new CSclLocalView(&static_cast<CSclLocalDoc&>(document)); },
        [](CMultiDocTemplate& docTemplate, CDocument& document, QWidget* view) {
            return new CSclChildFrame(docTemplate, document, view);
        });
    frame_ = std::make_unique<CG2DriverProgramEditor>(ownerPage_->window());
    frame_->setEditor(this);
    frame_->setMaximizeDocuments(profileInt("General", "MaximizeProgramEditorDoc", 0) != 0);
    fitToScreen(*frame_, QSize(1024, 768));
    if (profileInt("General", "MaximizeProgramEditor", 0) != 0)
        frame_->showMaximized();
    else
        frame_->show();
}

CG2DriverProgramEditorThread::~CG2DriverProgramEditorThread()
{
    if (theEditor == this)
        theEditor = nullptr;
}

CSclLocalDoc* CG2DriverProgramEditorThread::findDocument(const gsclProgramBody* program) const
{
    for (CDocument* d : template_->documents()) {
        auto* doc = dynamic_cast<CSclLocalDoc*>(d);
        if (doc && program && doc->getProgram() == program)
            return doc;
    }
    return nullptr;
}

CSclLocalDoc* CG2DriverProgramEditorThread::openProgram(gsclProgramBody& program)
{
    CDocument* opened = template_->openDocument(*frame_->mdiArea(), [&program](CDocument& d) {
        static_cast<CSclLocalDoc&>(d).openProgram(&program);
    });
    return static_cast<CSclLocalDoc*>(opened);
}

void CG2DriverProgramEditorThread::showProgram(gsclProgramBody& program)
{
    CSclLocalDoc* doc = findDocument(&program);
    if (!doc) {
        openProgram(program);
        return;
    }
    if (QMdiSubWindow* window = frameOf(*doc)) {
        if (window->isMinimized())
            window->showNormal();
        frame_->mdiArea()->setActiveSubWindow(window);
    }
    frame_->raise();
    frame_->activateWindow();
}

void CG2DriverProgramEditorThread::saveAllModified() { template_->saveAllModified(); }

void CG2DriverProgramEditorThread::closeAllDocuments(bool) { template_->closeAllDocuments(); }

// Text typed since the last write-back would otherwise be lost.
void CG2DriverProgramEditorThread::closeAllWindows()
{
    saveAllModified();
    closeAllDocuments(false);
}

void CG2DriverProgramEditorThread::closeDocument(const gsclProgramBody* program)
{
    if (CSclLocalDoc* doc = findDocument(program)) {
        doc->detachProgram();
        template_->closeDocument(doc);
    }
}

// Posted, so that the page handles it once the command that asked has
// ended.
void CG2DriverProgramEditorThread::requestProperties(gsclProgramBody* program)
{
    if (!owner_ || !ownerPage_)
        return;
    owner_->pendingProperties = program;
    QTimer::singleShot(0, ownerPage_.data(), [page = ownerPage_] {
        if (page)
            page->sendCommand(driverProgramEditorOwner::propertiesCommand);
    });
}

// The driver dialog, which holds the page, is the application's top modal
// window while the user may work with it.
bool CG2DriverProgramEditorThread::isOwnerActive() const
{
    if (!owner_ || !ownerPage_)
        return false;
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal == ownerPage_->window();
}

// The frame leaves the dialog, which would otherwise take it along when it
// goes.
void CG2DriverProgramEditorThread::ownerGone()
{
    owner_ = nullptr;
    ownerPage_ = nullptr;
    frame_->setParent(nullptr, Qt::Window);
    for (CDocument* d : template_->documents()) {
        if (auto* doc = dynamic_cast<CSclLocalDoc*>(d))
            doc->detachProgram();
    }
    QTimer::singleShot(0, frame_.get(), [frame = frame_.get()] { frame->close(); });
}

void CG2DriverProgramEditorThread::frameClosing()
{
    if (closing_)
        return;
    closing_ = true;
    if (theEditor == this)
        theEditor = nullptr;
    saveAllModified();
    frame_->saveFrameState();
    QTimer::singleShot(0, qApp, [this] { delete this; });
}

void refreshDriverProgramViews()
{
    CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current();
    if (!editor)
        return;
    for (CDocument* d : editor->docTemplate().documents())
        d->updateAllViews();
}
