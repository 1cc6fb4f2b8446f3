// The view engine: columns and pixels, the caret, the selection and the
// document's change notifications.
#include "sourceedit/ui/CSourceView.h"

#include "foundation/charClasses.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/CSourceTokenStyle.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

const char* const sourceViewColTextFormat = "application/x-SourceViewColText";

namespace {

// Integer division that rounds towards minus infinity, so that a point above
// or left of the window lies on the line or column before the first.
int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

} // namespace

CSourceView::CSourceView()
{
    autoScroll_.setInterval(100);
    QObject::connect(&autoScroll_, &QTimer::timeout, [this] { onTimer(); });
}

CSourceView::~CSourceView() = default;

int CSourceView::isOptionSet(unsigned bits) { return sourceEditorOptionSet(bits); }

int CSourceView::getTabWidth() { return sourceEditorTabWidth(); }

const CSourceTokenStyle* CSourceView::getTokenStyle(int kind)
{
    return kind < 0 ? nullptr : &sourceBaseTokenStyle(kind);
}

const CSourceTokenStyle& CSourceView::getDefaultStyle() { return sourceBaseDefaultStyle(); }

uint32_t CSourceView::getBackgroundBrush() { return sourceEditorBackground; }

int CSourceView::isWordChar(char c) { return charClass::isAlnum(c) || c == '_'; }

void CSourceView::onWordDoubleClick(int32_t, const char*, int32_t, int32_t) {}

bool CSourceView::isModifierDown(Qt::KeyboardModifier modifier)
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(modifier);
}

QPoint CSourceView::pointerPosition()
{
    QWidget* window = getWindow();
    return window ? window->mapFromGlobal(QCursor::pos()) : QPoint();
}

int32_t CSourceView::lastLineIndex()
{
    CSourceDoc* doc = getDocument();
    return doc ? doc->lastLine() : 0;
}

// --- columns and pixels ---

int32_t CSourceView::textToDisplay(int32_t column, int32_t line)
{
    CSourceDoc* doc = getDocument();
    if (!doc || !doc->lineExists(line))
        return std::max(column, 0);
    return textToDisplayColumn(doc->lineText(line), doc->getLineLength(line), getTabWidth(), column);
}

int32_t CSourceView::displayToText(int32_t column, int32_t line)
{
    CSourceDoc* doc = getDocument();
    if (!doc || !doc->lineExists(line))
        return std::max(column, 0);
    return displayToTextColumn(doc->lineText(line), doc->getLineLength(line), getTabWidth(), column);
}

QPoint CSourceView::positionToPoint(int32_t displayColumn, int32_t line)
{
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    int margin = isOptionSet(sourceOptionMargin) ? marginColumns : 0;
    return {charWidth * (displayColumn + margin - firstColumn), lineHeight * (line - firstLine)};
}

CSourcePosition CSourceView::pointToPosition(int x, int y)
{
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    int margin = isOptionSet(sourceOptionMargin) ? marginColumns : 0;
    int32_t column = floorDiv(x, std::max(charWidth, 1)) + firstColumn - margin;
    int32_t line = floorDiv(y, std::max(lineHeight, 1)) + firstLine;
    return {std::max(column, 0), std::max(line, 0)};
}

QPoint CSourceView::caretPoint() { return positionToPoint(textToDisplay(caret.column, caret.line), caret.line); }

int CSourceView::marginOffset()
{
    if (!isOptionSet(sourceOptionMargin))
        return 0;
    int width = marginColumns * charWidth;
    if (isOptionSet(sourceOptionFixedMargin))
        return width;
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    return width - firstColumn * charWidth;
}

int CSourceView::marginWidth() { return std::max(marginOffset(), 0); }

void CSourceView::ensureCaretVisible()
{
    QWidget* window = getWindow();
    if (!window || charWidth <= 0 || lineHeight <= 0)
        return;
    QPoint at = caretPoint();
    int width = window->width();
    int height = window->height();
    int limit = isOptionSet(sourceOptionMargin) && isOptionSet(sourceOptionFixedMargin) ? marginWidth() : 0;
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    int dx = 0;
    if (at.x() < limit)
        dx = std::min(-5 * charWidth, at.x() - limit);
    else if (at.x() > width - charWidth)
        dx = at.x() + 5 * charWidth - width;
    if (caret.column == 0 && firstColumn > 0)
        dx = -firstColumn * charWidth;
    int dy = 0;
    if (at.y() < 0)
        dy = at.y();
    else if (at.y() > height - lineHeight)
        dy = 2 * lineHeight + at.y() - height;
    int32_t column = std::max(firstColumn + dx / charWidth, 0);
    int32_t line = std::max(firstLine + dy / lineHeight, 0);
    if (column == firstColumn && line == firstLine) {
        caretShape_.setPosition(at);
        return;
    }
    if (column < marginColumns)
        column = 0;
    caretShape_.hide();
    scrollTo(column, line);
    caretShape_.setPosition(caretPoint());
    caretShape_.show();
}

