#include "sourceedit/ui/CSourceViewMfc.h"

#include "platform/modalRun.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/CSourceDocMfc.h"
#include "sourceedit/ui/sourceUiColours.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>

CSourceViewMfc::CSourceViewMfc(CSourceDocMfc* document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), notFoundPrefix_("Cannot find the string '")
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    QObject::connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
                     [this](int action) { onHorizontalAction(action); });
    if (document_)
        document_->addSourceView(this);
}

CSourceViewMfc::~CSourceViewMfc()
{
    if (document_)
        document_->removeSourceView(this);
}

CSourceDoc* CSourceViewMfc::getDocument() { return document_; }

QWidget* CSourceViewMfc::getWindow() { return viewport(); }

void CSourceViewMfc::OnInitialUpdate()
{
    initialised_ = true;
    recalcMetrics();
    viewport()->setAcceptDrops(true);
    viewport()->update();
}

void CSourceViewMfc::OnUpdate(const void*, int hintKind, const CSourceHint* hint)
{
    if (hintKind != 0 && hint) {
        onDocumentChanged(*hint);
        return;
    }
    recalcMetrics();
    viewport()->update();
}

int CSourceViewMfc::askContinueSearch(const gstrSlice&) { return 0; }

void CSourceViewMfc::OnBeginPrinting(QPrinter&) {}

void CSourceViewMfc::OnEndPrinting() {}

// Outside an input event (a command, a timer) no key counts as held: what
// the keyboard last reported belongs to some other event.
bool CSourceViewMfc::isModifierDown(Qt::KeyboardModifier modifier)
{
    return inInput_ && inputModifiers_.testFlag(modifier);
}

// --- scrolling ---

void CSourceViewMfc::getScrollPosition(int32_t& column, int32_t& line)
{
    column = horizontalScrollBar()->value();
    line = verticalScrollBar()->value();
}

void CSourceViewMfc::scrollTo(int32_t column, int32_t line)
{
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    column = std::clamp(column, 0, horizontal->maximum());
    line = std::clamp(line, 0, vertical->maximum());
    horizontal->setValue(column);
    vertical->setValue(line);
    updateCaretVisibility();
}

// The framework's scroll step. With a fixed margin only the text right of it
// moves; the whole window is drawn again either way, and the caret follows.
void CSourceViewMfc::scrollContentsBy(int dx, int dy)
{
    if (hasKeyboardFocus)
        viewport()->update(caretShape().rect());
    bool fixedMargin = isOptionSet(sourceOptionMargin) && isOptionSet(sourceOptionFixedMargin);
    if (fixedMargin || charWidth <= 0 || lineHeight <= 0) {
        viewport()->update();
    } else {
        viewport()->scroll(dx * charWidth, dy * lineHeight);
    }
    if (hasKeyboardFocus)
        placeCaret();
}

// Page left and right move ten columns.
void CSourceViewMfc::onHorizontalAction(int action)
{
    QScrollBar* bar = horizontalScrollBar();
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(std::min(bar->value() + 10, bar->maximum()));
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(std::max(bar->value() - 10, 0));
}

void CSourceViewMfc::updateScrollRanges()
{
    if (rangesBusy_ || charWidth <= 0 || lineHeight <= 0)
        return;
    rangesBusy_ = true;
    visibleColumns = viewport()->width() / charWidth - 1;
    visibleLines = viewport()->height() / lineHeight - 1;
    int32_t count = document_ ? document_->getLineCount() : 0;
    int32_t maxLength = document_ ? document_->maxLineLength : 0;
    // The last position is the maximum less the page plus one.
    int horizontalMax = std::max(getTabWidth() * maxLength + visibleColumns - 2, 0);
    int verticalMax = std::max(count + visibleLines - 2, 0);
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    int oldColumn = horizontal->value();
    horizontal->setPageStep(std::max(visibleColumns, 1));
    horizontal->setRange(0, std::max(horizontalMax - std::max(visibleColumns, 0) + 1, 0));
    vertical->setPageStep(std::max(visibleLines, 1));
    vertical->setRange(0, std::max(verticalMax - std::max(visibleLines, 0) + 1, 0));
    if (horizontal->value() != oldColumn)
        updateCaretVisibility();
    rangesBusy_ = false;
}

