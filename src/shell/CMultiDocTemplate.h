#pragma once

#include <functional>
#include <memory>
#include <vector>

class CChildFrame;
class CDocument;
class QMdiArea;
class QWidget;

// One kind of MDI document: how to make the document, its view and its
// frame. Each open document has one view in a CChildFrame (or a frame the
// template makes) in an MDI area.
class CMultiDocTemplate {
public:
    using documentFactory = std::function<std::unique_ptr<CDocument>()>;
    using viewFactory = std::function<QWidget*(CDocument&)>;
    using frameFactory = std::function<CChildFrame*(CMultiDocTemplate&, CDocument&, QWidget* view)>;
    // The open step of a document shown for a station object (a program, a
    // screen) in place of a file: it takes the object before the view and
    // the frame are made.
    using openStep = std::function<void(CDocument&)>;

    CMultiDocTemplate(int resourceId, documentFactory makeDocument, viewFactory makeView,
                      frameFactory makeFrame = {});
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    int resourceId() const { return resourceId_; }
    // Makes a document and opens its window; the document stays until its
    // window closes.
    CDocument* openDocument(QMdiArea& area, const openStep& open = {});
    std::vector<CDocument*> documents() const;
    // Closes every document's window without asking.
    void closeAllDocuments();
    // Closes the document's window without asking.
    void closeDocument(CDocument* document);
    // Whether every document agrees to go (each asks to save itself).
    bool saveAllModified();

private:
    friend class CChildFrame;
    void documentClosed(CDocument* document);

    int resourceId_;
    documentFactory makeDocument_;
    viewFactory makeView_;
    frameFactory makeFrame_;
    std::vector<std::unique_ptr<CDocument>> documents_;
};
