#pragma once

#include <QMdiSubWindow>

class CDocument;
class CMultiDocTemplate;

// The MDI window of a document. It opens maximised when the user last left
// document windows maximised, and keeps that choice in the main frame's
// MaximizeDoc flag. Closed by the user, it first lets its document save
// itself; a document that refuses keeps the window open.
class CChildFrame : public QMdiSubWindow {
public:
    CChildFrame(CMultiDocTemplate& docTemplate, CDocument& document, QWidget* view);
    ~CChildFrame() override;

    CDocument& document() const { return document_; }
    QWidget* view() const { return widget(); }

    // Shows the window as the MaximizeDoc flag says.
    virtual void showAsRemembered();

    // A window of an MDI area no larger than the area and wholly inside it,
    // its title bar and buttons in view.
    static void keepInsideArea(QMdiSubWindow& window);

protected:
    // Shows the window, not maximised, at a usable size inside its area.
    void showInsideArea();

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CMultiDocTemplate& template_;
    CDocument& document_;
};
