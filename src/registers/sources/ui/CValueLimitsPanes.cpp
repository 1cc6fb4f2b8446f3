#include "registers/sources/ui/CValueLimitsPanes.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/editor/CSourceTypeHostPane.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverValueLimitsSource.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CSpinEdit.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr int noObjects = 10645;
constexpr int noLimits = 10651;
constexpr int lowerNotNumber = 10652;
constexpr int lowerNotDigital = 10654;
constexpr int upperNotNumber = 12600;
constexpr int upperNotDigital = 12601;
constexpr int lowerAboveUpper = 10113;

// The pane's own height and the child's, dialog units, without panels.
constexpr int paneWidth = 230;
constexpr int paneHeight = 36;
constexpr int childHeight = 64;

const char* const limitTypes[] = {"On if within or on the limits", "On if strictly within the limits",
                                  "On if outside or on the limits", "On if strictly outside the limits"};

} // namespace

CValueLimitsPane::CValueLimitsPane(CValueLimitsDataSourcePane& owner) : CDialog(templateId, &owner), owner_(&owner)
{
}

CValueLimitsPane::~CValueLimitsPane() = default;

void CValueLimitsPane::addSide(sideState& state, int x, const char* caption)
{
    const side& ids = *state.ids;
    addLabel(-1, caption, x, 0, 100, 8);
    addRadioButton(ids.noLimit, "&No limit", x, 10, 100, 10);
    addRadioButton(ids.fixed, "&Fixed limit:", x, 22, 52, 10);
    addControl(ids.edit, new CRealSpinEdit(), x + 54, 21, 56, 12);
    addRadioButton(ids.fromObject, "&Get limit from an object:", x, 36, 110, 10);
    addLabel(ids.label, "&Object:", x + 8, 50, 30, 8);
    addControl(ids.list, new CAutoWidthCombo(), x + 40, 48, 70, 60);
    state.panel = addControl(ids.panel, new CParameterValuesPanel(true), x, 62, 110, 1);
    auto* group = new QButtonGroup(this);
    for (int id : {ids.noLimit, ids.fixed, ids.fromObject}) {
        auto* button = controlAs<QRadioButton>(id);
        group->addButton(button);
        QObject::connect(button, &QRadioButton::clicked, this, [this, &state] {
            enableSide(state);
            resizeToPanels();
        });
    }
    QObject::connect(controlAs<QComboBox>(ids.list), &QComboBox::currentIndexChanged, this, [this, &state] {
        layOutPanel(state);
        resizeToPanels();
    });
}

void CValueLimitsPane::addControls()
{
    addSide(upper_, 0, "Upper Limit");
    addSide(lower_, 118, "Lower Limit");
}

void CValueLimitsPane::create(const QPoint& corner, int32_t kind, const g2driverValueLimitsSource* source)
{
    setParent(owner_, Qt::Widget);
    setDialogSize(paneWidth, childHeight);
    ensureInitialized();
    addControls();
    corner_ = corner;
    size_ = size();
    move(corner_);
    for (sideState* state : {&upper_, &lower_}) {
        setChecked(state->ids->noLimit, true);
        setControlText(state->ids->edit, "0");
        if (source)
            showSide(*state, *source);
        enableSide(*state);
    }
    g2driverDataObject* lower = source && source->lower().object ? source->lower().object->getDataObject() : nullptr;
    g2driverDataObject* upper = source && source->upper().object ? source->upper().object->getDataObject() : nullptr;
    applyValueKind(kind, lower, upper);
    if (lower)
        lower_.panel->setValues(source->lower().object->values());
    if (upper)
        upper_.panel->setValues(source->upper().object->values());
    show();
}

void CValueLimitsPane::showSide(sideState& state, const g2driverValueLimitsSource& source)
{
    const g2driverValueLimitsSource::limit& limit = state.isUpper ? source.upper() : source.lower();
    const side& ids = *state.ids;
    if (limit.object) {
        setChecked(ids.fromObject, true);
        return;
    }
    if (!limit.hasValue)
        return;
    setChecked(ids.fixed, true);
    bool digital = source.getComparedKind() == g2valueKind::digital;
    static_cast<CRealSpinEdit*>(control(ids.edit))->setValue(digital ? static_cast<double>(limit.digital) : limit.real);
}

// The side's radio buttons do not follow each other in id order.
int CValueLimitsPane::checkedOption(const side& ids) const
{
    for (int id : {ids.noLimit, ids.fixed, ids.fromObject}) {
        if (isChecked(id))
            return id;
    }
    return ids.noLimit;
}

