#include "shell/CDocument.h"

#include <QWidget>

CDocument::~CDocument() = default;

void CDocument::setTitle(const gstrSlice& title) { title_.assign(title); }

void CDocument::updateAllViews()
{
    for (QWidget* view : views_)
        view->update();
}

bool CDocument::saveModified() { return true; }

void CDocument::reloadFromObjects() {}

void CDocument::notifyObjects(int, unsigned) {}
