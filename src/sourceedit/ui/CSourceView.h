#pragma once

#include "sourceedit/CSourceColumnMap.h"
#include "sourceedit/CSourceHint.h"
#include "sourceedit/CSourcePosition.h"
#include "sourceedit/ui/sourceCaret.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <memory>

class CSourceDoc;
class CSourceTokenStyle;
class CSourceUndoRecord;
class QPaintDevice;
class QPainter;
class QWidget;

// Where a printed page starts: a line and a character offset into it.
struct CSourcePageStart {
    int32_t line = 0;
    int32_t offset = 0;
};

// A printer's page in its own pixels: the physical page, the offset of the
// printable area from its corner and the resolution.
struct CSourcePrintDevice {
    int pageWidth = 0;
    int pageHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int dpiX = 72;
    int dpiY = 72;
};

// What the drawing operations pass each other while they draw lines.
struct CSourceDrawState {
    int x = 0;
    int y = 0;
    int column = 0; // display column reached on the line
    int32_t line = 0;
    bool inSelection = false;
    int selectionStart = -1; // display columns of the selection on this line
    int selectionEnd = -1;
    QColor selectionText;
    QColor selectionBack;
    QPainter* dc = nullptr;
    QRect clip;
    QColor background;
    bool marginSet = false; // a caller chose marginBrush before beginDraw
    QColor marginBrush;
    QColor bookmarkBrush;
    bool printing = false;
    int columnLimit = 0;      // printing: the columns of a printed line less one
    bool forced = false;      // the whole line in forcedText on forcedBack
    QColor forcedText;
    QColor forcedBack;
    int charWidth = 0;        // of the device drawn on
    int lineHeight = 0;
};

// The window-independent core of a source view: it maps text positions to
// display columns and pixels, draws the visible lines with token colours,
// the selection and bookmarks, keeps the caret and the selection, carries
// out the document's change notifications, and handles keys, mouse,
// clipboard and printing. The window layer (CSourceViewMfc) supplies the
// window, the scroll position and ranges, error messages and page starts.
class CSourceView : public CSourceColumnMap {
public:
    // Operations and view errors for reportError.
    static constexpr int opEditing = 0;
    static constexpr int opCut = 4;
    static constexpr int opPaste = 5;
    static constexpr int opCopy = 6;
    static constexpr int opPrinting = 7;
    static constexpr int viewErrorNone = 0;
    static constexpr int viewErrorNoSelection = 1;
    static constexpr int viewErrorClipboard = 2;
    static constexpr int viewErrorClipboardMemory = 3;
    static constexpr int viewErrorMargins = 4;
    // Numbers of command.
    static constexpr int commandLineStart = 0;
    static constexpr int commandDocumentStart = 1;
    static constexpr int commandLineEnd = 2;
    static constexpr int commandDocumentEnd = 3;
    static constexpr int commandCut = 4;
    static constexpr int commandPaste = 5;
    static constexpr int commandCopy = 6;
    // Virtual keys of onKeyDown.
    static constexpr int keyEscape = 0x1B;
    static constexpr int keyPageUp = 0x21;
    static constexpr int keyPageDown = 0x22;
    static constexpr int keyEnd = 0x23;
    static constexpr int keyHome = 0x24;
    static constexpr int keyLeft = 0x25;
    static constexpr int keyUp = 0x26;
    static constexpr int keyRight = 0x27;
    static constexpr int keyDown = 0x28;
    static constexpr int keyInsert = 0x2D;
    static constexpr int keyDelete = 0x2E;

    CSourceView();
    ~CSourceView() override;
    CSourceView(const CSourceView&) = delete;
    CSourceView& operator=(const CSourceView&) = delete;

    virtual int isOptionSet(unsigned bits);
    // Negative values become 0, a line past the end the last line.
    virtual void setCaretPosition(int32_t column, int32_t line);
    // Shift or a drag extends the selection from the anchor unless noExtend.
    virtual void moveCaret(int32_t column, int32_t line, int noExtend);
    virtual CSourceDoc* getDocument() = 0;
    virtual QWidget* getWindow() = 0;
    // The first visible display column and line.
    virtual void getScrollPosition(int32_t& column, int32_t& line) = 0;
    virtual void scrollTo(int32_t column, int32_t line) = 0;
    virtual int getTabWidth();
    virtual void adjustPositions(int inserted, const CSourcePosition& start, const CSourcePosition& end);
    virtual void recalcMetrics();
    // 0 line start, 1 document start, 2 line end, 3 document end, 4 Cut,
    // 5 Paste, 6 Copy; anything else does nothing and answers 0.
    virtual int command(int number);
    virtual void draw(QPainter& dc);
    virtual void beginDraw(int32_t firstLine, const QRect& clip, QPainter& dc, CSourceDrawState& state);
    virtual void beginLineDraw(CSourceDrawState& state);
    virtual void endLineDraw(CSourceDrawState& state);
    virtual void endDraw(CSourceDrawState& state);
    // Null for kind -1 (text without a tokenizer).
    virtual const CSourceTokenStyle* getTokenStyle(int kind);
    virtual const CSourceTokenStyle& getDefaultStyle();
    // A colour reference (sourceColour.h).
    virtual uint32_t getBackgroundBrush();
    virtual int isWordChar(char c);
    virtual void reportError(int operation, int documentError, int viewError) = 0;
    virtual void updateScrollRanges() = 0;
    virtual CSourcePageStart& getPageStart(int page) = 0;
    virtual void printLineNumber(int32_t line, CSourceDrawState& state);
    virtual void getPrintMargins(double& left, double& right, double& top, double& bottom);
    virtual void printPageNumber(int page, QPainter& dc, const CSourcePrintDevice& device, const QRect& printRect);
    virtual void drawWrapMark(QPainter& dc, int x, int y);
    virtual int getLineNumberWidth();
    // Called after a double click selected a word.
    virtual void onWordDoubleClick(int32_t line, const char* lineText, int32_t column, int32_t selectedLength);

