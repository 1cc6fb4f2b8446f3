#pragma once

#include <functional>
#include <memory>
#include <vector>

class CDocument;
class QMdiArea;
class QWidget;

// One kind of MDI document: how to make the document and its view. Each open
// document has one view in a CChildFrame in the main frame's MDI area.
class CMultiDocTemplate {
public:
    using documentFactory = std::function<std::unique_ptr<CDocument>()>;
    using viewFactory = std::function<QWidget*(CDocument&)>;

    CMultiDocTemplate(int resourceId, documentFactory makeDocument, viewFactory makeView);
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    int resourceId() const { return resourceId_; }
    // Makes a document and opens its window; the document stays until its
    // window closes.
    CDocument* openDocument(QMdiArea& area);
    std::vector<CDocument*> documents() const;
    // Closes every document's window without asking.
    void closeAllDocuments();
    // Whether every document agrees to go (each asks to save itself).
    bool saveAllModified();

private:
    friend class CChildFrame;
    void documentClosed(CDocument* document);

    int resourceId_;
    documentFactory makeDocument_;
    viewFactory makeView_;
    std::vector<std::unique_ptr<CDocument>> documents_;
};