void CValueLimitsPane::enableSide(sideState& state)
{
    const side& ids = *state.ids;
    int checked = checkedOption(ids);
    enableControl(ids.edit, checked == ids.fixed);
    enableControl(ids.label, checked == ids.fromObject);
    enableControl(ids.list, checked == ids.fromObject);
    layOutPanel(state);
}

void CValueLimitsPane::layOutPanel(sideState& state)
{
    g2driverDataObject* object = nullptr;
    if (checkedOption(*state.ids) == state.ids->fromObject)
        object = selectedObject(state);
    if (!object) {
        state.panel->clear();
        state.height = 0;
        return;
    }
    state.height = state.panel->setParameters(object->parameters().ordered());
}

void CValueLimitsPane::resizeToPanels()
{
    extraHeight_ = std::max(upper_.height, lower_.height);
    resize(size_.width(), size_.height() + extraHeight_);
    owner_->childResized();
}

g2driverDataObject* CValueLimitsPane::selectedObject(const sideState& state) const
{
    auto* list = controlAs<QComboBox>(state.ids->list);
    return static_cast<g2driverDataObject*>(itemObject(*list, list->currentIndex()));
}

void CValueLimitsPane::fillList(sideState& state, g2driverDataObject* selected)
{
    auto* list = controlAs<QComboBox>(state.ids->list);
    list->clear();
    for (g2driverDataObject* object : owner_->objectsOfKind(kind_, kind_))
        insertItemAt(*list, list->count(), object->getName(), object);
    int at = selected ? findItemObject(*list, selected) : -1;
    list->setCurrentIndex(at < 0 && list->count() > 0 ? 0 : at);
}

void CValueLimitsPane::applyValueKind(int32_t kind, g2driverDataObject* lower, g2driverDataObject* upper)
{
    if (kind != kind_) {
        kind_ = kind;
        fillList(lower_, lower);
        fillList(upper_, upper);
        layOutPanel(lower_);
        layOutPanel(upper_);
    }
    resizeToPanels();
}

void CValueLimitsPane::moveDown(int dy) { move(corner_ + QPoint(0, dy)); }

// A fixed side's number: any finite number for an analog object, a whole
// number of 32 bits for a digital one.
bool CValueLimitsPane::readFixed(const sideState& state, bool& hasValue, double& real, uint32_t& digital)
{
    const side& ids = *state.ids;
    hasValue = true;
    if (kind_ == g2valueKind::digital) {
        gstr text = controlText(ids.edit);
        if (parseUnsignedItem(text.data(), digital) != itemResult::end)
            return refuseField(ids.edit, state.isUpper ? upperNotDigital : lowerNotDigital);
        real = 0;
        return true;
    }
    if (!static_cast<CRealSpinEdit*>(control(ids.edit))->getValue(real))
        return refuseField(ids.edit, state.isUpper ? upperNotNumber : lowerNotNumber);
    return true;
}

bool CValueLimitsPane::storeSide(sideState& state, g2driverValueLimitsSource& target)
{
    g2driverValueLimitsSource::limit& limit = state.isUpper ? target.upper() : target.lower();
    const side& ids = *state.ids;
    limit = {};
    limit.real = state.isUpper ? HUGE_VAL : -HUGE_VAL;
    int checked = checkedOption(ids);
    if (checked == ids.fixed)
        return readFixed(state, limit.hasValue, limit.real, limit.digital);
    if (checked != ids.fromObject)
        return true;
    g2driverParameterValueTable values(5);
    if (!state.panel->getValues(values, false))
        return false;
    limit.object = g2driverValueLimitsSource::makeLimitReference(state.isUpper);
    limit.object->setDataObject(selectedObject(state));
    limit.object->copyValues(values);
    return true;
}

bool CValueLimitsPane::storeLimits(g2driverValueLimitsSource& target)
{
    bool lowerNone = checkedOption(lowerIds) == lowerIds.noLimit;
    bool upperNone = checkedOption(upperIds) == upperIds.noLimit;
    if (lowerNone && upperNone) {
        messageBox(noLimits, gbuttons::ok, gicon::warning);
        return false;
    }
    if (!storeSide(lower_, target) || !storeSide(upper_, target))
        return false;
    const auto& lower = target.lower();
    const auto& upper = target.upper();
    if (!lower.hasValue || !upper.hasValue)
        return true;
    bool below = kind_ == g2valueKind::digital ? lower.digital > upper.digital : upper.real < lower.real;
    return !below || refuseField(lowerIds.edit, lowerAboveUpper);
}