void CSourceView::paintCaret(QPainter& painter) const { caretShape_.paint(painter); }

// --- the caret and the selection ---

void CSourceView::setCaretPosition(int32_t column, int32_t line)
{
    caret = {std::max(column, 0), std::clamp(line, 0, lastLineIndex())};
}

void CSourceView::moveCaret(int32_t column, int32_t line, int noExtend)
{
    setCaretPosition(column, line);
    bool extend = (isModifierDown(Qt::ShiftModifier) || dragging) && caret != anchor && !noExtend;
    if (extend) {
        extendSelection(caret.column, caret.line);
        ensureCaretVisible();
        return;
    }
    if (hasSelection() || blockSelection)
        clearSelection();
    anchor = selStart = caret;
    ensureCaretVisible();
}

void CSourceView::moveCaretBy(int32_t columns, int32_t lines, bool keepDisplayColumn)
{
    if (lines != 0 && keepDisplayColumn) {
        int32_t display = textToDisplay(caret.column, caret.line);
        int32_t line = std::clamp(caret.line + lines, 0, lastLineIndex());
        moveCaret(displayToText(display, line), line, 0);
        return;
    }
    moveCaret(std::max(caret.column + columns, 0), std::max(caret.line + lines, 0), 0);
}

void CSourceView::invalidateLines(int32_t first, int32_t last)
{
    QWidget* window = getWindow();
    if (!window || lineHeight <= 0)
        return;
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    int top = std::max((first - firstLine) * lineHeight, 0);
    int bottom = std::min((last - firstLine + 1) * lineHeight, window->height());
    int left = isOptionSet(sourceOptionMargin) && isOptionSet(sourceOptionFixedMargin) ? marginWidth() : 0;
    if (bottom > top)
        window->update(QRect(left, top, window->width() - left, bottom - top));
}

void CSourceView::setSelectionPoint(int32_t column, int32_t line) { anchor = selStart = selEnd = {column, line}; }

void CSourceView::extendSelection(int32_t column, int32_t line)
{
    CSourcePosition oldStart = hasSelection() ? selStart : anchor;
    CSourcePosition oldEnd = hasSelection() ? selEnd : anchor;
    CSourcePosition to{std::max(column, 0), std::max(line, 0)};
    if (isBefore(anchor, to)) {
        selStart = anchor;
        selEnd = to;
    } else {
        selStart = to;
        selEnd = anchor;
    }
    if (blockSelection) {
        invalidateLines(std::min(oldStart.line, selStart.line), std::max(oldEnd.line, selEnd.line));
        return;
    }
    if (oldStart != selStart)
        invalidateLines(std::min(oldStart.line, selStart.line), std::max(oldStart.line, selStart.line));
    if (oldEnd != selEnd)
        invalidateLines(std::min(oldEnd.line, selEnd.line), std::max(oldEnd.line, selEnd.line));
}

void CSourceView::clearSelection()
{
    selEnd = {-1, -1};
    blockSelection = 0;
    if (QWidget* window = getWindow())
        window->update();
}

bool CSourceView::isInSelection(const CSourcePosition& position, const CSourcePosition& start,
                                const CSourcePosition& end, bool block, bool* before)
{
    bool earlier;
    bool inside;
    if (block) {
        int32_t a = textToDisplay(start.column, start.line);
        int32_t b = textToDisplay(end.column, end.line);
        int32_t display = textToDisplay(position.column, position.line);
        if (position.line != std::clamp(position.line, std::min(start.line, end.line), std::max(start.line, end.line))) {
            inside = false;
            earlier = position.line < std::min(start.line, end.line);
        } else {
            inside = display >= std::min(a, b) && display < std::max(a, b);
            earlier = display < std::min(a, b);
        }
    } else {
        inside = !isBefore(position, start) && isBefore(position, end);
        earlier = isBefore(position, start);
    }
    if (before)
        *before = !inside && earlier;
    return inside;
}

