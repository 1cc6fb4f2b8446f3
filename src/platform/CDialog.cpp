#include "platform/CDialog.h"

#include "platform/modalRun.h"
#include "platform/subclassHook.h"
#include "platform/textCodec.h"
#include "platform/textRoom.h"
#include "resources/stringTable.h"

#include <algorithm>
#include <map>

#include <QCheckBox>
#include <QComboBox>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char* const idProperty = "korvelControlId";

// A multi-line edit breaks lines with CR LF in the model and with LF on
// screen.
QString toEditText(const gstrSlice& text) { return toUiText(text).replace(QLatin1String("\r\n"), QLatin1String("\n")); }

gstr fromEditText(QString text) { return fromUiText(text.replace(QLatin1Char('\n'), QLatin1String("\r\n"))); }

int mulDiv(int value, int numerator, int denominator)
{
    long long v = static_cast<long long>(value) * numerator;
    return static_cast<int>((v >= 0 ? v + denominator / 2 : v - denominator / 2) / denominator);
}

// Only with its buddy does a label underline its mnemonic instead of
// showing the '&'.
void linkMnemonic(QWidget* previous, QWidget* next)
{
    auto* label = qobject_cast<QLabel*>(previous);
    if (label && next && !label->buddy() && label->text().contains(QLatin1Char('&')))
        label->setBuddy(next);
}

// Dialog units scale a template to our font, but our buttons, check boxes
// and texts need more room around their text than the template's platform
// gave them. A control whose text does not fit grows to the right (a
// right-aligned text to the left) and evenly up and down, so that the text
// stays on its line; its text is never cut.
void fitText(QWidget* widget)
{
    if (!widget)
        return;
    QSize room = textRoom(*widget);
    if (!room.isValid())
        return;
    QRect place = widget->geometry();
    if (room.width() > place.width()) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && (label->alignment() & Qt::AlignRight))
            place.setLeft(place.right() + 1 - room.width());
        else
            place.setWidth(room.width());
    }
    if (room.height() > place.height()) {
        int extra = room.height() - place.height();
        place.adjust(0, -(extra / 2), 0, extra - extra / 2);
        // Not above the top of its dialog.
        if (place.top() < 0)
            place.moveTop(0);
    }
    widget->setGeometry(place);
}

bool isStretchy(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget);
}

// Two places share a line when the middle of the lower one lies within the
// height of the other.
bool onOneRow(const QRect& a, const QRect& b)
{
    const QRect& low = a.height() <= b.height() ? a : b;
    const QRect& high = a.height() <= b.height() ? b : a;
    int middle = low.center().y();
    return middle >= high.top() && middle <= high.bottom();
}

// Moves next out of the way of grown, which lies before it: along the row
// when they share one (a field gives up some of its width and keeps its
// right edge, so that fields stay aligned), else down (buttons in a column
// keep their spacing). False when next is not after grown: on a shared row
// the control on the right gives way, even when it stands higher (a combo
// box beside its label), so that a label is never pushed under its field.
bool makeWay(const QWidget& grown, QWidget& next, int gapX, int gapY)
{
    QRect a = grown.geometry();
    QRect b = next.geometry();
    // A control that starts in the lower half of a taller one (a button
    // under a pane that grew) stands below it, not on its row.
    bool below = b.top() > a.top() + a.height() / 2;
    // One that starts at the same left edge as a small square control gives
    // way along the row too (a unit after a spin box's arrows, which went
    // right with their field).
    bool alongRow = b.left() != a.left() || (b.top() >= a.top() && a.width() < 2 * a.height());
    if (alongRow && onOneRow(a, b) && !below) {
        if (b.left() < a.left())
            return false;
        int dx = a.right() + 1 + gapX - b.left();
        if (isStretchy(&next) && 3 * (b.width() - dx) >= 2 * b.width())
            b.setLeft(b.left() + dx);
        else
            b.translate(dx, 0);
    } else if (b.top() > a.top()) {
        b.translate(0, a.bottom() + 1 + gapY - b.top());
    } else {
        return false;
    }
    next.setGeometry(b);
    return true;
}

// Push buttons the template stacked at one left edge with one width are a
// column: when one grew to show its text the others grow with it, so that
// the column stays straight.
void evenColumns(const std::vector<QWidget*>& shown)
{
    std::map<std::pair<int, int>, int> widest;
    for (QWidget* w : shown) {
        if (int placed = placedWidth(*w); placed > 0 && qobject_cast<QPushButton*>(w)) {
            int& width = widest[{w->x(), placed}];
            width = std::max(width, w->width());
        }
    }
    for (QWidget* w : shown) {
        if (int placed = placedWidth(*w); placed > 0 && qobject_cast<QPushButton*>(w))
            w->resize(widest[{w->x(), placed}], w->height());
    }
}

