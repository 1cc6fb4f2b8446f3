#include "shell/CMultiDocTemplate.h"

#include "shell/CChildFrame.h"
#include "shell/CDocument.h"

#include <QMdiArea>
#include <algorithm>

CMultiDocTemplate::CMultiDocTemplate(int resourceId, documentFactory makeDocument, viewFactory makeView,
                                     frameFactory makeFrame)
    : resourceId_(resourceId), makeDocument_(std::move(makeDocument)), makeView_(std::move(makeView)),
      makeFrame_(std::move(makeFrame))
{
}

CMultiDocTemplate::~CMultiDocTemplate() = default;

CDocument* CMultiDocTemplate::openDocument(QMdiArea& area, const openStep& open)
{
    documents_.push_back(makeDocument_());
    CDocument* document = documents_.back().get();
    document->template_ = this;
    if (open)
        open(*document);
    QWidget* view = makeView_(*document);
    document->views_.push_back(view);
    CChildFrame* frame = makeFrame_ ? makeFrame_(*this, *document, view) : new CChildFrame(*this, *document, view);
    area.addSubWindow(frame);
    frame->showAsRemembered();
    return document;
}

std::vector<CDocument*> CMultiDocTemplate::documents() const
{
    std::vector<CDocument*> open;
    for (const auto& d : documents_)
        open.push_back(d.get());
    return open;
}

void CMultiDocTemplate::closeAllDocuments()
{
    // Each frame takes its document with it as it goes.
    std::vector<QMdiSubWindow*> frames;
    for (const auto& d : documents_) {
        for (QWidget* view : d->views()) {
            if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget()))
                frames.push_back(frame);
        }
    }
    for (QMdiSubWindow* frame : frames)
        delete frame;
}

void CMultiDocTemplate::closeDocument(CDocument* document)
{
    for (const auto& d : documents_) {
        if (d.get() != document)
            continue;
        for (QWidget* view : d->views()) {
            if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget())) {
                delete frame;
                return;
            }
        }
    }
}

bool CMultiDocTemplate::saveAllModified()
{
    for (const auto& d : documents_) {
        if (!d->saveModified())
            return false;
    }
    return true;
}

void CMultiDocTemplate::documentClosed(CDocument* document)
{
    std::erase_if(documents_, [document](const auto& d) { return d.get() == document; });
}
