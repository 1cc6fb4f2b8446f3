// Mouse, focus and the clipboard.
#include "sourceedit/ui/CSourceView.h"

#include "platform/textCodec.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceUndoColumn.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/sourceEditorSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>
#include <algorithm>

// The text position under a point; round puts a click on the right half of a
// character after it.
CSourcePosition CSourceView::mousePosition(int x, int y, bool round)
{
    CSourcePosition at = pointToPosition(x + (round ? charWidth / 2 : 0), y);
    return {displayToText(at.column, at.line), at.line};
}

void CSourceView::onLButtonDown(int x, int y)
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return;
    CSourcePosition at = mousePosition(x, y, true);
    if (x < marginOffset()) {
        lineSelectMode = 1;
        if (hasSelection())
            clearSelection();
        int32_t line = std::min(at.line, doc->lastLine());
        CSourcePosition end = line < doc->lastLine() ? CSourcePosition{0, line + 1}
                                                     : CSourcePosition{doc->getLineLength(line), line};
        setSelectionPoint(0, line);
        extendSelection(end.column, end.line);
        setCaretPosition(end.column, end.line);
        ensureCaretVisible();
    } else {
        lineSelectMode = 0;
        moveCaret(at.column, at.line, 0);
    }
    dragging = 1;
    autoScroll_.start();
    timerId = 1;
    updateCaretVisibility();
    if (!lineSelectMode && isModifierDown(Qt::AltModifier))
        blockSelection = 1;
}

void CSourceView::onMouseMove(int x, int y)
{
    QWidget* window = getWindow();
    CSourceDoc* doc = getDocument();
    if (!window || !doc)
        return;
    bool inMargin = x < marginOffset();
    bool overSelection = !dragging && hasSelection()
                      && isInSelection(mousePosition(x, y, false), selStart, selEnd, blockSelection != 0);
    window->setCursor(inMargin || overSelection ? Qt::ArrowCursor : Qt::IBeamCursor);
    if (!inMargin)
        lineSelectMode = 0;
    if (!dragging || !window->rect().contains(x, y))
        return;
    CSourcePosition at = mousePosition(x, y, true);
    if (lineSelectMode) {
        int32_t line = std::min(at.line, doc->lastLine());
        at = line < doc->lastLine() ? CSourcePosition{0, line + 1} : CSourcePosition{doc->getLineLength(line), line};
    }
    CSourcePosition before = caret;
    moveCaret(at.column, at.line, 0);
    if (!hasSelection() && caret != before)
        extendSelection(caret.column, caret.line);
}

void CSourceView::onLButtonUp()
{
    dragging = 0;
    autoScroll_.stop();
    timerId = 0;
}

// While dragging outside the window the caret follows the pointer, and the
// view scrolls towards it.
void CSourceView::onTimer()
{
    QWidget* window = getWindow();
    if (!window || !hasSelection())
        return;
    QPoint pointer = pointerPosition();
    if (window->rect().contains(pointer))
        return;
    CSourcePosition at = mousePosition(pointer.x(), pointer.y(), false);
    moveCaret(at.column, at.line, 0);
}

void CSourceView::onLButtonDblClk(int x, int y)
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return;
    if (x < marginOffset()) {
        if (hasSelection())
            clearSelection();
        return;
    }
    selectWord();
    CSourcePosition at = mousePosition(x, y, false);
    int32_t length = hasSelection() ? selEnd.column - selStart.column : 0;
    onWordDoubleClick(at.line, doc->lineText(at.line), at.column, length);
}

void CSourceView::selectWord()
{
    CSourceDoc* doc = getDocument();
    if (!doc || !doc->lineExists(caret.line))
        return;
    int32_t length = doc->getLineLength(caret.line);
    const char* text = doc->lineText(caret.line);
    if (caret.column >= length || text[caret.column] == ' ' || text[caret.column] == '\t')
        return;
    int32_t start = caret.column;
    int32_t end = caret.column + 1;
    if (isWordChar(text[caret.column])) {
        while (start > 0 && isWordChar(text[start - 1]))
            --start;
        while (end < length && isWordChar(text[end]))
            ++end;
    }
    setSelectionPoint(start, caret.line);
    extendSelection(end, caret.line);
    setCaretPosition(end, caret.line);
    ensureCaretVisible();
}