// Controls that grew to show their text may cover the controls after them
// on their row or below them: those move on, in order from the top left, a
// few rounds at most, as each move may reach the next control.
void makeRoom(QWidget& dialog)
{
    std::vector<QWidget*> shown;
    for (QObject* child : dialog.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && !w->isHidden() && !qobject_cast<QGroupBox*>(w))
            shown.push_back(w);
    }
    evenColumns(shown);
    int gapX = dialog.fontMetrics().averageCharWidth() / 2;
    int gapY = dialog.fontMetrics().height() / 4;
    for (int round = 0; round < 8; ++round) {
        std::sort(shown.begin(), shown.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        bool moved = false;
        for (QWidget* a : shown) {
            for (QWidget* b : shown) {
                if (a != b && a->geometry().intersects(b->geometry()))
                    moved = makeWay(*a, *b, gapX, gapY) || moved;
            }
        }
        if (!moved)
            return;
    }
}

// A control that grew may reach past the dialog's edge: when it is shown,
// the dialog makes room for it and grows with it.
class dialogFitter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || watched != parent())
            return false;
        // A sizeable window lays out its controls itself.
        auto* dialog = static_cast<QDialog*>(watched);
        if (dialog->isSizeGripEnabled())
            return false;
        makeRoom(*dialog);
        if (dialog->isWindow()) {
            keepMargin(*dialog);
            fit(*dialog);
            return false;
        }
        // A pane placed on a dialog grows too, and the dialog around it
        // makes room for it in turn (a bar docked in a frame as well).
        auto* owner = dynamic_cast<QDialog*>(dialog->parentWidget());
        if (!owner || owner->isSizeGripEnabled())
            return false;
        fit(*dialog);
        if (owner->isVisible()) {
            makeRoom(*owner);
            fit(*owner);
        }
        return false;
    }

private:
    static std::vector<QWidget*> shownControls(QWidget& dialog)
    {
        std::vector<QWidget*> shown;
        for (QObject* child : dialog.children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && !w->isWindow() && !w->isHidden())
                shown.push_back(w);
        }
        return shown;
    }

    // A page's template, shown as a window of its own, places its controls
    // on the page's edges: the window moves them in from its left and top
    // edges (fit then gives the right and bottom ones).
    static void keepMargin(QWidget& dialog)
    {
        int margin = dialog.fontMetrics().height() / 2;
        std::vector<QWidget*> shown = shownControls(dialog);
        QPoint least(margin, margin);
        for (QWidget* w : shown) {
            least.setX(std::min(least.x(), w->x()));
            least.setY(std::min(least.y(), w->y()));
        }
        QPoint in(least.x() < margin / 2 ? margin - least.x() : 0, least.y() < margin / 2 ? margin - least.y() : 0);
        if (in.isNull())
            return;
        for (QWidget* w : shown)
            w->move(w->pos() + in);
    }

    // A pane grows to hold its controls; a window keeps a margin beyond
    // them as well.
    static void fit(QWidget& dialog)
    {
        int margin = dialog.fontMetrics().height() / 2;
        int reach = dialog.isWindow() ? margin : 0;
        QSize needed = dialog.size();
        for (QWidget* w : shownControls(dialog)) {
            QRect place = w->geometry();
            if (place.right() + reach >= dialog.width())
                needed.setWidth(std::max(needed.width(), place.right() + 1 + margin));
            if (place.bottom() + reach >= dialog.height())
                needed.setHeight(std::max(needed.height(), place.bottom() + 1 + margin));
        }
        if (needed == dialog.size())
            return;
        // A layout that holds the dialog (a dock) keeps it at that size.
        if (!dialog.isWindow() && dialog.minimumSize() != QSize(0, 0))
            dialog.setMinimumSize(dialog.minimumSize().expandedTo(needed));
        dialog.resize(needed);
    }
};

} // namespace

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), templateId_(templateId)
{
    // The dialog base units of the dialog's font: the average width of the
    // 52 letters and the height of a line; a horizontal dialog unit is a
    // quarter of the one, a vertical unit an eighth of the other.
    QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseUnitX_ = (width / 26 + 1) / 2;
    baseUnitY_ = metrics.height();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    installEventFilter(new dialogFitter(this));
}

CDialog::~CDialog() = default;

int CDialog::DoModal() { return runModal(*this); }

void CDialog::createModeless()
{
    ensureInitialized();
    show();
}

void CDialog::ensureInitialized()
{
    if (initialized_)
        return;
    initialized_ = true;
    linkMnemonics();
    bool focusFirst = OnInitDialog();
    // The texts and tabs the dialog gave its controls as it started.
    for (QObject* child : children())
        fitText(qobject_cast<QWidget*>(child));
    if (focusFirst) {
        for (QWidget* w : creationOrder_) {
            if (w && w->isEnabled() && w->focusPolicy() != Qt::NoFocus && !qobject_cast<QLabel*>(w)) {
                w->setFocus();
                break;
            }
        }
    }
}

