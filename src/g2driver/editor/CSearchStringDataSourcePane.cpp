#include "g2driver/editor/CSearchStringDataSourcePane.h"

#include "registers/sources/g2driverSearchStringSource.h"
#include "shell/CSpinEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int badWidth = 10524;
constexpr int emptySearchString = 10409;
constexpr int badSearchString = 10408;
constexpr int kindHeight = 62;

} // namespace

CSearchStringDataSourcePane::CSearchStringDataSourcePane(CSourceTypeHostPane& host)
    : CDataElementSourcePane(host, templateId)
{
}

CSearchStringDataSourcePane::~CSearchStringDataSourcePane() = default;

bool CSearchStringDataSourcePane::create(const g2driverDataSource* source)
{
    addDataElementControls(kindHeight);
    int top = sharedHeight;
    std::vector<QWidget*> own{
        addCheckBox(useWidthId, "Use fi&xed width:", 0, top + 2, 70, 10),
        addControl(widthId, new CNonNegativeSpinEdit(), 72, top, 44, 12),
        addLabel(-1, "&Search string:", 0, top + 20, 60, 8),
        addEdit(searchStringId, 62, top + 18, 168, 12),
        addGroupBox(-1, "Polarity", 0, top + 34, paneWidth, 26),
        addRadioButton(normalId, "&Normal", 6, top + 45, 44, 10),
        addLabel(-1, "(On if the string is found)", 52, top + 46, 64, 8),
        addRadioButton(invertedId, "In&verted", 118, top + 45, 44, 10),
        addLabel(-1, "(On if the string is not found)", 164, top + 46, 66, 8),
    };
    for (QWidget* control : own)
        children_.push_back({control, control->pos()});
    auto* polarity = new QButtonGroup(this);
    polarity->addButton(controlAs<QAbstractButton>(normalId));
    polarity->addButton(controlAs<QAbstractButton>(invertedId));
    QObject::connect(controlAs<QCheckBox>(useWidthId), &QCheckBox::toggled, this,
                     [this](bool on) { enableControl(widthId, on); });

    const auto* search = static_cast<const g2driverSearchStringSource*>(source);
    if (!initFromReference(search ? &search->reference() : nullptr))
        return false;
    checkRadioButton(invertedId, normalId, search && search->getInvert() == 1 ? invertedId : normalId);
    if (search) {
        gstr text;
        search->searchString().toString(text, true);
        setControlText(searchStringId, text);
    }
    bool fixed = search && search->getLength() != 0;
    setChecked(useWidthId, fixed);
    enableControl(widthId, fixed);
    static_cast<CNonNegativeSpinEdit*>(control(widthId))->setValue(fixed ? search->getLength() : 1);
    return true;
}

void CSearchStringDataSourcePane::moveChildren(int extra)
{
    for (const placed& child : children_)
        child.control->move(child.origin.x(), child.origin.y() + extra);
}

std::unique_ptr<g2driverDataSource> CSearchStringDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverSearchStringSource>();
    if (!storeIntoReference(source->reference()))
        return nullptr;
    int32_t width = 0;
    if (isChecked(useWidthId)) {
        if (!static_cast<CNonNegativeSpinEdit*>(control(widthId))->getValue(width) || width < 1)
            return refuseField(widthId, badWidth), nullptr;
    }
    source->setLength(width);
    gstr text = controlText(searchStringId);
    if (text.isEmpty())
        return refuseField(searchStringId, emptySearchString), nullptr;
    gregexp pattern(false);
    if (pattern.parse(text.data(), true, false) != 1)
        return refuseField(searchStringId, badSearchString), nullptr;
    source->setSearchString(pattern);
    source->setInvert(isChecked(invertedId) ? 1 : 0);
    return source;
}
