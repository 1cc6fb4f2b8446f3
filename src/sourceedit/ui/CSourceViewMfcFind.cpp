// Find, Replace, Replace All, Find Again and Go To Line.
#include "sourceedit/ui/CSourceViewMfc.h"

#include "platform/modalRun.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/CSourceUndoReplaceAll.h"
#include "sourceedit/ui/CFindReplaceDialog.h"
#include "sourceedit/ui/CGoToLineDialog.h"
#include "sourceedit/ui/CSourceDocMfc.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The search every source view shares: the last text (at most 120
// characters), its direction and options, and the one open dialog.
struct findState {
    static constexpr int32_t maxText = 120;
    gstr text{""};
    int backward = 0;
    int matchCase = 0;
    int wholeWord = 0;
    QPointer<CFindReplaceDialog> dialog;
};

findState& sharedFind()
{
    static findState state;
    return state;
}

gstr limited(const gstr& text)
{
    return gstr(gstrSlice(text.data(), std::min(text.length(), findState::maxText)));
}

} // namespace

CFindReplaceDialog* CSourceViewMfc::findDialog() { return sharedFind().dialog.data(); }

gstr CSourceViewMfc::lastSearchText() { return sharedFind().text; }

void CSourceViewMfc::openFindDialog(bool replace)
{
    findState& find = sharedFind();
    if (CFindReplaceDialog* open = find.dialog.data()) {
        if (open->isReplace() == replace) {
            open->show();
            open->raise();
            open->activateWindow();
            return;
        }
        open->sendCommand(IDCANCEL);
    }
    gstr initial = hasSelection() && selStart.line == selEnd.line ? document_->getText(selStart, selEnd) : gstr("");
    if (initial.isEmpty())
        initial = find.text;
    auto* dialog = new CFindReplaceDialog(replace, initial, !find.backward, find.matchCase != 0, this,
                                          [this](CFindReplaceDialog& d, CFindReplaceDialog::notification n) {
                                              onFindNotification(d, n);
                                          });
    dialog->createModeless();
    dialog->activateWindow();
    find.dialog = dialog;
}

void CSourceViewMfc::onFindNotification(CFindReplaceDialog& dialog, int what)
{
    findState& find = sharedFind();
    if (what == CFindReplaceDialog::closing) {
        find.dialog = nullptr;
        return;
    }
    find.text = limited(dialog.findText());
    find.backward = !dialog.searchDown();
    find.matchCase = dialog.matchCase();
    find.wholeWord = dialog.wholeWord();
    if (what == CFindReplaceDialog::replaceOne) {
        replaceOne(dialog);
        return;
    }
    if (what == CFindReplaceDialog::replaceAll) {
        replaceAll(dialog);
        return;
    }
    CSourcePosition found;
    if (search(find.text, findStart(find.backward), find.backward, find.matchCase, find.wholeWord, found))
        revealMatch(find.text.length(), found);
    else
        notFound(find.text);
}

CSourcePosition CSourceViewMfc::findStart(bool backward)
{
    if (!hasSelection())
        return caret;
    return backward ? selStart : selEnd;
}

// Searches from start (one step back first when searching backward) and
// selects what it finds; without a match the selection goes.
bool CSourceViewMfc::search(const gstrSlice& text, CSourcePosition start, bool backward, bool matchCase,
                            bool wholeWord, CSourcePosition& found)
{
    bool searchable = true;
    if (backward) {
        if (start.column > 0)
            --start.column;
        else if (start.line > 0)
            start = {document_->getLineLength(start.line - 1), start.line - 1};
        else
            searchable = false;
    }
    CSourceFindParams params;
    params.pattern = text.data();
    params.patternLength = text.length();
    params.startColumn = start.column;
    params.startLine = start.line;
    params.backward = backward;
    params.matchCase = matchCase;
    params.wholeWord = wholeWord;
    bool hit = searchable && document_->find(params, found);
    if (!hit && searchable && askContinueSearch(text)) {
        params.startLine = backward ? document_->lastLine() : 0;
        params.startColumn = backward ? document_->getLineLength(params.startLine) : 0;
        hit = document_->find(params, found);
    }
    if (!hit) {
        clearSelection();
        return false;
    }
    setSelectionPoint(found.column, found.line);
    extendSelection(found.column + text.length(), found.line);
    setCaretPosition(found.column + text.length(), found.line);
    ensureCaretVisible();
    viewport()->update();
    return true;
}

