#pragma once

#include "foundation/gstr.h"

#include <vector>

class CMultiDocTemplate;
class QWidget;

// A document of an MDI window: a screen or a station SCL program. Its
// objects stay owned by the station's tables; the document holds pointers.
class CDocument {
public:
    virtual ~CDocument();

    const gstr& title() const { return title_; }
    void setTitle(const gstrSlice& title);
    CMultiDocTemplate* docTemplate() const { return template_; }
    const std::vector<QWidget*>& views() const { return views_; }

    // Every view shows the document again.
    virtual void updateAllViews();
    // Before a close that asks: true when the document may go.
    virtual bool saveModified();
    // Batch tools changed the objects this document shows.
    virtual void reloadFromObjects();
    // A graphic-object notification for the objects whose kind bits meet
    // the mask (screens only).
    virtual void notifyObjects(int argument, unsigned kindMask);

private:
    friend class CMultiDocTemplate;
    gstr title_;
    CMultiDocTemplate* template_ = nullptr;
    std::vector<QWidget*> views_;
};