CValueLimitsDataSourcePane::CValueLimitsDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, templateId)
{
}

CValueLimitsDataSourcePane::~CValueLimitsDataSourcePane() = default;

std::vector<g2driverDataObject*> CValueLimitsDataSourcePane::objectsOfKind(int32_t kind, int32_t other) const
{
    std::vector<g2driverDataObject*> objects;
    jhashTypedIterator<g2driverDataObject> it(host().tables().dataObjects);
    g2driverDataObject* object = nullptr;
    while (it.get(object)) {
        int32_t type = object->getTypeCode();
        if (object->isDefined() && (type == kind || type == other))
            objects.push_back(object);
    }
    return objects;
}

void CValueLimitsDataSourcePane::addControls()
{
    addLabel(-1, "&Object:", 0, 2, 48, 8);
    addControl(objectId, new CAutoWidthCombo(), 50, 0, 100, 60);
    addLabel(-1, "&Limit type:", 0, 18, 48, 8);
    QComboBox* types = addComboBox(limitTypeId, false, 50, 16, 150, 60);
    for (const char* text : limitTypes)
        types->addItem(QString::fromLatin1(text));
    panel_ = addControl(panelId, new CParameterValuesPanel(true), 0, 32, paneWidth, 1);
    addLabel(childId, "", 0, paneHeight, paneWidth, 1);
    showControl(childId, false);
    QObject::connect(controlAs<QComboBox>(objectId), &QComboBox::currentIndexChanged, this,
                     [this] { onObjectChosen(); });
}

bool CValueLimitsDataSourcePane::create(const g2driverDataSource* source)
{
    becomeChild(paneWidth, paneHeight + childHeight);
    addControls();
    size_ = size();
    const auto* limits = static_cast<const g2driverValueLimitsSource*>(source);
    auto* objects = static_cast<CAutoWidthCombo*>(control(objectId));
    for (g2driverDataObject* object : objectsOfKind(g2valueKind::digital, g2valueKind::analog))
        insertItemAt(*objects, objects->count(), object->getName(), object);
    if (objects->count() == 0)
        return refuseCreate(noObjects);
    objects->fitDropDownWidth();
    int at = limits ? findItemObject(*objects, limits->reference().getDataObject()) : -1;
    objects->setCurrentIndex(at < 0 ? 0 : at);
    layOutPanel();
    int type = limits && limits->getLimitType() >= 1 ? limits->getLimitType() : g2driverValueLimitsSource::outside;
    selectItem(limitTypeId, type - 1);
    if (limits)
        panel_->setValues(limits->reference().values());
    child_ = new CValueLimitsPane(*this);
    child_->create(control(childId)->pos(), selectedObject()->getTypeCode(), limits);
    child_->moveDown(panelHeight_);
    created_ = true;
    childResized();
    return true;
}

g2driverDataObject* CValueLimitsDataSourcePane::selectedObject() const
{
    auto* objects = controlAs<QComboBox>(objectId);
    return static_cast<g2driverDataObject*>(itemObject(*objects, objects->currentIndex()));
}

void CValueLimitsDataSourcePane::layOutPanel()
{
    g2driverDataObject* object = selectedObject();
    panelHeight_ = object ? panel_->setParameters(object->parameters().ordered()) : 0;
}

void CValueLimitsDataSourcePane::onObjectChosen()
{
    if (!created_)
        return;
    layOutPanel();
    child_->applyValueKind(selectedObject()->getTypeCode(), nullptr, nullptr);
    child_->moveDown(panelHeight_);
    childResized();
}

void CValueLimitsDataSourcePane::childResized()
{
    if (!created_)
        return;
    resize(size_.width(), size_.height() + panelHeight_ + child_->extraHeight());
    heightChanged();
}

std::unique_ptr<g2driverDataSource> CValueLimitsDataSourcePane::makeSource()
{
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return nullptr;
    g2driverDataObject* object = selectedObject();
    auto source = std::make_unique<g2driverValueLimitsSource>();
    source->setComparedKind(object->getTypeCode());
    source->reference().setDataObject(object);
    source->reference().copyValues(values);
    source->setLimitType(selectedItem(limitTypeId) + 1);
    if (!child_->storeLimits(*source))
        return nullptr;
    return source;
}
