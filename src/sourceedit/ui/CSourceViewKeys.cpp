// Keys: caret movement, typing, line breaks, Backspace and Delete, and the
// indenting of selected lines and blocks.
#include "sourceedit/ui/CSourceView.h"

#include "foundation/charClasses.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceUndoColumn.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/sourceEditorSettings.h"

#include <QWidget>
#include <algorithm>

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

} // namespace

void CSourceView::onKeyDown(int key)
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return;
    bool control = isModifierDown(Qt::ControlModifier);
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    switch (key) {
    case keyEscape:
        if (hasSelection())
            clearSelection();
        selStart = anchor = caret;
        break;
    case keyPageUp:
        scrollTo(firstColumn, std::max(firstLine - visibleLines, 0));
        moveCaretBy(0, -visibleLines, true);
        break;
    case keyPageDown:
        scrollTo(firstColumn, firstLine + visibleLines);
        moveCaretBy(0, visibleLines, true);
        break;
    case keyEnd: command(control ? commandDocumentEnd : commandLineEnd); break;
    case keyHome: command(control ? commandDocumentStart : commandLineStart); break;
    case keyLeft:
        if (control) {
            wordLeft();
        } else if (caret.column == 0 && caret.line > 0) {
            moveCaret(doc->getLineLength(caret.line - 1), caret.line - 1, 0);
            updateCaretVisibility();
        } else {
            moveCaretBy(-1, 0, false);
        }
        break;
    case keyUp: moveCaretBy(0, -1, true); break;
    case keyRight:
        if (control)
            wordRight();
        else
            moveCaretBy(1, 0, false);
        break;
    case keyDown: moveCaretBy(0, 1, true); break;
    case keyInsert: sourceEditorOverwrite = !sourceEditorOverwrite; break;
    case keyDelete:
        if (hasSelection()) {
            deleteSelection(opEditing);
        } else {
            auto forward = std::make_unique<CSourceUndoDelete>(caret.column, caret.line, caret.column + 1, caret.line);
            forward->undoCaretAtStart = 1;
            execute(std::move(forward), opEditing);
        }
        break;
    default: break;
    }
}

// Deletes the selection as a block or a stream and drops it.
void CSourceView::deleteSelection(int operation)
{
    std::unique_ptr<CSourceUndoRecord> record;
    if (blockSelection)
        record = std::make_unique<CSourceUndoColumnDelete>(this, selStart.column, selStart.line, selEnd.column,
                                                           selEnd.line);
    else
        record = std::make_unique<CSourceUndoDelete>(selStart.column, selStart.line, selEnd.column, selEnd.line);
    if (execute(std::move(record), operation)) {
        clearSelection();
        selStart = anchor = caret;
    }
}

void CSourceView::onChar(int code)
{
    CSourceDoc* doc = getDocument();
    if (!doc)
        return;
    code &= 0xFF;
    if (code == '\b') {
        backspace();
    } else if (code == '\t') {
        if (hasSelection() && selStart.line != selEnd.line) {
            bool shift = isModifierDown(Qt::ShiftModifier);
            if (blockSelection)
                shift ? unindentBlock() : indentBlock();
            else
                shift ? unindentLines() : indentLines();
            return;
        }
        int32_t length = doc->getLineLength(caret.line);
        int tabWidth = getTabWidth();
        if (sourceEditorOverwrite && caret.column < length)
            moveCaret(std::min(caret.column + tabWidth - caret.column % tabWidth, length), caret.line, 0);
        else
            typeText(isOptionSet(sourceOptionTabBlanks) ? gstr(std::string(size_t(tabWidth), ' ').c_str()) : gstr("\t"));
    } else if (code == '\r') {
        lineBreak();
    } else if (code >= 0x20) {
        char c = static_cast<char>(code);
        typeText(gstr(gstrSlice(&c, 1)));
    } else {
        return;
    }
    if (hasSelection())
        clearSelection();
    selStart = anchor = caret;
}

