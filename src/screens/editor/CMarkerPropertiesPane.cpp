#include "screens/editor/CMarkerPropertiesPane.h"

#include "platform/modalRun.h"
#include "platform/sharedListModel.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "resources/stringTable.h"
#include "screens/editor/CLabelAndLinesDialog.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int staticMarkerText = 10347, enableQuestion = 10349;
constexpr int leftMessage = 10743, rightMessage = 10744, topMessage = 10741, bottomMessage = 10742;

void* analogPart(gregister& reg) { return reg.getAnalogSupplement(); }

const char* const stateNames[] = {"<Static marker>", "Off state", "On state", "Blink state", "Masked state",
                                  "Error state"};

} // namespace

CMarkerPropertiesPane::CMarkerPropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskMarker, parent)
{
    previewValues().markerState = gstate::plain;
    setDialogSize(87, 233);
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    setLeadingItems(registerList, {{toUiText(stringTableText(staticMarkerText)), nullptr}});
    registers->setCurrentIndex(0);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) { chooseRegister(registerList, item); });
    addCoordinate(16, true);
    addCoordinate(76, false);
    auto* states = addComboBox(stateList, false, 2, 136, 83, 80);
    for (const char* name : stateNames)
        states->addItem(QString::fromLatin1(name));
    states->setCurrentIndex(0);
    QObject::connect(states, &QComboBox::activated, this, [this](int item) { chooseState(item); });
    addTriStateBox(enableBox, "Enable", 2, 152, 36, 10);
    onCommand(enableBox, [this] { clickEnable(); });
    addImageControls(139, 0, "");
    addLabel(widePreviewPlace, "", 2, 164, 83, 40)->hide();
    addButton(labelAndLinesButton, "Label and lines...", 2, 214, 83, 14);
    onCommand(labelAndLinesButton, [this] { runLabelAndLines(); });
    placePreview(true);
}

void CMarkerPropertiesPane::addCoordinate(int y, bool x)
{
    addLabel(x ? xLabel : yLabel, x ? "&X coordinate" : "&Y coordinate", 2, y, 83, 8);
    int listId = x ? xRegisterList : yRegisterList;
    auto* registers = addControl(listId, new CAutoWidthCombo, 2, y + 10, 83, 12);
    doubleDropDownWidth(listId);
    QObject::connect(registers, &QComboBox::activated, this, [this, listId](int item) { chooseRegister(listId, item); });
    int valueLabelId = x ? xValueLabel : yValueLabel;
    int valueListId = x ? xValueList : yValueList;
    addLabel(valueLabelId, "&Value:", 2, y + 26, 24, 8);
    auto* values = addComboBox(valueListId, false, 28, y + 24, 57, 60);
    for (const char* name : {"Current", "Lowest", "Highest"})
        values->addItem(QString::fromLatin1(name));
    QObject::connect(values, &QComboBox::activated, this, [this, x](int item) {
        if (item < 0 || item >= 3 || !record())
            return;
        (x ? record()->marker.xShows : record()->marker.yShows).set(item + 1);
        applyMarkerProperty(x ? gprop::xShows : gprop::yShows, gstate::off);
    });
    if (x) {
        addRealField(leftLabel, "&Left:", leftField, y + 38);
        addRealField(rightLabel, "&Right:", rightField, y + 52);
    } else {
        addRealField(topLabel, "&Top:", topField, y + 38);
        addRealField(bottomLabel, "&Bottom:", bottomField, y + 52);
    }
}

void CMarkerPropertiesPane::placePreview(bool wide)
{
    if (wideLayout_ == (wide ? 1 : 0))
        return;
    wideLayout_ = wide ? 1 : 0;
    showControl(enableBox, !wide);
    QWidget* preview = control(imagePreview);
    preview->setGeometry(wide ? control(widePreviewPlace)->geometry() : dialogUnits(40, 164, 45, 40));
}

