#include "g2driver/editor/CDerivedDataSourcePanes.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/editor/CSourceTypeHostPane.h"
#include "g2driver/model/g2driverDataObject.h"
#include "legacy/ui/objectItems.h"
#include "registers/sources/g2driverPatternMatchSource.h"
#include "registers/sources/g2driverValueListSource.h"
#include "shell/CNumberListEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>

namespace {

constexpr int noStringObjects = 10648;
constexpr int noDigitalObjects = 10646;
constexpr int emptyPattern = 10561;
constexpr int badPattern = 10562;
constexpr int badValues = 10650;
constexpr int noValues = 10649;
constexpr int paneWidth = 230;
constexpr int paneHeight = 66;

} // namespace

CDerivedDataSourcePane::CDerivedDataSourcePane(CSourceTypeHostPane& host, int templateId)
    : CDataSourcePane(host, templateId)
{
}

CDerivedDataSourcePane::~CDerivedDataSourcePane() = default;

bool CDerivedDataSourcePane::createFor(const g2driverDerivedDataSource* source, int32_t kind, int fieldId,
                                       const char* fieldLabel, const char* onText, const char* offText,
                                       int noObjectMessage)
{
    becomeChild(paneWidth, paneHeight);
    addLabel(-1, "&Object:", 0, 2, 40, 8);
    auto* objects = addComboBox(objectId, false, 42, 0, 110, 100);
    panel_ = addControl(panelId, new CParameterValuesPanel(true), 0, paneHeight, paneWidth, 1);
    addLabel(-1, fieldLabel, 0, 18, 40, 8);
    if (fieldId == CValueListDataSourcePane::valuesId)
        addControl(fieldId, new CNumberListEdit(), 42, 16, 188, 12);
    else
        addEdit(fieldId, 42, 16, 188, 12);
    addGroupBox(-1, "Polarity", 0, 32, paneWidth, 32);
    addRadioButton(normalId, "&Normal", 6, 42, 44, 10);
    addLabel(-1, onText, 52, 43, 176, 8);
    addRadioButton(invertedId, "In&verted", 6, 53, 44, 10);
    addLabel(-1, offText, 52, 54, 176, 8);
    auto* polarity = new QButtonGroup(this);
    polarity->addButton(controlAs<QAbstractButton>(normalId));
    polarity->addButton(controlAs<QAbstractButton>(invertedId));
    baseHeight_ = height();

    jhashTypedIterator<g2driverDataObject> it(host().tables().dataObjects);
    g2driverDataObject* object = nullptr;
    while (it.get(object)) {
        if (object->getTypeCode() == kind && object != host().editedObject())
            insertItemAt(*objects, objects->count(), object->getName(), object);
    }
    int at = source ? findItemObject(*objects, source->reference().getDataObject()) : -1;
    if (at < 0 && objects->count() == 0)
        return refuseCreate(noObjectMessage);
    objects->setCurrentIndex(at >= 0 ? at : 0);
    showParameters();
    if (source)
        panel_->setValues(source->reference().values());
    QObject::connect(objects, &QComboBox::currentIndexChanged, this, [this] {
        showParameters();
        heightChanged();
    });
    return true;
}

g2driverDataObject* CDerivedDataSourcePane::selectedObject() const
{
    auto* combo = controlAs<QComboBox>(objectId);
    return static_cast<g2driverDataObject*>(itemObject(*combo, combo->currentIndex()));
}

void CDerivedDataSourcePane::showParameters()
{
    g2driverDataObject* object = selectedObject();
    int extra = object ? panel_->setParameters(object->parameters().ordered()) : 0;
    resize(width(), baseHeight_ + extra);
}

bool CDerivedDataSourcePane::storeReference(g2driverDerivedDataSource& source)
{
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return false;
    source.reference().bindTable(&host().tables().dataObjects);
    source.reference().setDataObject(selectedObject());
    source.reference().copyValues(values);
    return true;
}

CPatternMatchDataSourcePane::CPatternMatchDataSourcePane(CSourceTypeHostPane& host)
    : CDerivedDataSourcePane(host, templateId)
{
}

bool CPatternMatchDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* match = static_cast<const g2driverPatternMatchSource*>(source);
    if (!createFor(match, 4, patternId, "&Pattern:", "(On if the pattern matches)",
                   "(On if the pattern doesn't match)", noStringObjects))
        return false;
    checkRadioButton(invertedId, normalId, match && match->getInvert() == 1 ? invertedId : normalId);
    if (match) {
        gstr text;
        match->pattern().toString(text, true);
        setControlText(patternId, text);
    }
    return true;
}

std::unique_ptr<g2driverDataSource> CPatternMatchDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverPatternMatchSource>();
    if (!storeReference(*source))
        return nullptr;
    gstr text = controlText(patternId);
    if (text.isEmpty())
        return refuseField(patternId, emptyPattern), nullptr;
    gregexp pattern(false);
    if (pattern.parse(text.data(), true, false) != 1)
        return refuseField(patternId, badPattern), nullptr;
    source->setPattern(pattern);
    source->setInvert(isChecked(invertedId) ? 1 : 0);
    return source;
}

CValueListDataSourcePane::CValueListDataSourcePane(CSourceTypeHostPane& host)
    : CDerivedDataSourcePane(host, templateId)
{
}

bool CValueListDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* list = static_cast<const g2driverValueListSource*>(source);
    if (!createFor(list, 2, valuesId, "&Values:", "(On if the value is in the list)",
                   "(On if the value is not in the list)", noDigitalObjects))
        return false;
    checkRadioButton(invertedId, normalId, list && list->getInvert() == 1 ? invertedId : normalId);
    if (list) {
        garrayVariable<uint32_t> values;
        for (uint32_t value : list->values())
            values.append(value);
        static_cast<CNumberListEdit*>(control(valuesId))->setValues(values);
    }
    return true;
}

std::unique_ptr<g2driverDataSource> CValueListDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverValueListSource>();
    if (!storeReference(*source))
        return nullptr;
    garrayVariable<uint32_t> values;
    if (!static_cast<CNumberListEdit*>(control(valuesId))->getValues(values))
        return refuseField(valuesId, badValues), nullptr;
    if (values.size() == 0)
        return refuseField(valuesId, noValues), nullptr;
    std::vector<uint32_t> list;
    for (int32_t i = 0; i < values.size(); ++i)
        list.push_back(values[i]);
    source->setValues(std::move(list));
    source->setInvert(isChecked(invertedId) ? 1 : 0);
    return source;
}
