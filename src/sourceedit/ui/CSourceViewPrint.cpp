// Laying source text out on printed pages: margins, wrapped lines with an
// optional continuation mark, line numbers and page numbers.
#include "sourceedit/ui/CSourceView.h"

#include "platform/textCodec.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceTokenizer.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/CSourceTokenStyle.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

void CSourceView::getPrintMargins(double& left, double& right, double& top, double& bottom)
{
    left = right = top = bottom = 0.75;
}

int CSourceView::getPrintArea(const CSourcePrintDevice& device, double left, double right, double top, double bottom,
                              QRect& area)
{
    int leftPixels = static_cast<int>(device.dpiX * left);
    int rightPixels = static_cast<int>(device.dpiX * right);
    int topPixels = static_cast<int>(device.dpiY * top);
    int bottomPixels = static_cast<int>(device.dpiY * bottom);
    if (leftPixels < device.offsetX || rightPixels < device.offsetX || topPixels < device.offsetY
        || bottomPixels < device.offsetY)
        return 0;
    int l = leftPixels - device.offsetX;
    int r = device.pageWidth - rightPixels - device.offsetX;
    int t = topPixels - device.offsetY;
    int b = device.pageHeight - bottomPixels - device.offsetY;
    if (r <= l || b <= t)
        return 0;
    area = QRect(l, t, r - l, b - t);
    return 1;
}

void CSourceView::beginPrinting(QPaintDevice& device)
{
    printFont_ = styleFont(&getDefaultStyle(), true);
    QFontMetrics metrics(printFont_, &device);
    printCharWidth = std::max(metrics.horizontalAdvance(QLatin1Char('x')), 1);
    printLineHeight = std::max(metrics.height() + std::max(metrics.leading(), 0), 1);
}

int CSourceView::getLineNumberWidth()
{
    if (!isOptionSet(sourceOptionPrintLineNumbers))
        return 0;
    CSourceDoc* doc = getDocument();
    int digits = static_cast<int>(std::to_string(doc ? doc->getLineCount() : 0).size());
    return (digits + 2) * printCharWidth;
}

void CSourceView::printLineNumber(int32_t line, CSourceDrawState& state)
{
    if (!isOptionSet(sourceOptionPrintLineNumbers))
        return;
    std::string number = std::to_string(line + 1) + ": ";
    state.dc->setFont(printFont_);
    state.dc->setPen(Qt::black);
    textOut(state, state.x, state.y, number.data(), static_cast<int>(number.size()));
}

void CSourceView::printPageNumber(int page, QPainter& dc, const CSourcePrintDevice& device, const QRect& printRect)
{
    std::string number = std::to_string(page);
    dc.setFont(printFont_);
    QFontMetrics metrics(printFont_, dc.device());
    int width = metrics.horizontalAdvance(QString::fromStdString(number));
    CSourceDrawState state;
    state.dc = &dc;
    int x = (device.pageWidth - width) / 2 - device.offsetX;
    int y = printRect.y() + printRect.height() + printLineHeight;
    dc.fillRect(QRect(x, y, width, printLineHeight), Qt::white);
    dc.setPen(Qt::black);
    textOut(state, x, y, number.data(), static_cast<int>(number.size()));
}

// A curved arrow one print character wide and one print line high: half a
// circle on the right with an arrowhead pointing left at its bottom.
void CSourceView::drawWrapMark(QPainter& dc, int x, int y)
{
    int d = std::min(printCharWidth, printLineHeight);
    int cx = x + printCharWidth / 2;
    int cy = y + printLineHeight / 2;
    int r = d / 2;
    dc.save();
    dc.setPen(QPen(Qt::black, std::max(d / 16, 1)));
    dc.setBrush(Qt::NoBrush);
    dc.drawArc(QRect(cx - r, cy - r, 2 * r, 2 * r), 90 * 16, -180 * 16);
    int head = d / 4;
    dc.drawLine(cx, cy + r, cx + head, cy + r - head);
    dc.drawLine(cx, cy + r, cx + head, cy + r + head);
    dc.restore();
}