int32_t CMarkerPropertiesPane::shownState() const { return previewValues().markerState; }

int CMarkerPropertiesPane::stateItem() const
{
    for (int i = 0; i < 6; ++i) {
        if (stateOfItem[i] == shownState())
            return i;
    }
    return 0;
}

gpropMarkerValues* CMarkerPropertiesPane::shownRecord()
{
    return record() ? record()->marker.record(shownState()) : nullptr;
}

bool CMarkerPropertiesPane::isRecordUsable()
{
    const gpropMarkerValues* chosen = shownRecord();
    if (!chosen || !chosen->enable.isSet())
        return false;
    const auto& reg = record()->marker.reg;
    if (!reg.hasValue())
        return true;
    return (reg.get() == 0) == (shownState() == gstate::plain);
}

gpropImageValue* CMarkerPropertiesPane::editedImage()
{
    gpropMarkerValues* chosen = shownRecord();
    return chosen ? &chosen->image : nullptr;
}

void CMarkerPropertiesPane::applyMarkerProperty(int id, int stateId)
{
    if (!applyProperty(id, stateId) && record())
        loadState();
}

void CMarkerPropertiesPane::applyChange(int id) { applyProperty(id, shownState()); }

void CMarkerPropertiesPane::loadFromObject()
{
    const gpropMarker& set = record()->marker;
    int item = -1;
    if (set.reg.hasValue())
        item = set.reg.get() == 0 ? 0 : findItemData(registerList, referredObject(set.reg));
    showItem(registerList, item);
    enableControl(registerList, set.reg.isSet());
    showItem(xRegisterList, set.xReg.hasValue() ? findItemData(xRegisterList, referredObject(set.xReg)) : -1);
    enableWithLabel(xRegisterList, xLabel, set.xReg.isSet());
    showItem(xValueList, set.xShows.hasValue() ? set.xShows.get() - 1 : -1);
    enableWithLabel(xValueList, xValueLabel, set.xShows.isSet());
    showReal(leftField, leftLabel, set.xMinimum);
    showReal(rightField, rightLabel, set.xMaximum);
    showItem(yRegisterList, set.yReg.hasValue() ? findItemData(yRegisterList, referredObject(set.yReg)) : -1);
    enableWithLabel(yRegisterList, yLabel, set.yReg.isSet());
    showItem(yValueList, set.yShows.hasValue() ? set.yShows.get() - 1 : -1);
    enableWithLabel(yValueList, yValueLabel, set.yShows.isSet());
    showReal(topField, topLabel, set.yMaximum);
    showReal(bottomField, bottomLabel, set.yMinimum);
    loadState();
}

void CMarkerPropertiesPane::loadState()
{
    placePreview(shownState() == gstate::plain);
    showItem(stateList, stateItem());
    gpropMarkerValues& chosen = *shownRecord();
    bool usable = isRecordUsable();
    if (usable)
        showCheck(enableBox, chosen.enable);
    else
        showCheck(enableBox, gtriStateBool{});
    if (!usable || (chosen.enable.hasValue() && chosen.enable.get() == 0)) {
        loadImage(gpropImageValue{});
        enableControl(labelAndLinesButton, false);
        return;
    }
    loadImage(chosen.image);
    enableControl(labelAndLinesButton, true);
}

void CMarkerPropertiesPane::commitEdits()
{
    if (!record())
        return;
    gpropMarker& set = record()->marker;
    if (commitReal(leftField, leftLabel, leftMessage, set.xMinimum))
        applyMarkerProperty(gprop::xMinimum, gstate::off);
    if (commitReal(rightField, rightLabel, rightMessage, set.xMaximum))
        applyMarkerProperty(gprop::xMaximum, gstate::off);
    if (commitReal(topField, topLabel, topMessage, set.yMaximum))
        applyMarkerProperty(gprop::maximum, gstate::off);
    if (commitReal(bottomField, bottomLabel, bottomMessage, set.yMinimum))
        applyMarkerProperty(gprop::minimum, gstate::off);
}

