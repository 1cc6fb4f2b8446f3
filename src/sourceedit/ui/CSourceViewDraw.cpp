// Drawing the visible lines: token colours, the selection, the bookmark
// margin and marks.
#include "sourceedit/ui/CSourceView.h"

#include "platform/textCodec.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceTokenizer.h"
#include "sourceedit/sourceColour.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/CSourceTokenStyle.h"
#include "sourceedit/ui/sourceUiColours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <string>

struct CSourceView::runColours {
    QColor text;
    QColor back;
    QFont font;
};

QFont CSourceView::styleFont(const CSourceTokenStyle* style, bool printing)
{
    QFont font;
    if (style && style->getFont(font, printing))
        return font;
    if (!getDefaultStyle().getFont(font, printing))
        font = QFont();
    return font;
}

CSourceView::runColours CSourceView::coloursFor(const CSourceTokenStyle* style, const CSourceDrawState& state)
{
    const CSourceTokenStyle& fallback = getDefaultStyle();
    int printing = state.printing;
    uint32_t text = 0;
    uint32_t back = rgbColour(255, 255, 255);
    if (!style || !style->getForeground(text, printing))
        fallback.getForeground(text, printing);
    if (!style || !style->getBackground(back, printing))
        fallback.getBackground(back, printing);
    runColours colours{sourceColour(text), sourceColour(back), styleFont(style, state.printing)};
    if (state.forced) {
        colours.text = state.forcedText;
        colours.back = state.forcedBack;
    }
    return colours;
}

void CSourceView::textOut(CSourceDrawState& state, int x, int y, const char* text, int length)
{
    QFontMetrics metrics(state.dc->font(), state.dc->device());
    state.dc->drawText(x, y + metrics.ascent(), toUiText(gstrSlice(text, length)));
}

// One text-out of characters of one colour; with a fixed margin on screen the
// characters under the margin are passed over, not drawn.
void CSourceView::outputRun(CSourceDrawState& state, const char* text, int length, bool selected,
                            const runColours& colours)
{
    if (length <= 0)
        return;
    int skip = 0;
    bool fixedMargin = isOptionSet(sourceOptionMargin) && isOptionSet(sourceOptionFixedMargin);
    if (!state.printing && fixedMargin && state.x < marginWidth())
        skip = std::min(length, (marginWidth() - state.x + state.charWidth - 1) / state.charWidth);
    if (skip < length) {
        int x = state.x + skip * state.charWidth;
        state.dc->fillRect(x, state.y, (length - skip) * state.charWidth, state.lineHeight,
                           selected ? state.selectionBack : colours.back);
        state.dc->setFont(colours.font);
        state.dc->setPen(selected ? state.selectionText : colours.text);
        textOut(state, x, state.y, text + skip, length - skip);
    }
    state.x += length * state.charWidth;
}

// Walks the run cell by cell (a tab gives blanks up to the next tab stop),
// switching between selected and unselected colours where the selection
// starts or ends, and outputs each stretch of one colour at once.
void CSourceView::drawRun(CSourceDrawState& state, const char* text, int length, int kind)
{
    runColours colours = coloursFor(getTokenStyle(kind), state);
    int tabWidth = getTabWidth();
    bool selected = state.inSelection;
    auto nextSwitch = [&] {
        if (selected)
            return state.selectionEnd;
        return state.selectionStart >= state.column ? state.selectionStart : -1;
    };
    int switchAt = nextSwitch();
    std::string pending;
    for (int i = 0; i < length; ++i) {
        int cells = text[i] == '\t' ? tabWidth - state.column % tabWidth : 1;
        for (int k = 0; k < cells; ++k) {
            while (switchAt >= 0 && state.column == switchAt) {
                outputRun(state, pending.data(), static_cast<int>(pending.size()), selected, colours);
                pending.clear();
                selected = !selected;
                state.inSelection = selected;
                switchAt = selected ? state.selectionEnd : -1;
            }
            pending.push_back(text[i] == '\t' ? ' ' : text[i]);
            ++state.column;
        }
    }
    outputRun(state, pending.data(), static_cast<int>(pending.size()), selected, colours);
}

void CSourceView::beginDraw(int32_t firstLine, const QRect& clip, QPainter& dc, CSourceDrawState& state)
{
    int32_t firstColumn, firstVisible;
    getScrollPosition(firstColumn, firstVisible);
    state.line = firstLine;
    state.column = 0;
    state.clip = clip;
    state.x = -(charWidth * firstColumn);
    state.y = lineHeight * (firstLine - firstVisible);
    state.dc = &dc;
    state.charWidth = charWidth;
    state.lineHeight = lineHeight;
    dc.save();
    dc.setFont(styleFont(&getDefaultStyle(), false));
    state.background = sourceColour(getBackgroundBrush());
    if (!state.marginSet)
        state.marginBrush = state.background;
    state.selectionText = sourceColour(systemColourRef(sysColourIndexHighlightText));
    state.selectionBack = sourceColour(systemColourRef(sysColourIndexHighlight));
    state.bookmarkBrush = sourceColour(sourceEditorHighlightColour & 0xFFFFFF);
    if (!isOptionSet(sourceOptionMargin))
        return;
    int left = isOptionSet(sourceOptionFixedMargin) ? 0 : state.x;
    int right = marginOffset() - 1;
    if (right > left)
        dc.fillRect(QRect(left, clip.top(), right - left, clip.height()), state.marginBrush);
}

