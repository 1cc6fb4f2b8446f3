#include "screens/editor/CDrawingPane.h"

#include "foundation/jhashIterator.h"
#include "foundation/messageBoxes.h"
#include "platform/modalRun.h"
#include "platform/sharedListModel.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "screens/editor/CColorDialog.h"
#include "screens/model/fscreen.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gimageLibrary.h"
#include "shell/CColorButton.h"
#include "shell/CSpinEdit.h"
#include "shell/CStationEditorApp.h"
#include "store/gstation.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A three-state box that only the pane changes: a click tells the pane and
// leaves the box as it was.
class paneCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

} // namespace

uint32_t colourRef(const gcolor& colour)
{
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) | (uint32_t(colour.blue()) << 16);
}

CDrawingPane::CDrawingPane(int templateId, int mask, QWidget* parent) : CObjectPage(templateId, parent), mask_(mask)
{
    // A pane lives inside the bar, never in a window of its own.
    setWindowFlags(Qt::Widget);
}

void CDrawingPane::redrawPreviews() const
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->notifyScreenObjects(0, static_cast<unsigned>(mask_));
}

void CDrawingPane::OnOK() { commitEdits(); }
void CDrawingPane::OnCancel() {}

bool CDrawingPane::applyProperty(int id, int stateId, uint32_t number)
{
    if (!screen() || !record())
        return false;
    screen()->setSelectionProperties(mask_, id, stateId, number);
    loadControls();
    return true;
}

void CDrawingPane::enableWithLabel(int id, int labelId, bool enable)
{
    enableControl(id, enable);
    if (labelId > 0)
        enableControl(labelId, enable);
}

void CDrawingPane::showColour(int id, const gcolor& colour)
{
    auto* button = controlOf<CColorButton>(id);
    if (!button)
        return;
    if (colour.isSet())
        button->setColor(colourRef(colour));
    else
        button->clearColor();
    button->setEnabled(colour.hasValue());
}

void CDrawingPane::clearColour(int id)
{
    if (auto* button = controlOf<CColorButton>(id))
        button->clearColor();
}

void CDrawingPane::showMultiLineText(int id, const gtriStateString& text)
{
    auto* field = controlAs<QPlainTextEdit>(id);
    if (!field)
        return;
    QSignalBlocker quiet(field);
    setControlText(id, text.hasValue() ? static_cast<gstrSlice>(text.getValue()) : gstrSlice(""));
    showTextMixed(id, !text.hasValue());
}

void CDrawingPane::showTextMixed(int id, bool mixed)
{
    auto* field = controlAs<QPlainTextEdit>(id);
    if (!field)
        return;
    QPalette look = field->palette();
    look.setColor(QPalette::Base, systemColour(mixed ? sysColour::buttonFace : sysColour::window));
    field->setPalette(look);
}

gstr CDrawingPane::multiLineText(int id) const
{
    gstr typed = controlText(id);
    gstr lines;
    for (char c : typed.view()) {
        if (c != '\n')
            lines.append(c);
    }
    return lines;
}

void CDrawingPane::showCheck(int id, const gtriStateBool& value)
{
    auto* box = controlOf<QCheckBox>(id);
    if (!box)
        return;
    box->setCheckState(value.isMixed() ? Qt::PartiallyChecked : value.isTrue() ? Qt::Checked : Qt::Unchecked);
    box->setEnabled(value.isSet());
}

void CDrawingPane::showNumber(int id, const gtriInt& value, int emptyBelow)
{
    auto* edit = controlOf<CNonNegativeSpinEdit>(id);
    if (!edit)
        return;
    if (value.get() >= 0 && value.get() >= emptyBelow)
        edit->setValue(value.get());
    else
        edit->setText(QString());
    edit->setModified(false);
}

void CDrawingPane::showItem(int id, int item)
{
    if (auto* list = controlOf<QComboBox>(id))
        list->setCurrentIndex(item >= 0 && item < list->count() ? item : -1);
}

