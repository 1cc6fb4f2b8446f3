#pragma once

#include "platform/commandTarget.h"
#include "sourceedit/ui/CSourceView.h"

#include <QAbstractScrollArea>
#include <functional>
#include <vector>

class CFindReplaceDialog;
class CSourceDocMfc;
class QMimeData;
class QPrinter;

// The window of a source view: a scrolling widget that is the window the
// engine draws into. It supplies the engine's window operations, forwards
// paint, keys, mouse, focus and timers to it, and carries out Cut, Copy,
// Paste, Find, Replace, Find Again, the bookmark commands, Print, and moving
// and copying text by drag and drop. The SCL views derive from it.
//
//   auto* view = new CSourceViewMfc(&document);   // registers with the document
//   view->OnInitialUpdate();                       // or shows it: the first show does it
class CSourceViewMfc : public QAbstractScrollArea, public CSourceView, public commandTarget {
public:
    static constexpr int cutCommand = 57635;
    static constexpr int copyCommand = 57634;
    static constexpr int pasteCommand = 57637;
    static constexpr int findCommand = 57636;
    static constexpr int replaceCommand = 57641;
    static constexpr int findAgainCommand = 32854;
    static constexpr int toggleBookmarkCommand = 32843;
    static constexpr int nextBookmarkCommand = 32868;
    static constexpr int previousBookmarkCommand = 32870;
    static constexpr int clearBookmarksCommand = 32788;
    static constexpr int printCommand = 57607;

    explicit CSourceViewMfc(CSourceDocMfc* document, QWidget* parent = nullptr);
    ~CSourceViewMfc() override;

    CSourceDocMfc* document() const { return document_; }

    // The framework's steps.
    virtual void OnInitialUpdate();
    // Kind 0 asks for new metrics and a full repaint; any other kind carries a
    // change notification.
    virtual void OnUpdate(const void* sender, int hintKind, const CSourceHint* hint);
    // Whether a search that found nothing goes on from the other end; no.
    virtual int askContinueSearch(const gstrSlice& text);
    // Around a print job, for views that make fonts for it.
    virtual void OnBeginPrinting(QPrinter& printer);
    virtual void OnEndPrinting();

    // The engine's window operations.
    CSourceDoc* getDocument() override;
    QWidget* getWindow() override;
    void getScrollPosition(int32_t& column, int32_t& line) override;
    void scrollTo(int32_t column, int32_t line) override;
    void reportError(int operation, int documentError, int viewError) override;
    void updateScrollRanges() override;
    CSourcePageStart& getPageStart(int page) override;
    void printPageNumber(int page, QPainter& dc, const CSourcePrintDevice& device, const QRect& printRect) override;
    bool isModifierDown(Qt::KeyboardModifier modifier) override;

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

    // Find and replace.
    void openFindDialog(bool replace);
    void findAgain();
    // The open Find or Replace dialog of the program, null when none.
    static CFindReplaceDialog* findDialog();
    // The last search text.
    static gstr lastSearchText();
    // Go To Line: the dialog with the caret's line; on OK the chosen line
    // selected whole and the caret at its start.
    void goToLine();

    // Printing without the print dialog: the pages from first to last (0:
    // all). False when nothing was printed.
    bool print(QPrinter& printer, bool selectionOnly, int firstPage = 0, int lastPage = 0);
    static CSourcePrintDevice printDevice(QPrinter& printer);
    // The print dialog: true to print, with the choice of the selection.
    // Tests replace it.
    using printDialogRunner = std::function<bool(QPrinter& printer, bool selectionAvailable, bool& selectionOnly)>;
    static void setPrintDialogRunner(printDialogRunner runner);

    // Drag and drop, as the framework drives it: begin makes the data of the
    // selection and notes the move in the document; end finishes the source
    // side with the effect the drop answered (no effect: a plain click).
    QMimeData* beginDrag();
    void endDrag(Qt::DropAction effect, const QPoint& clickPoint);
    const CSourcePosition& dropMarker() const { return dropMarker_; }
    bool droppedHere() const { return droppedHere_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The modifiers of the input event being handled.
    class inputScope;

    void typeCharacters(const QString& text);
    void onFindNotification(CFindReplaceDialog& dialog, int what);
    bool search(const gstrSlice& text, CSourcePosition start, bool backward, bool matchCase, bool wholeWord,
                CSourcePosition& found);
    void revealMatch(int32_t length, const CSourcePosition& match);
    void notFound(const gstrSlice& text);
    CSourcePosition findStart(bool backward);
    void replaceAll(CFindReplaceDialog& dialog);
    void replaceOne(CFindReplaceDialog& dialog);
    void runPrintCommand();
    void startDrag();
    bool dragBandLeft(const QPoint& point);
    void moveDropMarker(const CSourcePosition& to);
    QRect dropMarkerRect(const CSourcePosition& at);
    bool dropText(QDropEvent* event);
    void onHorizontalAction(int action);

    CSourceDocMfc* document_;
    bool initialised_ = false;
    bool rangesBusy_ = false;
    bool inInput_ = false;
    Qt::KeyboardModifiers inputModifiers_;
    gstr notFoundPrefix_;
    std::vector<CSourcePageStart> pageStarts_;
    QRect printRect_;
    bool droppedHere_ = false;
    CSourcePosition dropMarker_{-1, -1};
    bool dragPending_ = false;
    QPoint pressPoint_;
};

// Sets the modifiers the engine sees for the length of one input event.
class CSourceViewMfc::inputScope {
public:
    inputScope(CSourceViewMfc& view, Qt::KeyboardModifiers modifiers) : view_(view), was_(view.inInput_)
    {
        view_.inInput_ = true;
        view_.inputModifiers_ = modifiers;
    }
    ~inputScope() { view_.inInput_ = was_; }
    inputScope(const inputScope&) = delete;
    inputScope& operator=(const inputScope&) = delete;

private:
    CSourceViewMfc& view_;
    bool was_;
};