void CSourceView::onSetFocus()
{
    CSourceDoc* doc = getDocument();
    hasKeyboardFocus = 1;
    caretWindow_ = getWindow();
    if (doc) {
        CSourcePosition end{doc->getLineLength(doc->lastLine()), doc->lastLine()};
        if (caret.line > end.line)
            caret = end;
        if (hasSelection() && !isBefore(selStart, end))
            clearSelection();
        else if (hasSelection() && isBefore(end, selEnd))
            selEnd = end;
    }
    caretShape_.create(caretWidth, caretHeight);
    caretShape_.setPosition(caretPoint());
    if (!caretHiddenInMargin)
        caretShape_.show();
}

void CSourceView::onKillFocus()
{
    hasKeyboardFocus = 0;
    caretShape_.destroy();
}

// With a fixed margin the caret hides while the text under the margin holds
// it.
void CSourceView::updateCaretVisibility()
{
    if (!hasKeyboardFocus || !isOptionSet(sourceOptionMargin) || !isOptionSet(sourceOptionFixedMargin))
        return;
    QPoint at = caretPoint();
    caretShape_.setPosition(at);
    bool underMargin = at.x() < marginWidth();
    if (underMargin && !caretHiddenInMargin) {
        caretShape_.hide();
        caretHiddenInMargin = 1;
    } else if (!underMargin && caretHiddenInMargin) {
        caretShape_.show();
        caretHiddenInMargin = 0;
    }
}

// --- the clipboard ---

gstr CSourceView::selectedText()
{
    CSourceDoc* doc = getDocument();
    if (!doc || !hasSelection())
        return gstr("");
    if (blockSelection)
        return getColumnText(*doc, *this, selStart, selEnd);
    return doc->getText(selStart, selEnd);
}

// Plain text for everyone; a block also under the private format.
bool CSourceView::copyText(const gstr& text, bool block)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    auto* data = new QMimeData;
    data->setText(toUiText(text));
    if (block)
        data->setData(sourceViewColTextFormat, QByteArray(text.data(), text.length()));
    clipboard->setMimeData(data);
    return true;
}

int CSourceView::copy()
{
    if (!hasSelection()) {
        reportError(opCopy, 0, viewErrorNoSelection);
        return 0;
    }
    if (!copyText(selectedText(), blockSelection != 0)) {
        reportError(opCopy, 0, viewErrorClipboard);
        return 0;
    }
    return 1;
}

int CSourceView::cut()
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return 0;
    if (!hasSelection()) {
        reportError(opCut, 0, viewErrorNoSelection);
        return 0;
    }
    if (!copy())
        return 0;
    std::unique_ptr<CSourceUndoRecord> record;
    if (blockSelection)
        record = std::make_unique<CSourceUndoColumnDelete>(this, selStart.column, selStart.line, selEnd.column,
                                                           selEnd.line);
    else
        record = std::make_unique<CSourceUndoDelete>(selStart.column, selStart.line, selEnd.column, selEnd.line);
    if (!execute(std::move(record), opCut))
        return 0;
    clearSelection();
    selStart = anchor = caret;
    return 1;
}

int CSourceView::paste()
{
    CSourceDoc* doc = getDocument();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!doc || !data || !data->hasText()) {
        reportError(opPaste, 0, viewErrorClipboard);
        return 0;
    }
    gstr text = fromUiText(data->text());
    bool selection = hasSelection();
    CSourcePosition at = selection ? selStart : caret;
    std::unique_ptr<CSourceUndoRecord> record;
    if (data->hasFormat(sourceViewColTextFormat)) {
        auto block = std::make_unique<CSourceUndoColumnInsert>(this, at.column, at.line, text);
        if (selection)
            block->setReplaceRange(selEnd);
        record = std::move(block);
    } else {
        auto stream = std::make_unique<CSourceUndoInsert>(at.column, at.line, text);
        if (selection)
            stream->setReplaceRange(selEnd);
        record = std::move(stream);
    }
    if (!execute(std::move(record), opPaste))
        return 0;
    if (selection)
        clearSelection();
    selStart = anchor = caret;
    return 1;
}
