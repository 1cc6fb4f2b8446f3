// Moving and copying text by drag and drop, within and between documents
// and with other programs.
#include "sourceedit/ui/CSourceViewMfc.h"

#include "platform/textCodec.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceUndoColumn.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/ui/CSourceDocMfc.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <algorithm>

namespace {

// A drag that began in a source view of this program, and whether it carries
// a block.
bool sourceDragActive = false;
bool sourceDragIsBlock = false;

} // namespace

// The drag starts once the pointer leaves the band from the top of the
// selection's first line to the top of its last line.
bool CSourceViewMfc::dragBandLeft(const QPoint& point)
{
    int top = positionToPoint(0, selStart.line).y();
    int bottom = positionToPoint(0, selEnd.line).y();
    return point.y() < top || point.y() >= bottom;
}

QMimeData* CSourceViewMfc::beginDrag()
{
    if (!document_ || !hasSelection())
        return nullptr;
    gstr text = selectedText();
    auto* data = new QMimeData;
    data->setText(toUiText(text));
    if (blockSelection)
        data->setData(sourceViewColTextFormat, QByteArray(text.data(), text.length()));
    sourceDragActive = true;
    sourceDragIsBlock = blockSelection != 0;
    droppedHere_ = false;
    document_->dragActive = 1;
    document_->dragIsBlock = blockSelection;
    document_->dragStart = selStart;
    document_->dragEnd = selEnd;
    document_->dragDeleteRecord = nullptr;
    return data;
}

void CSourceViewMfc::startDrag()
{
    dragPending_ = false;
    QMimeData* data = beginDrag();
    if (!data)
        return;
    auto* drag = new QDrag(viewport());
    drag->setMimeData(data);
    Qt::DropAction effect = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    endDrag(effect, pressPoint_);
}

void CSourceViewMfc::endDrag(Qt::DropAction effect, const QPoint& clickPoint)
{
    sourceDragActive = false;
    if (!document_)
        return;
    document_->dragActive = 0;
    if (effect == Qt::MoveAction) {
        if (!document_->dragDeleteRecord) {
            std::unique_ptr<CSourceUndoRecord> removal;
            CSourcePosition from = document_->dragStart;
            CSourcePosition to = document_->dragEnd;
            if (document_->dragIsBlock)
                removal = std::make_unique<CSourceUndoColumnDelete>(this, from.column, from.line, to.column, to.line);
            else
                removal = std::make_unique<CSourceUndoDelete>(from.column, from.line, to.column, to.line);
            execute(std::move(removal), opEditing);
            clearSelection();
        } else if (!droppedHere_) {
            clearSelection();
        }
    } else if (effect == Qt::IgnoreAction) {
        activateWindow();
        setFocus();
        CSourcePosition at = pointToPosition(clickPoint.x() + charWidth / 2, clickPoint.y());
        moveCaret(displayToText(at.column, at.line), at.line, 0);
    }
    document_->dragDeleteRecord = nullptr;
}

QRect CSourceViewMfc::dropMarkerRect(const CSourcePosition& at)
{
    QPoint point = positionToPoint(textToDisplay(at.column, at.line), at.line);
    return {point, QSize(std::min(charWidth / 4, 2), lineHeight)};
}

// The marker is not drawn left of the text area.
void CSourceViewMfc::moveDropMarker(const CSourcePosition& to)
{
    if (dropMarker_.column >= 0)
        viewport()->update(dropMarkerRect(dropMarker_));
    dropMarker_ = to;
    if (dropMarker_.column >= 0 && dropMarkerRect(dropMarker_).x() < marginOffset())
        dropMarker_ = {-1, -1};
    if (dropMarker_.column >= 0)
        viewport()->update(dropMarkerRect(dropMarker_));
}

void CSourceViewMfc::dragEnterEvent(QDragEnterEvent* event)
{
    if (sourceDragActive) {
        activateWindow();
        setFocus();
        if (hasKeyboardFocus)
            viewport()->update(caretShape().rect());
    }
    dropMarker_ = {-1, -1};
    dragMoveEvent(event);
}