void CSourceView::backspace()
{
    CSourceDoc* doc = getDocument();
    if (hasSelection()) {
        deleteSelection(opEditing);
        return;
    }
    if (caret.column > doc->getLineLength(caret.line)) {
        moveCaretBy(-1, 0, false);
    } else if (caret.column > 0) {
        execute(std::make_unique<CSourceUndoDelete>(caret.column - 1, caret.line, caret.column, caret.line), opEditing);
    } else if (caret.line > 0) {
        int32_t previous = caret.line - 1;
        execute(std::make_unique<CSourceUndoDelete>(doc->getLineLength(previous), previous, 0, caret.line), opEditing);
    }
}

// A single character at the caret in the current mode; blanks, or anything
// over a selection, as an insertion that replaces the selected range.
void CSourceView::typeText(const gstr& text)
{
    if (QWidget* window = getWindow())
        window->setCursor(Qt::BlankCursor);
    if (!hasSelection() && text.length() == 1) {
        execute(std::make_unique<CSourceUndoChar>(caret.column, caret.line, text[0], sourceEditorOverwrite), opEditing);
        return;
    }
    auto insert = std::make_unique<CSourceUndoInsert>(selStart.column, selStart.line, text);
    if (hasSelection())
        insert->setReplaceRange(selEnd);
    execute(std::move(insert), opEditing);
}

// Return: a line break, then the previous line's indentation as a second
// record; in overwrite mode above the last line only a move to the next line.
void CSourceView::lineBreak()
{
    CSourceDoc* doc = getDocument();
    if (sourceEditorOverwrite && caret.line < doc->lastLine()) {
        moveCaret(0, caret.line + 1, 0);
        return;
    }
    int32_t line = caret.line;
    if (!execute(std::make_unique<CSourceUndoChar>(caret.column, line, '\n', 0), opEditing))
        return;
    if (!hasKeyboardFocus)
        setCaretPosition(0, line + 1);
    if (!isOptionSet(sourceOptionAutoIndent))
        return;
    gstr blanks = getLeadingBlanks(line);
    if (!blanks.isEmpty())
        execute(std::make_unique<CSourceUndoInsert>(0, line + 1, blanks), opEditing);
    if (!hasKeyboardFocus)
        setCaretPosition(blanks.length(), line + 1);
}

gstr CSourceView::getLeadingBlanks(int32_t line)
{
    CSourceDoc* doc = getDocument();
    gstr blanks("");
    if (!doc)
        return blanks;
    const char* text = doc->lineText(line);
    bool tabsAsBlanks = isOptionSet(sourceOptionTabBlanks);
    for (int32_t i = 0; i < doc->getLineLength(line) && isBlankOrTab(text[i]); ++i) {
        if (text[i] == '\t' && tabsAsBlanks)
            blanks.append(std::string(size_t(getTabWidth()), ' ').c_str());
        else
            blanks.append(text[i]);
    }
    return blanks;
}

void CSourceView::wordLeft()
{
    CSourceDoc* doc = getDocument();
    int32_t line = caret.line;
    if (!doc || !doc->lineExists(line))
        return;
    int32_t column = std::min(caret.column, doc->getLineLength(line));
    if (column == 0) {
        if (line == 0)
            return;
        --line;
        column = doc->getLineLength(line);
    }
    const char* text = doc->lineText(line);
    while (column > 0 && charClass::isWhite(text[column - 1]))
        --column;
    if (column > 0 && isWordChar(text[column - 1])) {
        while (column > 0 && isWordChar(text[column - 1]))
            --column;
    } else {
        while (column > 0 && !isWordChar(text[column - 1]) && !charClass::isWhite(text[column - 1]))
            --column;
    }
    moveCaret(column, line, 0);
}