bool CDrawingPane::chooseColour(int buttonId, gcolor& field)
{
    auto* button = controlOf<CColorButton>(buttonId);
    gcolor initial;
    if (button && button->hasColor()) {
        uint32_t ref = button->getColor();
        initial.set(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
    }
    CColorDialog dialog(initial.isSet() ? colourRef(initial) : 0xFFFFFF, this);
    if (dialog.DoModal() != IDOK)
        return false;
    uint32_t ref = dialog.getColor();
    gcolor chosen(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
    field = chosen;
    if (editsDefaults() && button)
        button->setColor(colourRef(chosen));
    return true;
}

bool CDrawingPane::enterCommonText(gtriStateString& text)
{
    gstr entered;
    askText(entered, true, text.hasValue() ? static_cast<gstrSlice>(text.getValue()) : gstrSlice(""));
    if (entered.isNull())
        return false;
    text.set(entered);
    return true;
}

bool CDrawingPane::showsChecked(int id) const
{
    auto* box = controlOf<QCheckBox>(id);
    return box && box->checkState() == Qt::Checked;
}

int CDrawingPane::clickedCheck(int id, gtriStateBool& field)
{
    auto* box = controlOf<QCheckBox>(id);
    int value = showsChecked(id) ? 0 : 1;
    field.set(value);
    if (editsDefaults() && box)
        box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
    return value;
}

CNonNegativeSpinEdit* CDrawingPane::addNumberField(int id, int minimum, int x, int y, int cx, int cy)
{
    auto* edit = addControl(id, new CNonNegativeSpinEdit, x, y, cx, cy);
    edit->spin().minimum = minimum;
    QObject::connect(edit, &QLineEdit::editingFinished, this, [this] { commitEdits(); });
    onNotify(id, spinStepCode, [this](const notifyHeader& h) {
        double value = static_cast<const spinStepNotify&>(h).value;
        numberStepped(h.id, static_cast<int32_t>(value));
    });
    return edit;
}

void CDrawingPane::numberStepped(int, int32_t) {}

void CDrawingPane::realStepped(int, double) {}

void CDrawingPane::addRealField(int labelId, const char* label, int id, int y)
{
    addLabel(labelId, label, 2, y + 2, 30, 8);
    auto* edit = addControl(id, new CRealSpinEdit, 34, y, 51, 12);
    QObject::connect(edit, &QLineEdit::editingFinished, this, [this] { commitEdits(); });
    onNotify(id, spinStepCode, [this](const notifyHeader& h) {
        if (record())
            realStepped(h.id, static_cast<const spinStepNotify&>(h).value);
    });
}

void CDrawingPane::showReal(int id, int labelId, const gtriStateDouble& value)
{
    auto* edit = controlOf<CRealSpinEdit>(id);
    if (!edit)
        return;
    if (value.hasValue())
        edit->setValue(value.value());
    else
        edit->setText(QString());
    edit->setModified(false);
    enableWithLabel(id, labelId, value.isSet());
}

bool CDrawingPane::commitReal(int id, int labelId, int messageId, gtriStateDouble& field)
{
    auto* edit = controlOf<CRealSpinEdit>(id);
    if (!edit || !edit->isModified())
        return false;
    edit->setModified(false);
    double value = 0;
    if (edit->getValue(value)) {
        field.set(value);
        if (editsDefaults())
            edit->setValue(value);
        return true;
    }
    showReal(id, labelId, field);
    edit->selectAll();
    messageBox(messageId, gbuttons::ok);
    return false;
}

QCheckBox* CDrawingPane::addTriStateBox(int id, const char* text, int x, int y, int cx, int cy)
{
    auto* box = addControl(id, new paneCheckBox(toUiText(text)), x, y, cx, cy);
    box->setTristate(true);
    return box;
}

bool CDrawingPane::numberModified(int id) const
{
    auto* edit = controlOf<CNonNegativeSpinEdit>(id);
    return edit && edit->isModified();
}

bool CDrawingPane::commitNumber(int id, int minimum, int messageId, gtriInt& field, int emptyBelow)
{
    auto* edit = controlOf<CNonNegativeSpinEdit>(id);
    if (!edit || !edit->isModified())
        return false;
    edit->setModified(false);
    int32_t value = 0;
    if (edit->getValue(value) && value >= minimum) {
        field.set(value);
        if (editsDefaults())
            showNumber(id, field, emptyBelow);
        return true;
    }
    showNumber(id, field, emptyBelow);
    edit->selectAll();
    messageBox(messageId, gbuttons::ok);
    return false;
}

int CDrawingPane::findItemData(int id, const void* object) const
{
    auto* list = controlOf<QComboBox>(id);
    if (!list)
        return -1;
    if (CSharedListModel* model = CSharedListModel::of(*list))
        return model->findData(object);
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->itemData(i).value<void*>() == object)
            return i;
    }
    return -1;
}

