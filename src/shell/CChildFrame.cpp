#include "shell/CChildFrame.h"

#include "shell/CDocument.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "platform/textCodec.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>

#include <algorithm>

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
        showInsideArea();
}

// A new window opens at a usable size (at least two thirds of the area's
// width and height, at most all of it) and wholly inside the area, wherever
// the area would have put it.
void CChildFrame::showInsideArea()
{
    if (QMdiArea* area = mdiArea()) {
        QSize room = area->viewport()->size();
        resize(sizeHint().expandedTo(QSize(room.width() * 2 / 3, room.height() * 2 / 3)));
    }
    show();
    keepInsideArea(*this);
}

void CChildFrame::keepInsideArea(QMdiSubWindow& window)
{
    QMdiArea* area = window.mdiArea();
    if (!area || window.isMaximized())
        return;
    QSize room = area->viewport()->size();
    window.resize(window.size().boundedTo(room));
    int x = std::clamp(window.x(), 0, std::max(0, room.width() - window.width()));
    int y = std::clamp(window.y(), 0, std::max(0, room.height() - window.height()));
    window.move(x, y);
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