void CSourceViewMfc::dragMoveEvent(QDragMoveEvent* event)
{
    inputScope scope(*this, event->modifiers());
    QPoint at = event->position().toPoint();
    auto positionAt = [this](const QPoint& point) {
        CSourcePosition p = pointToPosition(point.x() + charWidth / 2, point.y());
        p.line = std::min(p.line, document_ ? document_->lastLine() : 0);
        return CSourcePosition{displayToText(p.column, p.line), p.line};
    };
    CSourcePosition position = positionAt(at);
    if (document_ && document_->dragActive
        && isInSelection(position, document_->dragStart, document_->dragEnd, document_->dragIsBlock != 0)) {
        moveDropMarker(document_->dragStart);
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    QRect inner = viewport()->rect().adjusted(charWidth, lineHeight, -charWidth, -lineHeight);
    inner.setLeft(std::max(inner.left(), marginOffset()));
    if (!inner.contains(at)) {
        int32_t columns = 0;
        int32_t lines = 0;
        if (at.x() < inner.left())
            columns = -((inner.left() - at.x()) / std::max(charWidth, 1) + 1);
        else if (at.x() > inner.right())
            columns = (at.x() - inner.right()) / std::max(charWidth, 1) + 1;
        if (at.y() < inner.top())
            lines = -((inner.top() - at.y()) / std::max(lineHeight, 1) + 1);
        else if (at.y() > inner.bottom())
            lines = (at.y() - inner.bottom()) / std::max(lineHeight, 1) + 1;
        int32_t firstColumn, firstLine;
        getScrollPosition(firstColumn, firstLine);
        scrollTo(firstColumn + columns, firstLine + lines);
        viewport()->repaint();
        position = positionAt(at);
    }
    moveDropMarker(position);
    event->setDropAction(event->modifiers().testFlag(Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void CSourceViewMfc::dragLeaveEvent(QDragLeaveEvent*)
{
    moveDropMarker({-1, -1});
}

void CSourceViewMfc::dropEvent(QDropEvent* event)
{
    inputScope scope(*this, event->modifiers());
    bool dropped = dropText(event);
    event->setDropAction(dropped ? event->dropAction() : Qt::IgnoreAction);
    if (dropped)
        event->accept();
    else
        event->ignore();
}

// Inserts the dropped text at the marker; a move within the document
// deletes the dragged text first, and one Undo takes both back.
bool CSourceViewMfc::dropText(QDropEvent* event)
{
    CSourcePosition at = dropMarker_;
    moveDropMarker({-1, -1});
    if (!document_ || at.column < 0)
        return false;
    bool sameDocument = document_->dragActive != 0;
    if (sameDocument && isInSelection(at, document_->dragStart, document_->dragEnd, document_->dragIsBlock != 0))
        return false;
    if (document_->readOnly) {
        reportError(opEditing, CSourceDoc::errorReadOnly, viewErrorNone);
        return false;
    }
    const QMimeData* data = event->mimeData();
    if (!data || !data->hasText()) {
        reportError(opPaste, 0, viewErrorClipboard);
        return false;
    }
    gstr text = fromUiText(data->text());
    bool block = data->hasFormat(sourceViewColTextFormat);
    setCaretPosition(at.column, at.line);
    std::unique_ptr<CSourceUndoRecord> removal;
    if (sameDocument && event->dropAction() == Qt::MoveAction) {
        CSourcePosition from = document_->dragStart;
        CSourcePosition to = document_->dragEnd;
        if (document_->dragIsBlock)
            removal = std::make_unique<CSourceUndoColumnDelete>(this, from.column, from.line, to.column, to.line);
        else
            removal = std::make_unique<CSourceUndoDelete>(from.column, from.line, to.column, to.line);
        // Performed as another view's edit, so that this caret follows it.
        int focus = hasKeyboardFocus;
        hasKeyboardFocus = 0;
        int removed = removal->perform(*document_);
        hasKeyboardFocus = focus;
        if (!removed) {
            reportError(opEditing, document_->error, viewErrorNone);
            return false;
        }
    }
    CSourcePosition start = caret;
    CSourcePosition end = start;
    std::unique_ptr<CSourceUndoRecord> insert;
    CSourceUndoInsertLinked* stream = nullptr;
    CSourceUndoColumnInsertLinked* column = nullptr;
    if (block) {
        auto record = std::make_unique<CSourceUndoColumnInsertLinked>(this, start.column, start.line, text);
        column = record.get();
        insert = std::move(record);
    } else {
        auto record = std::make_unique<CSourceUndoInsertLinked>(start.column, start.line, text);
        stream = record.get();
        insert = std::move(record);
    }
    if (!document_->execute(std::move(insert))) {
        reportError(opEditing, document_->error, viewErrorNone);
        // The dragged text must not be lost: its deletion is taken back.
        if (removal)
            removal->undo(*document_);
        return false;
    }
    if (removal)
        document_->dragDeleteRecord = removal.get();
    if (stream) {
        end = stream->end;
        if (removal)
            stream->setLinked(std::move(removal));
    } else {
        if (!column->records.empty())
            end = static_cast<CSourceUndoInsert&>(*column->records.back()).end;
        if (removal)
            column->setLinked(std::move(removal));
    }
    setSelectionPoint(start.column, start.line);
    blockSelection = block;
    extendSelection(end.column, end.line);
    setCaretPosition(end.column, end.line);
    ensureCaretVisible();
    viewport()->update();
    droppedHere_ = true;
    return true;
}