void CSourceView::endDraw(CSourceDrawState& state) { state.dc->restore(); }

void CSourceView::beginLineDraw(CSourceDrawState& state)
{
    CSourceDoc* doc = getDocument();
    if (state.printing || !doc || !doc->isBookmarked(state.line))
        return;
    if (!isOptionSet(sourceOptionMargin)) {
        state.forced = true;
        state.forcedText = Qt::white;
        state.forcedBack = state.bookmarkBrush;
        return;
    }
    int left = isOptionSet(sourceOptionFixedMargin) ? 0 : state.x;
    QRect mark(left, state.y, marginColumns * charWidth - 1, lineHeight);
    int dx = std::max(charWidth / 4, 1);
    int dy = std::max(lineHeight / 4, 1);
    state.dc->fillRect(mark.adjusted(dx, dy, -dx, -dy), state.bookmarkBrush);
}

void CSourceView::fillPast(CSourceDrawState& state, int fromX, int toX, const QColor& colour)
{
    if (toX > fromX)
        state.dc->fillRect(QRect(fromX, state.y, toX - fromX, state.lineHeight), colour);
}

// The rest of the line: background, or the selection where it reaches past
// the text (a block, a selection on one line, or the last line of one).
void CSourceView::endLineDraw(CSourceDrawState& state)
{
    int left = state.x;
    int right = state.clip.x() + state.clip.width();
    if (!state.printing && isOptionSet(sourceOptionMargin) && isOptionSet(sourceOptionFixedMargin))
        left = std::max(left, marginWidth());
    fillPast(state, left, right, state.forced ? state.forcedBack : state.background);
    if (state.printing || !hasSelection() || state.selectionEnd < 0)
        return;
    bool fromStart = blockSelection || selStart.line == selEnd.line;
    int from = fromStart ? std::max(left, positionToPoint(state.selectionStart, state.line).x()) : left;
    int to = std::min(positionToPoint(state.selectionEnd, state.line).x(), right);
    fillPast(state, from, to, state.selectionBack);
}

void CSourceView::draw(QPainter& dc)
{
    CSourceDoc* doc = getDocument();
    QWidget* window = getWindow();
    if (!doc || !window || lineHeight <= 0 || charWidth <= 0)
        return;
    QRect clip = dc.hasClipping() ? dc.clipBoundingRect().toAlignedRect() : window->rect();
    int32_t firstColumn, firstVisible;
    getScrollPosition(firstColumn, firstVisible);
    int32_t first = std::max(firstVisible + clip.top() / lineHeight, 0);
    int32_t after = firstVisible + (clip.y() + clip.height()) / lineHeight + 1;
    int32_t count = doc->getLineCount();
    int32_t withText = std::min(after, count);
    CSourceDrawState state;
    beginDraw(first, clip, dc, state);
    int32_t startColumn = -1;
    int32_t endColumn = -1;
    if (hasSelection()) {
        startColumn = textToDisplay(selStart.column, selStart.line);
        endColumn = textToDisplay(selEnd.column, selEnd.line);
    }
    CSourceTokenizer* tokenizer = doc->getTokenizer();
    bool margin = isOptionSet(sourceOptionMargin);
    bool drawText = !(margin && clip.x() + clip.width() <= marginOffset());
    for (int32_t line = first; line < withText; ++line) {
        state.line = line;
        state.inSelection = false;
        state.selectionStart = state.selectionEnd = -1;
        if (hasSelection() && line >= selStart.line && line <= selEnd.line) {
            if (blockSelection) {
                state.selectionStart = std::min(startColumn, endColumn);
                state.selectionEnd = std::max(startColumn, endColumn);
            } else {
                state.selectionStart = line == selStart.line ? startColumn : 0;
                state.inSelection = line != selStart.line;
                state.selectionEnd = line == selEnd.line ? endColumn : -1;
            }
        }
        const char* text = doc->lineText(line);
        beginLineDraw(state);
        if (drawText) {
            if (margin)
                state.x += marginColumns * charWidth;
            if (tokenizer) {
                tokenizer->beginLine(*doc, line);
                int32_t start, length;
                while (int kind = tokenizer->nextToken(start, length))
                    drawRun(state, text + start, length, kind);
                tokenizer->endLine();
            } else {
                drawRun(state, text, doc->getLineLength(line), -1);
            }
            if (line + 1 < count)
                drawRun(state, " ", 1, CSourceTokenizer::blanks);
            endLineDraw(state);
        }
        state.y += lineHeight;
        state.x = -(charWidth * firstColumn);
        state.column = 0;
        state.forced = false;
    }
    for (int32_t line = withText; line < after; ++line) {
        state.line = line;
        state.inSelection = false;
        state.selectionStart = state.selectionEnd = -1;
        beginLineDraw(state);
        state.x = marginOffset();
        endLineDraw(state);
        state.y += lineHeight;
        state.x = -(charWidth * firstColumn);
    }
    if (margin && drawText) {
        int edge = marginOffset() - 1;
        if (edge >= 0)
            dc.fillRect(QRect(edge, clip.top(), 1, clip.height()), state.background);
    }
    endDraw(state);
}