void* CDrawingPane::itemData(int id, int item) const
{
    auto* list = controlOf<QComboBox>(id);
    if (!list || item < 0 || item >= list->count())
        return nullptr;
    if (CSharedListModel* model = CSharedListModel::of(*list))
        return model->rowData(item);
    return list->itemData(item).value<void*>();
}

void CDrawingPane::doubleDropDownWidth(int id)
{
    if (auto* list = controlAs<QComboBox>(id))
        list->view()->setMinimumWidth(2 * list->width());
}

void CDrawingPane::fillSorted(int id, std::vector<listedItem>& items, const void* selected)
{
    if (!controlOf<QComboBox>(id))
        return;
    sortListedItems(items, listOrder::caseless);
    fillInOrder(id, items, selected);
}

void CDrawingPane::fillInOrder(int id, const std::vector<listedItem>& items, const void* selected)
{
    auto* list = controlOf<QComboBox>(id);
    if (!list)
        return;
    QSignalBlocker quiet(list);
    list->clear();
    appendListedItems(*list, items);
    list->setCurrentIndex(selected ? findItemData(id, selected) : -1);
}

void* CDrawingPane::wholeRegister(gregister& reg) { return &reg; }

namespace {

// The defined registers by name, ignoring case (equal names in the table's
// order); each item's object is its register.
sharedItems sortedRegisters()
{
    auto items = std::make_shared<std::vector<sharedItem>>();
    items->reserve(static_cast<size_t>(station::registers().count()));
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (reg->isDefined())
            items->push_back({toUiText(reg->getTitle(true)), reg});
    }
    sortListedItems(*items, listOrder::caseless);
    return items;
}

// The registers of the refill in progress; null outside one.
const sharedItems* sharedRegisters = nullptr;

CSharedListModel& registerListModel(QComboBox& list)
{
    CSharedListModel* model = CSharedListModel::of(list);
    return model ? *model : CSharedListModel::install(list);
}

} // namespace

CDrawingPane::registerListRefill::registerListRefill(bool none) : outer_(sharedRegisters)
{
    if (outer_)
        return;
    sorted_ = none ? std::make_shared<const std::vector<sharedItem>>() : sortedRegisters();
    sharedRegisters = &sorted_;
}

CDrawingPane::registerListRefill::~registerListRefill() { sharedRegisters = outer_; }

void CDrawingPane::setLeadingItems(int id, std::vector<sharedItem> items)
{
    if (auto* list = controlOf<QComboBox>(id))
        registerListModel(*list).setLeading(std::move(items));
}

// Keeping the registers of the part from the sorted list gives the order
// sorting them would: the sort is stable.
void CDrawingPane::fillRegisterList(int id, const void* selected, registerPart part)
{
    auto* list = controlOf<QComboBox>(id);
    if (!list)
        return;
    sharedItems registers = sharedRegisters ? *sharedRegisters : sortedRegisters();
    QSignalBlocker quiet(list);
    CSharedListModel& model = registerListModel(*list);
    if (part == wholeRegister)
        model.showAll(std::move(registers));
    else
        model.showPicked(std::move(registers), [part](void* reg) { return part(*static_cast<gregister*>(reg)); });
    list->setCurrentIndex(selected ? model.findData(selected) : -1);
}

void CDrawingPane::fillImageList(int id, const gstrSlice& selected, bool hasValue)
{
    if (!controlOf<QComboBox>(id))
        return;
    std::vector<listedItem> items;
    jhashTypedIterator<gbitmap> it(imageLibrary().table());
    gbitmap* image = nullptr;
    while (it.get(image))
        items.push_back({toUiText(image->getName()), QVariant::fromValue<void*>(image)});
    fillSorted(id, items, hasValue ? imageLibrary().find(selected) : nullptr);
}
