#include "shell/CChildFrame.h"

#include "shell/CDocument.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "platform/textCodec.h"

#include <QCloseEvent>
#include <QEvent>

CChildFrame::CChildFrame(CMultiDocTemplate& docTemplate, CDocument& document, QWidget* view)
    : template_(docTemplate), document_(document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowTitle(toUiText(document.title()));
}

// The view goes before its document.
CChildFrame::~CChildFrame()
{
    QWidget* view = widget();
    setWidget(nullptr);
    delete view;
    template_.documentClosed(&document_);
}

void CChildFrame::showAsRemembered()
{
    CMainFrame* frame = CMainFrame::instance();
    if (frame && frame->maximizeDoc())
        showMaximized();
    else
        show();
}

// Maximising sets the flag, restoring clears it; minimising leaves it.
void CChildFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized())
        return;
    if (CMainFrame* frame = CMainFrame::instance())
        frame->setMaximizeDoc(isMaximized());
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!document_.saveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