void CSourceView::wordRight()
{
    CSourceDoc* doc = getDocument();
    int32_t line = caret.line;
    if (!doc || !doc->lineExists(line))
        return;
    int32_t column = caret.column;
    int32_t length = doc->getLineLength(line);
    if (column >= length) {
        if (line >= doc->lastLine())
            return;
        ++line;
        column = 0;
        const char* next = doc->lineText(line);
        while (column < doc->getLineLength(line) && charClass::isWhite(next[column]))
            ++column;
        moveCaret(column, line, 0);
        return;
    }
    const char* text = doc->lineText(line);
    if (isWordChar(text[column])) {
        while (column < length && isWordChar(text[column]))
            ++column;
    } else if (!charClass::isWhite(text[column])) {
        while (column < length && !isWordChar(text[column]) && !charClass::isWhite(text[column]))
            ++column;
    }
    while (column < length && charClass::isWhite(text[column]))
        ++column;
    moveCaret(column, line, 0);
}

// The whole lines from first to last selected, the caret at the end.
void CSourceView::selectLines(int32_t first, int32_t last)
{
    CSourceDoc* doc = getDocument();
    anchor = selStart = {0, first};
    selEnd = {doc->getLineLength(last), last};
    caret = selEnd;
    if (QWidget* window = getWindow())
        window->update();
    ensureCaretVisible();
}

void CSourceView::indentLines()
{
    int32_t first = selStart.line;
    int32_t last = selEnd.line;
    auto group = std::make_unique<CSourceUndoGroup>();
    for (int32_t line = first; line <= last; ++line)
        group->records.push_back(std::make_unique<CSourceUndoChar>(0, line, '\t', 0));
    if (execute(std::move(group), opEditing))
        selectLines(first, last);
}

void CSourceView::unindentLines()
{
    CSourceDoc* doc = getDocument();
    int32_t first = selStart.line;
    int32_t last = selEnd.line;
    auto group = std::make_unique<CSourceUndoGroup>();
    for (int32_t line = first; line <= last; ++line) {
        if (doc->getLineLength(line) > 0 && isBlankOrTab(doc->lineText(line)[0]))
            group->records.push_back(std::make_unique<CSourceUndoDelete>(0, line, 1, line));
    }
    if (group->records.empty() || execute(std::move(group), opEditing))
        selectLines(first, last);
}

// The block again, each corner moved by one text column (the records' own
// notifications dropped it meanwhile).
void CSourceView::reselectBlock(const CSourcePosition& start, const CSourcePosition& end, int32_t shift)
{
    anchor = selStart = {start.column + shift, start.line};
    selEnd = {end.column + shift, end.line};
    blockSelection = 1;
    caret = selEnd;
    if (QWidget* window = getWindow())
        window->update();
    ensureCaretVisible();
}

void CSourceView::indentBlock()
{
    CSourcePosition start = selStart;
    CSourcePosition end = selEnd;
    int32_t left = std::min(textToDisplay(start.column, start.line), textToDisplay(end.column, end.line));
    auto group = std::make_unique<CSourceUndoGroup>();
    for (int32_t line = start.line; line <= end.line; ++line)
        group->records.push_back(std::make_unique<CSourceUndoChar>(displayToText(left, line), line, '\t', 0));
    if (execute(std::move(group), opEditing))
        reselectBlock(start, end, 1);
}

// Only when the same blank or tab stands just left of the block on every
// line.
void CSourceView::unindentBlock()
{
    CSourceDoc* doc = getDocument();
    if (selStart.column == 0)
        return;
    int32_t left = textToDisplay(selStart.column, selStart.line);
    char common = 0;
    auto group = std::make_unique<CSourceUndoGroup>();
    for (int32_t line = selStart.line; line <= selEnd.line; ++line) {
        int32_t column = std::max(displayToText(left, line) - 1, 0);
        if (column >= doc->getLineLength(line))
            return;
        char c = doc->lineText(line)[column];
        if (!isBlankOrTab(c) || (common != 0 && c != common))
            return;
        common = c;
        group->records.push_back(std::make_unique<CSourceUndoDelete>(column, line, column + 1, line));
    }
    CSourcePosition start = selStart;
    CSourcePosition end = selEnd;
    if (execute(std::move(group), opEditing))
        reselectBlock(start, end, -1);
}