// --- change notifications ---

void CSourceView::onDocumentChanged(const CSourceHint& hint)
{
    QWidget* window = getWindow();
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    if (hint.flags & CSourceHint::linesChanged)
        updateScrollRanges();
    if ((hint.flags & CSourceHint::redrawLines) && window && lineHeight > 0) {
        int top = std::max((hint.firstLine - firstLine) * lineHeight, 0);
        int bottom = std::min((hint.lastLine - firstLine + 1) * lineHeight, window->height());
        if (hint.flags & CSourceHint::linesChanged)
            bottom = window->height();
        if (bottom > top)
            window->update(QRect(0, top, window->width(), bottom - top));
    }
    if (hint.flags & CSourceHint::redrawToEnd) {
        if (window)
            window->update();
        CSourceDoc* doc = getDocument();
        scrollTo(firstColumn, doc ? doc->getLineCount() : 0);
    }
    if (hint.flags & CSourceHint::selectRange) {
        setSelectionPoint(hint.caret.column, hint.caret.line);
        extendSelection(hint.rangeEnd.column, hint.rangeEnd.line);
    }
    if ((hint.flags & CSourceHint::moveCaret) && hasKeyboardFocus)
        moveCaret(hint.caret.column, hint.caret.line, 1);
    if ((hint.flags & CSourceHint::redrawAll) && window)
        window->update();
    if (hint.flags & CSourceHint::textInserted)
        adjustPositions(1, hint.rangeStart, hint.rangeEnd);
    if (hint.flags & CSourceHint::textDeleted)
        adjustPositions(0, hint.rangeStart, hint.rangeEnd);
}

// Another view's edit: the caret and selection stay at the same text.
void CSourceView::adjustPositions(int inserted, const CSourcePosition& start, const CSourcePosition& end)
{
    if (hasKeyboardFocus)
        return;
    auto adjust = [&](const CSourcePosition& p) {
        return inserted ? adjustForInsertion(p, start, end) : adjustForDeletion(p, start, end);
    };
    CSourcePosition moved = adjust(caret);
    setCaretPosition(moved.column, moved.line);
    if (!hasSelection()) {
        selStart = caret;
        return;
    }
    CSourcePosition newStart = adjust(selStart);
    CSourcePosition newEnd = adjust(selEnd);
    bool changed = newStart != selStart || newEnd != selEnd;
    selStart = newStart;
    selEnd = newEnd;
    if (selStart == selEnd)
        clearSelection();
    else if (changed && getWindow())
        getWindow()->update();
}

void CSourceView::recalcMetrics()
{
    QWidget* window = getWindow();
    caretWindow_ = window;
    QFont font;
    if (!getDefaultStyle().getFont(font, 0))
        font = QFont();
    QFontMetrics metrics(font, window);
    charWidth = std::max(metrics.horizontalAdvance(QLatin1Char('x')), 1);
    lineHeight = std::max(metrics.height() + std::max(metrics.leading(), 0), 1);
    updateScrollRanges();
    caretWidth = std::max(charWidth / 4, 2);
    caretHeight = lineHeight;
    if (hasKeyboardFocus) {
        caretShape_.create(caretWidth, caretHeight);
        caretShape_.setPosition(caretPoint());
        if (!caretHiddenInMargin)
            caretShape_.show();
    }
    moveCaretBy(0, 0, false);
}

int CSourceView::command(int number)
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return 0;
    switch (number) {
    case commandLineStart: moveCaret(0, caret.line, 0); return 1;
    case commandDocumentStart: moveCaret(0, 0, 0); return 1;
    case commandLineEnd: moveCaret(doc->getLineLength(caret.line), caret.line, 0); return 1;
    case commandDocumentEnd: moveCaret(doc->getLineLength(doc->lastLine()), doc->lastLine(), 0); return 1;
    case commandCut: return cut();
    case commandPaste: return paste();
    case commandCopy: return copy();
    default: return 0;
    }
}

bool CSourceView::execute(std::unique_ptr<CSourceUndoRecord> record, int operation)
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return false;
    if (doc->execute(std::move(record)))
        return true;
    reportError(operation, doc->error, viewErrorNone);
    return false;
}