void CDialog::EndDialog(int result)
{
    ended_ = true;
    endResult_ = result;
    QDialog::done(result);
}

QWidget* CDialog::control(int id) const
{
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

int CDialog::controlId(const QWidget* widget)
{
    return widget ? widget->property(idProperty).toInt() : 0;
}

void CDialog::sendCommand(int id)
{
    auto it = handlers_.find(id);
    if (it != handlers_.end())
        it->second();
    else if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

void CDialog::onCommand(int id, std::function<void()> handler) { handlers_[id] = std::move(handler); }

void CDialog::onNotify(int id, int code, notifyHandler handler)
{
    notifyHandlers_[{id, code}] = std::move(handler);
}

bool CDialog::sendNotify(const notifyHeader& record)
{
    auto it = notifyHandlers_.find({record.id, record.code});
    if (it == notifyHandlers_.end())
        return false;
    it->second(record);
    return true;
}

bool CDialog::notifyParent(QWidget* parent, const notifyHeader& record)
{
    auto* dialog = dynamic_cast<CDialog*>(parent);
    return dialog && dialog->sendNotify(record);
}

void CDialog::enableControl(int id, bool enable)
{
    if (QWidget* w = control(id))
        w->setEnabled(enable);
}

bool CDialog::isControlEnabled(int id) const
{
    QWidget* w = control(id);
    return w && w->isEnabled();
}

void CDialog::showControl(int id, bool show)
{
    if (QWidget* w = control(id))
        w->setVisible(show);
}

bool CDialog::isControlShown(int id) const
{
    QWidget* w = control(id);
    return w && !w->isHidden();
}

void CDialog::focusControl(int id)
{
    QWidget* w = control(id);
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(w))
        multi->selectAll();
}

bool CDialog::hasFocus(int id) const
{
    QWidget* w = control(id);
    return w && w == focusWidget();
}

void CDialog::setChecked(int id, bool checked)
{
    if (auto* b = controlAs<QAbstractButton>(id))
        b->setChecked(checked);
}

bool CDialog::isChecked(int id) const
{
    auto* b = controlAs<QAbstractButton>(id);
    return b && b->isChecked();
}

void CDialog::checkRadioButton(int firstId, int lastId, int checkedId)
{
    for (int id = firstId; id <= lastId; ++id) {
        auto* b = controlAs<QAbstractButton>(id);
        if (!b)
            continue;
        // Radio buttons of one dialog are not grouped by Qt; the range is.
        bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(id == checkedId);
        b->setAutoExclusive(exclusive);
    }
}

int CDialog::checkedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id) {
        if (isChecked(id))
            return id;
    }
    return 0;
}

void CDialog::setControlText(int id, const gstrSlice& text)
{
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(toUiText(text));
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(w))
        multi->setPlainText(toEditText(text));
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(toUiText(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(toUiText(text));
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(toUiText(text));
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
        combo->setEditText(toUiText(text));
    fitText(w);
    // A text set while the dialog is up may grow over its neighbours.
    if (isVisible() && !isSizeGripEnabled())
        makeRoom(*this);
}

gstr CDialog::controlText(int id) const
{
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return fromUiText(edit->text());
    if (auto* multi = qobject_cast<QPlainTextEdit*>(w))
        return fromEditText(multi->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(w))
        return fromUiText(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return fromUiText(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return fromUiText(group->title());
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return fromUiText(combo->currentText());
    return gstr("");
}

int CDialog::addItem(int id, const gstrSlice& text)
{
    QWidget* w = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->addItem(toUiText(text));
        return combo->count() - 1;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->addItem(toUiText(text));
        return list->count() - 1;
    }
    return -1;
}

void CDialog::clearItems(int id)
{
    QWidget* w = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->clear();
    else if (auto* list = qobject_cast<QListWidget*>(w))
        list->clear();
}

int CDialog::itemCount(int id) const
{
    QWidget* w = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->count();
    if (auto* list = qobject_cast<QListWidget*>(w))
        return list->count();
    return 0;
}

gstr CDialog::itemText(int id, int index) const
{
    QWidget* w = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && index >= 0 && index < combo->count())
        return fromUiText(combo->itemText(index));
    if (auto* list = qobject_cast<QListWidget*>(w); list && index >= 0 && index < list->count())
        return fromUiText(list->item(index)->text());
    return gstr();
}

void CDialog::selectItem(int id, int index)
{
    QWidget* w = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(index);
    else if (auto* list = qobject_cast<QListWidget*>(w))
        list->setCurrentRow(index);
}

int CDialog::selectedItem(int id) const
{
    QWidget* w = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        auto* item = list->currentItem();
        return item && item->isSelected() ? list->row(item) : -1;
    }
    return -1;
}