// Prints (or measures) one source line from offset; answers the offset where
// a line cut at the page's end continues, or -1 when it was printed whole.
int32_t CSourceView::printLine(CSourceDrawState& state, int32_t line, int32_t offset, bool draw, int linesPerPage,
                               int& printed)
{
    CSourceDoc* doc = getDocument();
    const char* text = doc->lineText(line);
    int32_t length = doc->getLineLength(line);
    // The kind of every character, from the tokenizer (-1 without one).
    std::vector<int> kinds(size_t(length), -1);
    if (CSourceTokenizer* tokenizer = doc->getTokenizer()) {
        tokenizer->beginLine(*doc, line);
        int32_t start, size;
        while (int kind = tokenizer->nextToken(start, size))
            std::fill(kinds.begin() + start, kinds.begin() + std::min(start + size, length), kind);
        tokenizer->endLine();
    }
    int numberWidth = getLineNumberWidth();
    int left = state.clip.x();
    int limit = state.columnLimit;
    bool wrapMark = isOptionSet(sourceOptionPrintWrapMark);
    int tabWidth = getTabWidth();
    if (draw && offset == 0)
        printLineNumber(line, state);
    state.x = left + numberWidth;
    state.column = 0;
    for (int32_t i = std::clamp(offset, 0, length); i < length;) {
        int32_t j = i;
        int column = state.column;
        while (j < length) {
            int width = text[j] == '\t' ? tabWidth - column % tabWidth : 1;
            if (limit > 0 && column > 0 && column + width > limit + 1)
                break;
            if (limit > 0 && wrapMark && column >= limit && j + 1 < length)
                break;
            column += width;
            ++j;
        }
        if (draw) {
            for (int32_t run = i; run < j;) {
                int32_t end = run;
                while (end < j && kinds[size_t(end)] == kinds[size_t(run)])
                    ++end;
                drawRun(state, text + run, end - run, kinds[size_t(run)]);
                run = end;
            }
        }
        state.column = column;
        if (j >= length)
            break;
        if (draw && wrapMark)
            drawWrapMark(*state.dc, state.x, state.y);
        ++printed;
        state.y += printLineHeight;
        state.x = left + numberWidth;
        state.column = 0;
        if (printed >= linesPerPage)
            return j;
        i = j;
    }
    ++printed;
    state.y += printLineHeight;
    return -1;
}

int CSourceView::printPage(int page, QPainter* dc, const CSourcePrintDevice& geometry, const QRect& printRect,
                           int selectionOnly)
{
    CSourceDoc* doc = getDocument();
    if (!doc || printLineHeight <= 0 || printCharWidth <= 0)
        return 0;
    bool draw = dc != nullptr;
    if (draw) {
        dc->save();
        dc->setFont(printFont_);
        printPageNumber(page, *dc, geometry, printRect);
    }
    int linesPerPage = std::max(printRect.height() / printLineHeight, 1);
    int columns = (printRect.width() - getLineNumberWidth()) / printCharWidth;
    CSourcePageStart start = getPageStart(page);
    bool selection = selectionOnly && hasSelection();
    if (selection && page == 1)
        start = {selStart.line, 0};
    int32_t lastPrinted = selection ? std::min(selEnd.line, doc->lastLine()) : doc->getLineCount() - 1;
    CSourceDrawState state;
    state.dc = dc;
    state.printing = true;
    state.columnLimit = columns - 1 < 2 ? 0 : columns - 1;
    state.clip = printRect;
    state.y = printRect.y();
    state.charWidth = printCharWidth;
    state.lineHeight = printLineHeight;
    state.background = Qt::white;
    int printed = 0;
    int32_t line = start.line;
    int32_t offset = start.offset;
    int32_t cut = -1;
    while (printed < linesPerPage && line <= lastPrinted) {
        cut = printLine(state, line, offset, draw, linesPerPage, printed);
        if (cut >= 0)
            break;
        ++line;
        offset = 0;
    }
    bool more = cut >= 0 || line <= lastPrinted;
    if (more)
        getPageStart(page + 1) = {line, cut >= 0 ? cut : 0};
    if (draw)
        dc->restore();
    return more;
}
