#include "scl/ui/CSclChildFrame.h"

#include "scl/ui/CG2DriverProgramEditor.h"

#include <QEvent>

namespace {

CG2DriverProgramEditor* editorOf(const QWidget& window) { return dynamic_cast<CG2DriverProgramEditor*>(window.window()); }

} // namespace

void CSclChildFrame::showAsRemembered()
{
    CG2DriverProgramEditor* editor = editorOf(*this);
    if (editor && editor->maximizeDocuments())
        showMaximized();
    else
        showInsideArea();
}

// Maximising sets the flag, restoring clears it; minimising leaves it.
void CSclChildFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized())
        return;
    if (CG2DriverProgramEditor* editor = editorOf(*this))
        editor->setMaximizeDocuments(isMaximized());
}