    // The device's text output: text at (x, y), the top of its line, in the
    // painter's font, pen and background.
    virtual void textOut(CSourceDrawState& state, int x, int y, const char* text, int length);
    // Whether a modifier key is held: Shift extends, Control moves by words,
    // Alt makes a block. The window layer answers for the event it handles.
    virtual bool isModifierDown(Qt::KeyboardModifier modifier);
    // Where the mouse pointer is, in window pixels.
    virtual QPoint pointerPosition();

    // Columns and pixels.
    int32_t textToDisplay(int32_t column, int32_t line) override;
    int32_t displayToText(int32_t column, int32_t line) override;
    QPoint positionToPoint(int32_t displayColumn, int32_t line);
    // Display column and line under a point, each at least 0.
    CSourcePosition pointToPosition(int x, int y);
    QPoint caretPoint();
    void ensureCaretVisible();
    int marginOffset();
    int marginWidth();
    void moveCaretBy(int32_t columns, int32_t lines, bool keepDisplayColumn);

    // The selection.
    bool hasSelection() const { return selEnd.column >= 0; }
    void setSelectionPoint(int32_t column, int32_t line);
    void extendSelection(int32_t column, int32_t line);
    void clearSelection();
    // Whether the position lies in the selection; before tells whether it
    // lies before it when it does not.
    bool isInSelection(const CSourcePosition& position, const CSourcePosition& start, const CSourcePosition& end,
                       bool block, bool* before = nullptr);
    void onDocumentChanged(const CSourceHint& hint);

    // Keys, mouse and focus.
    void onKeyDown(int key);
    void onChar(int code);
    void onLButtonDown(int x, int y);
    void onLButtonUp();
    void onMouseMove(int x, int y);
    void onLButtonDblClk(int x, int y);
    void onTimer();
    void onSetFocus();
    void onKillFocus();
    void updateCaretVisibility();

    // Editing.
    int cut();
    int copy();
    int paste();
    void selectWord();
    void wordLeft();
    void wordRight();
    void indentLines();
    void unindentLines();
    void indentBlock();
    void unindentBlock();
    // The leading blanks and tabs of a line (tabs as blanks with the option
    // 0x02); empty when it has none.
    gstr getLeadingBlanks(int32_t line);
    // The selected text as the clipboard takes it; empty without a
    // selection.
    gstr selectedText();

    // Printing.
    // The printable rectangle for the margins (inches); 0 when the margins
    // leave none or fall into the unprintable border.
    int getPrintArea(const CSourcePrintDevice& device, double left, double right, double top, double bottom,
                     QRect& area);
    // Lays out (and with dc draws) one page; non-zero when more follow.
    // The printer metrics come from beginPrinting.
    int printPage(int page, QPainter* dc, const CSourcePrintDevice& geometry, const QRect& printRect,
                  int selectionOnly);
    // Reads the printer metrics from the default style's print font.
    void beginPrinting(QPaintDevice& device);

    // The caret the window paints last.
    const sourceCaret& caretShape() const { return caretShape_; }
    void paintCaret(QPainter& painter) const;
    // Puts the caret where the caret position now shows (after a scroll).
    void placeCaret() { caretShape_.setPosition(caretPoint()); }

    int charWidth = 0;
    int lineHeight = 0;
    int printCharWidth = 0;
    int printLineHeight = 0;
    int visibleColumns = 0;
    int visibleLines = 0;
    // The view has the keyboard focus and a caret.
    int hasKeyboardFocus = 0;
    int blockSelection = 0;
    int marginColumns = 4;
    CSourcePosition caret;
    CSourcePosition anchor;
    CSourcePosition selStart{-1, -1};
    CSourcePosition selEnd{-1, -1};
    int caretWidth = 2;
    int caretHeight = 0;
    int dragging = 0;
    int timerId = 0;
    int caretHiddenInMargin = 0;
    int lineSelectMode = 0;

protected:
    // Draws a run of a line's text in its token's colours (the print colours
    // when printing), switching to the selection's colours inside it.
    void drawRun(CSourceDrawState& state, const char* text, int length, int kind);
    QFont styleFont(const CSourceTokenStyle* style, bool printing);
    void invalidateLines(int32_t first, int32_t last);
    // Executes the record; a refusal is reported with the operation.
    bool execute(std::unique_ptr<CSourceUndoRecord> record, int operation);

private:
    struct runColours;
    runColours coloursFor(const CSourceTokenStyle* style, const CSourceDrawState& state);
    void outputRun(CSourceDrawState& state, const char* text, int length, bool selected, const runColours& colours);
    void fillPast(CSourceDrawState& state, int fromX, int toX, const QColor& colour);
    void deleteSelection(int operation);
    void backspace();
    void typeText(const gstr& text);
    void selectLines(int32_t first, int32_t last);
    void reselectBlock(const CSourcePosition& start, const CSourcePosition& end, int32_t shift);
    void lineBreak();
    bool copyText(const gstr& text, bool block);
    CSourcePosition mousePosition(int x, int y, bool round);
    int32_t lastLineIndex();
    int32_t printLine(CSourceDrawState& state, int32_t line, int32_t offset, bool draw, int linesPerPage,
                      int& printed);

    QWidget* caretWindow_ = nullptr;
    sourceCaret caretShape_{caretWindow_};
    QTimer autoScroll_;
    QFont printFont_;
};

// The private clipboard format of block text: its presence makes a paste
// insert the lines as a block at one display column.
extern const char* const sourceViewColTextFormat;