// --- painting and input ---

void CSourceViewMfc::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    if (charWidth <= 0 || lineHeight <= 0) {
        painter.fillRect(event->rect(), sourceColour(getBackgroundBrush()));
        return;
    }
    draw(painter);
    painter.setClipping(false);
    if (dropMarker_.column >= 0) {
        // Inverted through the halftone, as the marker always was.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(dropMarkerRect(dropMarker_), halftoneBrush(Qt::white, Qt::black));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    paintCaret(painter);
}

void CSourceViewMfc::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (charWidth > 0 && lineHeight > 0)
        updateScrollRanges();
}

void CSourceViewMfc::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!initialised_)
        OnInitialUpdate();
}

bool CSourceViewMfc::focusNextPrevChild(bool) { return false; }

namespace {

int virtualKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Escape: return CSourceView::keyEscape;
    case Qt::Key_PageUp: return CSourceView::keyPageUp;
    case Qt::Key_PageDown: return CSourceView::keyPageDown;
    case Qt::Key_End: return CSourceView::keyEnd;
    case Qt::Key_Home: return CSourceView::keyHome;
    case Qt::Key_Left: return CSourceView::keyLeft;
    case Qt::Key_Up: return CSourceView::keyUp;
    case Qt::Key_Right: return CSourceView::keyRight;
    case Qt::Key_Down: return CSourceView::keyDown;
    case Qt::Key_Insert: return CSourceView::keyInsert;
    case Qt::Key_Delete: return CSourceView::keyDelete;
    default: return 0;
    }
}

int characterOf(int key)
{
    switch (key) {
    case Qt::Key_Backspace: return '\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return '\t';
    case Qt::Key_Return:
    case Qt::Key_Enter: return '\r';
    default: return 0;
    }
}

} // namespace

void CSourceViewMfc::keyPressEvent(QKeyEvent* event)
{
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Backtab)
        modifiers |= Qt::ShiftModifier;
    inputScope scope(*this, modifiers);
    if (int key = virtualKeyOf(event->key())) {
        onKeyDown(key);
        return;
    }
    if (int c = characterOf(event->key())) {
        onChar(c);
        return;
    }
    // Control or Alt alone make commands and menu keys, not characters;
    // both together (AltGr) type.
    bool typing = modifiers.testFlag(Qt::ControlModifier) == modifiers.testFlag(Qt::AltModifier);
    if (event->text().isEmpty() || !typing) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    typeCharacters(event->text());
}

void CSourceViewMfc::typeCharacters(const QString& text)
{
    gstr bytes = fromUiText(text);
    for (int32_t i = 0; i < bytes.length(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x20)
            onChar(static_cast<unsigned char>(bytes[i]));
    }
}

// Characters composed by an input method arrive here, not as key presses.
void CSourceViewMfc::inputMethodEvent(QInputMethodEvent* event)
{
    inputScope scope(*this, Qt::NoModifier);
    typeCharacters(event->commitString());
    event->accept();
}

void CSourceViewMfc::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    onSetFocus();
}

void CSourceViewMfc::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    onKillFocus();
}

void CSourceViewMfc::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    inputScope scope(*this, event->modifiers());
    QPoint at = event->position().toPoint();
    CSourcePosition position = pointToPosition(at.x(), at.y());
    position.column = displayToText(position.column, position.line);
    if (hasSelection() && at.x() >= marginOffset()
        && isInSelection(position, selStart, selEnd, blockSelection != 0)) {
        dragPending_ = true;
        pressPoint_ = at;
        return;
    }
    onLButtonDown(at.x(), at.y());
}

