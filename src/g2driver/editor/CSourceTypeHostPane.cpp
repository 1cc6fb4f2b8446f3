#include "g2driver/editor/CSourceTypeHostPane.h"

#include "g2driver/editor/dataSourcePanes.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/sources/ui/CDataSourcePane.h"
#include "resources/stringTable.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int replaceQuestion = 10671;
constexpr int parameterQuestion = 10634;

gstrSlice typeName(int paneType) { return gstrSlice(stringTableText(g2sourcePane::nameId(paneType))); }

} // namespace

CSourceTypeHostPane::CSourceTypeHostPane(int templateId, const g2driverSourceTables& tables, QWidget* parent)
    : CDialog(templateId, parent), tables_(tables)
{
}

// The pane is a child window: it goes before the host's own children.
CSourceTypeHostPane::~CSourceTypeHostPane() { pane_.reset(); }

void CSourceTypeHostPane::addSourceTypeControls(int x, int y, int cx, int placeholderHeight)
{
    addLabel(-1, "&Source type:", x, y + 2, 48, 8);
    auto* combo = addComboBox(sourceTypeId, false, x + 50, y, cx - 50, 12);
    QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            onTypeSelected();
    });
    addLabel(placeholderId, "", x, y + 18, cx, placeholderHeight)->hide();
}

void CSourceTypeHostPane::measure()
{
    QWidget* placeholder = control(placeholderId);
    width_ = width();
    corner_ = placeholder->pos();
    fixedHeight_ = height() - placeholder->height();
}

void CSourceTypeHostPane::showSource(const g2driverDataSource* source, bool allowMultiple)
{
    int type = source ? source->getPaneType() : g2sourcePane::parameter;
    currentType_ = type;
    fillTypes(allowMultiple);
    std::unique_ptr<CDataSourcePane> pane = createSourcePane(type);
    if (pane && !pane->create(source))
        pane.reset();
    adopt(std::move(pane), type);
}

void CSourceTypeHostPane::adopt(std::unique_ptr<CDataSourcePane> pane, int paneType)
{
    pane_ = std::move(pane);
    currentType_ = paneType;
    if (!pane_) {
        relayout();
        return;
    }
    pane_->setElementCount(valueCount_);
    relayout();
    pane_->moveTo(corner_);
}

// A pane wider than the host widens it.
void CSourceTypeHostPane::relayout()
{
    int paneWidth = pane_ ? corner_.x() * 2 + pane_->width() : 0;
    resize(std::max(width_, paneWidth), fixedHeight_ + (pane_ ? pane_->getHeight() : 0));
}

void CSourceTypeHostPane::setValueCount(int32_t count)
{
    valueCount_ = count;
    if (pane_)
        pane_->setElementCount(count);
}

void CSourceTypeHostPane::fillTypes(bool allowMultiple)
{
    auto* combo = controlAs<QComboBox>(sourceTypeId);
    filling_ = true;
    combo->clear();
    int last = allowMultiple ? g2sourcePane::multiple : g2sourcePane::parameter;
    for (int type = 1; type <= last; ++type) {
        int32_t needed = g2sourcePane::valueKind(type);
        if (needed != 0 && needed != valueKind_)
            continue;
        combo->addItem(toUiText(typeName(type)), type);
        if (type == currentType_)
            combo->setCurrentIndex(combo->count() - 1);
    }
    if (combo->findData(currentType_) < 0)
        combo->setCurrentIndex(-1);
    filling_ = false;
}

void CSourceTypeHostPane::onTypeSelected()
{
    int type = controlAs<QComboBox>(sourceTypeId)->currentData().toInt();
    if (type == currentType_)
        return;
    std::unique_ptr<CDataSourcePane> pane = createSourcePane(type);
    if (!pane || !pane->create(nullptr)) {
        pane.reset();
        restoreSelection();
        return;
    }
    if (type != g2sourcePane::multiple && pane_ && !pane_->isUnchanged()) {
        gstr question;
        question.format(replaceQuestion, typeName(type));
        if (messageBox(question, gbuttons::okCancel, gicon::none, replaceQuestion) != ganswer::ok) {
            pane.reset();
            restoreSelection();
            return;
        }
    }
    pane_.reset();
    adopt(std::move(pane), type);
}

// From the last entry down to the second; the first when none holds the
// current type.
void CSourceTypeHostPane::restoreSelection()
{
    auto* combo = controlAs<QComboBox>(sourceTypeId);
    int index = combo->count() - 1;
    while (index > 0 && combo->itemData(index).toInt() != currentType_)
        --index;
    filling_ = true;
    combo->setCurrentIndex(std::max(index, 0));
    filling_ = false;
}

int CSourceTypeHostPane::changeValueType(int32_t kind, bool allowMultiple)
{
    int32_t needed = g2sourcePane::valueKind(currentType_);
    if (needed != 0 && needed != kind) {
        if (messageBox(parameterQuestion, gbuttons::okCancel) != ganswer::ok)
            return 0;
        pane_.reset();
        valueKind_ = kind;
        std::unique_ptr<CDataSourcePane> pane = createSourcePane(g2sourcePane::parameter);
        if (pane && !pane->create(nullptr))
            pane.reset();
        adopt(std::move(pane), g2sourcePane::parameter);
    } else if (pane_ && !pane_->acceptValueKind(kind)) {
        return 0;
    }
    valueKind_ = kind;
    fillTypes(allowMultiple);
    return 1;
}

std::unique_ptr<g2driverDataSource> CSourceTypeHostPane::makeSource()
{
    return pane_ ? pane_->makeSource() : nullptr;
}

std::unique_ptr<CDataSourcePane> CSourceTypeHostPane::createSourcePane(int paneType)
{
    return makeDataSourcePane(*this, paneType);
}