void CMarkerPropertiesPane::realStepped(int id, double value)
{
    gpropMarker& set = record()->marker;
    struct {
        int field;
        gtriStateDouble* value;
        int property;
    } fields[] = {{leftField, &set.xMinimum, gprop::xMinimum},
                  {rightField, &set.xMaximum, gprop::xMaximum},
                  {topField, &set.yMaximum, gprop::maximum},
                  {bottomField, &set.yMinimum, gprop::minimum}};
    for (const auto& f : fields) {
        if (f.field == id) {
            f.value->set(value);
            applyMarkerProperty(f.property, gstate::off);
        }
    }
}

void CMarkerPropertiesPane::chooseRegister(int id, int item)
{
    if (!record() || item < 0)
        return;
    gpropMarker& set = record()->marker;
    void* data = itemData(id, item);
    if (id == registerList) {
        set.reg.set(static_cast<gregister*>(data));
        applyMarkerProperty(gprop::registerRef, gstate::off);
        return;
    }
    if (!data)
        return;
    bool x = id == xRegisterList;
    (x ? set.xReg : set.yReg).set(static_cast<ganalogSupplement*>(data));
    applyMarkerProperty(x ? gprop::xRegister : gprop::yRegister, gstate::off);
}

void CMarkerPropertiesPane::chooseState(int item)
{
    if (item < 0 || item >= 6)
        return;
    previewValues().markerState = stateOfItem[item];
    if (record())
        loadState();
    redrawPreviews();
}

void CMarkerPropertiesPane::enableShownRecord()
{
    gpropMarkerValues& chosen = *shownRecord();
    if (chosen.enable.hasValue() && chosen.enable.get() == 0) {
        int state = shownState();
        chosen.setStateDefault(state);
        int mode = 0;
        if (const gpropMarkerValues* source = record()->marker.pickState(state, mode))
            chosen.merge(*source, mode);
    }
    chosen.enable.set(1);
    applyMarkerProperty(gprop::enable, shownState());
}

void CMarkerPropertiesPane::clickEnable()
{
    gpropMarkerValues* chosen = shownRecord();
    if (!chosen)
        return;
    if (!showsChecked(enableBox)) {
        enableShownRecord();
        return;
    }
    chosen->enable.set(0);
    applyMarkerProperty(gprop::enable, shownState());
}

void CMarkerPropertiesPane::selectState(int item)
{
    if (item < 0 || item >= 6 || !record())
        return;
    showItem(stateList, item);
    if (stateOfItem[item] != shownState()) {
        previewValues().markerState = stateOfItem[item];
        gpropMarkerValues& chosen = *shownRecord();
        bool off = chosen.enable.hasValue() && chosen.enable.get() == 0;
        if (isRecordUsable() && off && messageBox(enableQuestion, gbuttons::yesNo) == ganswer::yes)
            enableShownRecord();
    }
    loadState();
    redrawPreviews();
}

void CMarkerPropertiesPane::refillRegisterList()
{
    const gpropMarker* set = record() ? &record()->marker : nullptr;
    fillRegisterList(registerList, set ? referredObject(set->reg) : nullptr);
    if (set && set->reg.hasValue() && set->reg.get() == 0) {
        auto* registers = controlOf<QComboBox>(registerList);
        QSignalBlocker quiet(registers);
        registers->setCurrentIndex(0);
    }
    fillRegisterList(xRegisterList, set ? referredObject(set->xReg) : nullptr, analogPart);
    fillRegisterList(yRegisterList, set ? referredObject(set->yReg) : nullptr, analogPart);
}

void CMarkerPropertiesPane::runLabelAndLines()
{
    if (!record() || !isRecordUsable())
        return;
    CLabelAndLinesDialog dialog(*this, this);
    dialog.DoModal();
    if (record())
        loadState();
}
