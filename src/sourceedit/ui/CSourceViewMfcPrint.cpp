// Printing: the print dialog, the printable area, the page count and the
// pages, each with the document's path above and its number below.
#include "sourceedit/ui/CSourceViewMfc.h"

#include "foundation/textEncodings.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/ui/CSourceDocMfc.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace {

bool runPrintDialog(QPrinter& printer, bool selectionAvailable, bool& selectionOnly)
{
    if (modalRunsUnattended() || installedModalResponder())
        return false;
    QPrintDialog dialog(&printer);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionAvailable);
    if (selectionAvailable)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
    return true;
}

CSourceViewMfc::printDialogRunner& printDialog()
{
    static CSourceViewMfc::printDialogRunner runner = runPrintDialog;
    return runner;
}

// A bound on the pages of one job, so that no layout can run for ever.
constexpr int maxPages = 1000000;

} // namespace

void CSourceViewMfc::setPrintDialogRunner(printDialogRunner runner)
{
    printDialog() = runner ? std::move(runner) : runPrintDialog;
}

CSourcePrintDevice CSourceViewMfc::printDevice(QPrinter& printer)
{
    int resolution = printer.resolution();
    QRect full = printer.pageLayout().fullRectPixels(resolution);
    QRect paint = printer.pageLayout().paintRectPixels(resolution);
    return {full.width(), full.height(), paint.x(), paint.y(), printer.logicalDpiX(), printer.logicalDpiY()};
}

CSourcePageStart& CSourceViewMfc::getPageStart(int page)
{
    size_t index = static_cast<size_t>(std::max(page, 0));
    if (pageStarts_.size() <= index)
        pageStarts_.resize(index + 1);
    return pageStarts_[index];
}

void CSourceViewMfc::runPrintCommand()
{
    QPrinter printer(QPrinter::HighResolution);
    bool selectionOnly = false;
    if (!printDialog()(printer, hasSelection(), selectionOnly))
        return;
    int first = printer.fromPage();
    int last = printer.toPage();
    print(printer, selectionOnly && hasSelection(), first, last);
}

bool CSourceViewMfc::print(QPrinter& printer, bool selectionOnly, int firstPage, int lastPage)
{
    CSourcePrintDevice device = printDevice(printer);
    double left, right, top, bottom;
    getPrintMargins(left, right, top, bottom);
    if (!getPrintArea(device, left, right, top, bottom, printRect_)) {
        reportError(opPrinting, 0, viewErrorMargins);
        return false;
    }
    OnBeginPrinting(printer);
    beginPrinting(printer);
    pageStarts_.clear();
    int pages = 1;
    while (pages < maxPages && printPage(pages, nullptr, device, printRect_, selectionOnly))
        ++pages;
    int from = firstPage > 0 ? std::min(firstPage, pages) : 1;
    int to = lastPage > 0 ? std::min(lastPage, pages) : pages;
    QPainter painter;
    bool printed = painter.begin(&printer);
    for (int page = from; printed && page <= to; ++page) {
        if (page > from)
            printed = printer.newPage();
        if (printed)
            printPage(page, &painter, device, printRect_, selectionOnly);
    }
    if (painter.isActive())
        painter.end();
    pageStarts_.clear();
    OnEndPrinting();
    if (!printed)
        reportError(opPrinting, 0, 1);
    return printed;
}

// The document's path above the printed text, then the page number below.
void CSourceViewMfc::printPageNumber(int page, QPainter& dc, const CSourcePrintDevice& device, const QRect& printRect)
{
    gstr path = pathAsText(document_ ? document_->pathName() : gstr(""));
    int x = std::max((device.pageWidth - path.length() * printCharWidth) / 2 - device.offsetX, 0);
    int y = printRect.y() - 2 * printLineHeight;
    CSourceDrawState state;
    state.dc = &dc;
    dc.setPen(Qt::black);
    dc.fillRect(QRect(x, y, path.length() * printCharWidth, printLineHeight), Qt::white);
    textOut(state, x, y, path.data(), path.length());
    CSourceView::printPageNumber(page, dc, device, printRect);
}