// Scrolls the match's line into view and moves the find dialog off it.
void CSourceViewMfc::revealMatch(int32_t length, const CSourcePosition& match)
{
    int32_t firstColumn, firstLine;
    getScrollPosition(firstColumn, firstLine);
    int rows = lineHeight > 0 ? viewport()->height() / lineHeight : 0;
    int32_t line = firstLine;
    if (match.line <= firstLine)
        line = std::max(match.line - 1, 0);
    else if (match.line >= firstLine + rows)
        line = std::max(match.line - rows + 2, 0);
    if (line != firstLine)
        scrollTo(firstColumn, line);
    CFindReplaceDialog* dialog = findDialog();
    if (!dialog || !dialog->isVisible())
        return;
    QPoint corner = positionToPoint(textToDisplay(match.column, match.line), match.line);
    QRect onScreen(viewport()->mapToGlobal(corner), QSize(length * charWidth, lineHeight));
    QRect frame = dialog->frameGeometry();
    if (!frame.intersects(onScreen))
        return;
    int screenHeight = screen() ? screen()->geometry().height() : 0;
    int below = screenHeight - (onScreen.y() + onScreen.height());
    int top = below < onScreen.y() ? std::max(onScreen.y() - 20 - frame.height(), 0)
                                   : onScreen.y() + onScreen.height() + 20;
    dialog->move(frame.x(), top);
}

void CSourceViewMfc::notFound(const gstrSlice& text)
{
    gstr message(notFoundPrefix_);
    message.append(text);
    message.append("'");
    plainMessageBox(message, gbuttons::ok);
}

// Replaces the selected occurrence when the search finds it right at its
// start, then selects the next one; elsewhere it only selects the next one.
void CSourceViewMfc::replaceOne(CFindReplaceDialog& dialog)
{
    findState& find = sharedFind();
    CSourcePosition start = hasSelection() ? selStart : caret;
    CSourcePosition found;
    if (!search(find.text, start, find.backward, find.matchCase, find.wholeWord, found)) {
        notFound(find.text);
        return;
    }
    CSourcePosition searched = start;
    if (find.backward)
        searched = start.column > 0 ? CSourcePosition{start.column - 1, start.line}
                                    : CSourcePosition{document_->getLineLength(start.line - 1), start.line - 1};
    if (found != searched) {
        revealMatch(find.text.length(), found);
        return;
    }
    gstr replacement = limited(dialog.replaceText());
    auto insert = std::make_unique<CSourceUndoInsert>(found.column, found.line, replacement);
    insert->setReplaceRange({found.column + find.text.length(), found.line});
    if (!document_->execute(std::move(insert))) {
        reportError(opEditing, document_->error, viewErrorNone);
        return;
    }
    // Backwards the search goes on before the replacement, never into it.
    CSourcePosition next = find.backward ? found : CSourcePosition{found.column + replacement.length(), found.line};
    if (search(find.text, next, find.backward, find.matchCase, find.wholeWord, found))
        revealMatch(find.text.length(), found);
    else
        notFound(find.text);
}

void CSourceViewMfc::replaceAll(CFindReplaceDialog& dialog)
{
    findState& find = sharedFind();
    CSourcePosition start = hasSelection() ? selStart : CSourcePosition{0, 0};
    CSourcePosition stop = hasSelection() ? selEnd : CSourcePosition{-1, -1};
    auto all = std::make_unique<CSourceUndoReplaceAll>(start.column, start.line, stop.column, stop.line, find.text,
                                                       limited(dialog.replaceText()));
    all->params.backward = find.backward;
    all->params.matchCase = find.matchCase;
    all->params.wholeWord = find.wholeWord;
    if (document_->execute(std::move(all)))
        return;
    if (document_->error == CSourceDoc::errorNotFound)
        notFound(find.text);
    else
        reportError(opEditing, document_->error, viewErrorNone);
}

void CSourceViewMfc::findAgain()
{
    findState& find = sharedFind();
    if (find.text.isEmpty())
        return;
    CSourcePosition found;
    if (search(find.text, findStart(find.backward), find.backward, find.matchCase, find.wholeWord, found))
        revealMatch(find.text.length(), found);
    else
        notFound(find.text);
}

void CSourceViewMfc::goToLine()
{
    CGoToLineDialog dialog(this);
    dialog.lineCount = document_->getLineCount();
    dialog.currentLine = caret.line;
    if (runModal(dialog) != IDOK)
        return;
    int32_t line = dialog.currentLine;
    CSourcePosition end = line < document_->lastLine() ? CSourcePosition{0, line + 1}
                                                        : CSourcePosition{document_->getLineLength(line), line};
    setSelectionPoint(0, line);
    extendSelection(end.column, end.line);
    setCaretPosition(0, line);
    ensureCaretVisible();
    viewport()->update();
}