void CSourceViewMfc::mouseMoveEvent(QMouseEvent* event)
{
    inputScope scope(*this, event->modifiers());
    QPoint at = event->position().toPoint();
    if (dragPending_) {
        if (dragBandLeft(at))
            startDrag();
        return;
    }
    onMouseMove(at.x(), at.y());
}

void CSourceViewMfc::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    inputScope scope(*this, event->modifiers());
    if (dragPending_) {
        dragPending_ = false;
        endDrag(Qt::IgnoreAction, pressPoint_);
        return;
    }
    onLButtonUp();
}

void CSourceViewMfc::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    inputScope scope(*this, event->modifiers());
    QPoint at = event->position().toPoint();
    onLButtonDblClk(at.x(), at.y());
}

// --- commands ---

bool CSourceViewMfc::onCommand(int id)
{
    if (!document_)
        return false;
    switch (id) {
    case cutCommand: cut(); return true;
    case copyCommand: copy(); return true;
    case pasteCommand: paste(); return true;
    case findCommand: openFindDialog(false); return true;
    case replaceCommand: openFindDialog(true); return true;
    case findAgainCommand: findAgain(); return true;
    case toggleBookmarkCommand: document_->toggleBookmark(caret.line); return true;
    case nextBookmarkCommand:
    case previousBookmarkCommand: {
        int32_t line = id == nextBookmarkCommand ? document_->nextBookmark(caret.line)
                                                 : document_->previousBookmark(caret.line);
        if (line != caret.line)
            moveCaret(0, line, 0);
        return true;
    }
    case clearBookmarksCommand: document_->clearBookmarks(); return true;
    case printCommand: runPrintCommand(); return true;
    default: return false;
    }
}

bool CSourceViewMfc::onUpdateCommand(commandState& state)
{
    if (!document_)
        return false;
    switch (state.id) {
    case cutCommand:
    case copyCommand: state.enable(hasSelection()); return true;
    case pasteCommand: {
        const QMimeData* data = QGuiApplication::clipboard() ? QGuiApplication::clipboard()->mimeData() : nullptr;
        state.enable(data && data->hasText());
        return true;
    }
    case findCommand:
    case replaceCommand:
    case toggleBookmarkCommand:
    case printCommand: state.enable(); return true;
    case findAgainCommand: state.enable(!lastSearchText().isEmpty()); return true;
    case nextBookmarkCommand:
    case previousBookmarkCommand:
    case clearBookmarksCommand: state.enable(document_->hasBookmarks()); return true;
    default: return false;
    }
}

// --- errors ---

namespace {

gstr hexAndDecimal(int value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%x (%d)", static_cast<unsigned>(value), value);
    return gstr(text);
}

} // namespace

void CSourceViewMfc::reportError(int operation, int documentError, int viewError)
{
    gstr text;
    bool clipboard = operation == opCut || operation == opPaste || operation == opCopy;
    if (documentError == CSourceDoc::errorLineTooLong) {
        text.assign("Command failed. Maximum line length exceeded.");
    } else if (documentError == CSourceDoc::errorReadOnly) {
        text.assign("Command failed. Document is read-only.");
    } else if (clipboard && viewError == viewErrorClipboardMemory) {
        text.assign("Clipboard memory error.");
    } else if (clipboard) {
        text.assign("Clipboard error: ");
        text.append(hexAndDecimal(viewError));
        text.append(".");
    } else if (operation == opPrinting && viewError == viewErrorMargins) {
        text.assign("Invalid printing margins.");
    } else if (operation == opPrinting) {
        text.assign("Printing error: ");
        text.append(hexAndDecimal(viewError));
        text.append(".");
    } else {
        text.assign("Command failed. Doc error ");
        text.append(hexAndDecimal(documentError));
        text.append(". View error ");
        text.append(hexAndDecimal(viewError));
        text.append(".");
    }
    messageBox(text, gbuttons::ok, gicon::error);
}
