#include "shell/CSelectDialog.h"

#include "foundation/jhashIterator.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "shell/listWindowState.h"
#include "shell/toolbarImages.h"
#include "store/gstationState.h"
#include "store/gtitledObject.h"

#include <QItemSelectionModel>
#include <QResizeEvent>

#include <algorithm>

namespace {

// The template: client 220 x 150 dialog units, the list on the left and the
// buttons in a column on the right, New lowest.
constexpr int templateWidth = 220;
constexpr int templateHeight = 150;
constexpr int buttonX = 176;
constexpr int buttonWidth = 40;
constexpr int buttonHeight = 14;
// From the top of one button to the top of the next.
constexpr int buttonPitch = 18;

// Buttons keep their order from the top and measure their right offsets
// again where they now stand.
void lineUp(std::vector<CAnchoredButton*> buttons, int right, int top, int spacing, int clientWidth)
{
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const CAnchoredButton* a, const CAnchoredButton* b) { return a->y() < b->y(); });
    int widest = 0;
    for (CAnchoredButton* b : buttons)
        widest = std::max(widest, b->width());
    for (CAnchoredButton* b : buttons) {
        b->setGeometry(right - widest, top, widest, b->height());
        b->attach(clientWidth);
        top += b->height() + spacing;
    }
}

} // namespace

void CAnchoredButton::attach(int clientWidth)
{
    rightOffset_ = x() - clientWidth;
    top_ = y();
}

void CAnchoredButton::followRightEdge(int clientWidth, int)
{
    move(clientWidth + rightOffset_, top_);
}

CSelectDialog::CSelectDialog(const char* section, int dialogId, int iconId, const char* title)
    : CDialog(dialogId, nullptr), section_(section), iconId_(iconId)
{
    setWindowTitle(QString::fromLatin1(title));
    setWindowIcon(listWindowImage(iconId));
    setDialogSize(templateWidth, templateHeight);
    list_ = addControl(listId, new CFittedListCtrl, 4, 4, buttonX - 8, templateHeight - 8);
    addAnchoredButton(closeId, "Close", buttonX, 4, buttonWidth, buttonHeight);
    addAnchoredButton(editId, "&Edit...", buttonX, 22, buttonWidth, buttonHeight);
    addAnchoredButton(deleteId, "&Delete", buttonX, 40, buttonWidth, buttonHeight);
    addAnchoredButton(duplicateId, "D&uplicate...", buttonX, 58, buttonWidth, buttonHeight);
    addAnchoredButton(newId, "&New...", buttonX, 76, buttonWidth, buttonHeight);
    onCommand(closeId, [this] { hide(); });
    onCommand(editId, [this] { OnEdit(); });
    onCommand(deleteId, [this] { OnDelete(); });
    onCommand(duplicateId, [this] { OnDuplicate(); });
    onCommand(newId, [this] { OnNew(); });
    QObject::connect(list_, &QAbstractItemView::doubleClicked, this, [this] { sendCommand(editId); });
    // Edit, Delete and Duplicate act on the selected row: without one they
    // would do nothing, so they are disabled.
    QObject::connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this] { enableSelectionButtons(list_->getSelectedIndex() >= 0); });
}

// The window saves its placement and columns as it goes.
CSelectDialog::~CSelectDialog()
{
    if (created_)
        saveWindowState(*this, *list_, section_);
}

CAnchoredButton* CSelectDialog::addAnchoredButton(int id, const char* text, int x, int y, int cx, int cy)
{
    auto* button = addControl(id, new CAnchoredButton(QString::fromLatin1(text)), x, y, cx, cy);
    button->setAutoDefault(false);
    button->attach(width());
    buttons_.push_back(button);
    return button;
}

void CSelectDialog::create(CMainFrame* parent)
{
    setParent(parent, Qt::Window);
    setSizeGripEnabled(true);
    // Buttons that grew to show their texts stay one column of one width at
    // the template's right edge, with the template's spacing, and the list
    // ends before them.
    lineUp(buttons_, dialogUnitsX(buttonX + buttonWidth), dialogUnitsY(4), dialogUnitsY(buttonPitch - buttonHeight),
           width());
    list_->resize(buttons_.front()->x() - dialogUnitsX(4) - list_->x(), list_->height());
    list_->setUpColumns();
    list_->attach(width(), height());
    attached_ = true;
    emptyList();
    // The smallest size: two New buttons wide, down to the New button's
    // bottom and once more the margin above Close.
    QWidget* newButton = control(newId);
    minWidth_ = 2 * newButton->width();
    minHeight_ = newButton->geometry().bottom() + 1 + control(closeId)->y();
    setMinimumSize(minWidth_, minHeight_);
    ensureInitialized();
    restoreWindowState(*this, *list_, section_);
    created_ = true;
}

void CSelectDialog::emptyList()
{
    list_->clear();
    enableSelectionButtons(false);
}

void CSelectDialog::listDefinedObjects(const jhashTable& table)
{
    std::vector<gtitledObject*> objects;
    jhashIterator it(table);
    jhashObject* entry = nullptr;
    while (it.get(entry)) {
        auto* object = static_cast<gtitledObject*>(static_cast<jhashDatabaseObject*>(entry));
        if (object->isDefined())
            objects.push_back(object);
    }
    list_->insertObjects(objects);
}

void CSelectDialog::refresh()
{
    CMainFrame* frame = CMainFrame::instance();
    if (!isShownInLibraryMode() && frame && frame->libraryMode()) {
        hide();
        return;
    }
    setUpdatesEnabled(false);
    fillList();
    list_->sort();
    if (list_->rowCount() > 0) {
        list_->selectRow(0);
        enableSelectionButtons(true);
    } else {
        enableSelectionButtons(false);
    }
    setUpdatesEnabled(true);
}

bool CSelectDialog::isShownInLibraryMode() const { return false; }

bool CSelectDialog::canCreateObjects() const { return false; }

void CSelectDialog::enableSelectionButtons(bool enable)
{
    enableControl(deleteId, enable);
    enableControl(duplicateId, enable);
    enableControl(editId, enable);
}

void CSelectDialog::addNewObject(gtitledObject* object)
{
    stationState().modified = 1;
    list_->insertObject(object, true);
    enableSelectionButtons(true);
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

void CSelectDialog::OnNew() {}

void CSelectDialog::OnEdit() {}

void CSelectDialog::OnDelete() {}

void CSelectDialog::OnDuplicate() {}

void CSelectDialog::resizeEvent(QResizeEvent* event)
{
    CDialog::resizeEvent(event);
    layOut(event->size().width(), event->size().height());
}

void CSelectDialog::layOut(int clientWidth, int clientHeight)
{
    if (!attached_)
        return;
    for (CAnchoredButton* b : buttons_)
        b->followRightEdge(clientWidth, clientHeight);
    list_->fitToParent(clientWidth, clientHeight);
    // The template's usual offset, taken for a far one, would reach under
    // buttons that grew to show their texts.
    int room = buttons_.front()->x() - dialogUnitsX(4) - list_->x();
    if (list_->width() > room)
        list_->resize(room, list_->height());
}