bool CDialog::refuseField(int id, int messageId)
{
    return refuseField(id, gstrSlice(stringTableText(messageId)), messageId);
}

bool CDialog::refuseField(int id, const gstrSlice& text, int promptId)
{
    messageBox(text, gbuttons::ok, gicon::warning, promptId);
    focusControl(id);
    return false;
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::setDialogSize(int cx, int cy) { resize(dialogUnitsX(cx), dialogUnitsY(cy)); }

QRect CDialog::dialogUnits(int x, int y, int cx, int cy) const
{
    return {dialogUnitsX(x), dialogUnitsY(y), dialogUnitsX(cx), dialogUnitsY(cy)};
}

int CDialog::dialogUnitsX(int x) const { return mulDiv(x, baseUnitX_, 4); }

int CDialog::dialogUnitsY(int y) const { return mulDiv(y, baseUnitY_, 8); }

void CDialog::placeControl(int id, QWidget* widget, int x, int y, int cx, int cy)
{
    placeControlAt(id, widget, dialogUnits(x, y, cx, cy));
}

void CDialog::placeControlAt(int id, QWidget* widget, const QRect& pixels)
{
    widget->setParent(this);
    widget->setGeometry(pixels);
    // A drop-down combo's template height is that of its open list; the
    // closed box is as high as its font needs.
    if (qobject_cast<QComboBox*>(widget))
        widget->resize(pixels.width(), widget->sizeHint().height());
    rememberPlacement(*widget, widget->geometry());
    // A static text of two lines or more breaks its words.
    if (auto* label = qobject_cast<QLabel*>(widget); label && pixels.height() >= 2 * fontMetrics().height())
        label->setWordWrap(true);
    fitText(widget);
    tag(id, widget);
    if (auto* hook = dynamic_cast<CSubclassHook*>(widget))
        hook->PreSubclassWindow();
}

void CDialog::tag(int id, QWidget* widget)
{
    if (!creationOrder_.empty())
        linkMnemonic(creationOrder_.back(), widget);
    creationOrder_.push_back(widget);
    if (id <= 0)
        return;
    widget->setProperty(idProperty, id);
    widget->setObjectName(QStringLiteral("control%1").arg(id));
    controls_[id] = widget;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, this, [this, id] { sendCommand(id); });
    }
}

// A label's mnemonic moves the focus to the control that follows it, as a
// static text's does on the platform the dialogs were laid out for.
void CDialog::linkMnemonics()
{
    for (size_t i = 0; i + 1 < creationOrder_.size(); ++i)
        linkMnemonic(creationOrder_[i], creationOrder_[i + 1]);
}

QPushButton* CDialog::addButton(int id, const char* text, int x, int y, int cx, int cy, bool isDefault)
{
    auto* b = new QPushButton(toUiText(text));
    b->setDefault(isDefault);
    b->setAutoDefault(isDefault);
    return addControl(id, b, x, y, cx, cy);
}

QCheckBox* CDialog::addCheckBox(int id, const char* text, int x, int y, int cx, int cy)
{
    return addControl(id, new QCheckBox(toUiText(text)), x, y, cx, cy);
}

QRadioButton* CDialog::addRadioButton(int id, const char* text, int x, int y, int cx, int cy)
{
    return addControl(id, new QRadioButton(toUiText(text)), x, y, cx, cy);
}

QLabel* CDialog::addLabel(int id, const char* text, int x, int y, int cx, int cy)
{
    return addControl(id, new QLabel(toUiText(text)), x, y, cx, cy);
}

QGroupBox* CDialog::addGroupBox(int id, const char* text, int x, int y, int cx, int cy)
{
    auto* g = new QGroupBox(toUiText(text));
    placeControl(id, g, x, y, cx, cy);
    // Controls drawn over a group box stay children of the dialog.
    g->lower();
    return g;
}

QLineEdit* CDialog::addEdit(int id, int x, int y, int cx, int cy)
{
    return addControl(id, new QLineEdit, x, y, cx, cy);
}

QPlainTextEdit* CDialog::addMultiLineEdit(int id, int x, int y, int cx, int cy, bool readOnly)
{
    auto* e = new QPlainTextEdit;
    e->setReadOnly(readOnly);
    e->setTabChangesFocus(true);
    return addControl(id, e, x, y, cx, cy);
}

QComboBox* CDialog::addComboBox(int id, bool editable, int x, int y, int cx, int cy)
{
    auto* c = new QComboBox;
    c->setEditable(editable);
    return addControl(id, c, x, y, cx, cy);
}

QListWidget* CDialog::addListBox(int id, int x, int y, int cx, int cy)
{
    return addControl(id, new QListWidget, x, y, cx, cy);
}

void CDialog::accept() { sendCommand(IDOK); }

void CDialog::reject() { sendCommand(IDCANCEL); }
