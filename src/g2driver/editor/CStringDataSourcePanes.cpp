#include "g2driver/editor/CStringDataSourcePanes.h"

#include "formats/ui/CIntegerInputFormatPage.h"
#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CEditParameterTermsDialogs.h"
#include "g2driver/editor/CSourceTypeHostPane.h"
#include "registers/sources/g2driverBitMaskSource.h"
#include "registers/sources/ui/CBitMaskPane.h"
#include "g2driver/editor/CValuePatternsPage.h"
#include "g2driver/model/g2driverOnOffStringSource.h"
#include "registers/sources/g2driverDigitalStringsSource.h"
#include "registers/sources/g2driverStringSource.h"
#include "registers/sources/ui/CAllowedStringsPage.h"
#include "registers/sources/ui/COnOffPatternPane.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

CPagedDataSourcePane::CPagedDataSourcePane(CSourceTypeHostPane& host, int templateId)
    : CDataElementSourcePane(host, templateId)
{
}

// The page is a child window: it goes with the pane.
CPagedDataSourcePane::~CPagedDataSourcePane() = default;

bool CPagedDataSourcePane::createWithPage(const gcommandDataRef* reference,
                                          const std::function<CDataFormatPage*()>& makePage,
                                          const std::function<CDataFormatPage*()>& makeSecond)
{
    addDataElementControls(0);
    addLabel(placeholderId, "", 0, sharedHeight, 1, 1)->hide();
    page_ = makePage();
    int bottom = dialogUnitsY(sharedHeight) + page_->height();
    int wide = std::max(width(), page_->width());
    if (makeSecond) {
        QWidget* placeholder = addLabel(secondPlaceholderId, "", 0, 0, 1, 1);
        placeholder->move(0, bottom);
        placeholder->hide();
        second_ = makeSecond();
        bottom += second_->height();
        wide = std::max(wide, second_->width());
    }
    bottom += addControlsBelow(bottom);
    resize(wide, bottom);
    return initFromReference(reference);
}

void CPagedDataSourcePane::moveChildren(int extra)
{
    page_->moveTo(extra);
    if (second_)
        second_->moveTo(extra);
}

CStringDataSourcePane::CStringDataSourcePane(CSourceTypeHostPane& host) : CPagedDataSourcePane(host, templateId) {}

bool CStringDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* string = static_cast<const g2driverStringSource*>(source);
    return createWithPage(string ? &string->reference() : nullptr, [&] {
        page_ = new CStringMatchPage();
        page_->create(*this, placeholderId, string ? &string->match() : nullptr, 0);
        return page_;
    });
}

std::unique_ptr<g2driverDataSource> CStringDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverStringSource>();
    if (!storeIntoReference(source->reference()) || !page_->apply(source->match()))
        return nullptr;
    return source;
}

CDigitalStringsDataSourcePane::CDigitalStringsDataSourcePane(CSourceTypeHostPane& host)
    : CPagedDataSourcePane(host, templateId)
{
}

bool CDigitalStringsDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* strings = static_cast<const g2driverDigitalStringsSource*>(source);
    return createWithPage(strings ? &strings->reference() : nullptr, [&] {
        page_ = new CValuePatternsPage();
        page_->create(*this, placeholderId, strings ? &strings->patterns() : nullptr, 0);
        return page_;
    });
}

std::unique_ptr<g2driverDataSource> CDigitalStringsDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverDigitalStringsSource>();
    if (!storeIntoReference(source->reference()) || !page_->apply(source->patterns()))
        return nullptr;
    return source;
}

COnOffStringDataSourcePane::COnOffStringDataSourcePane(CSourceTypeHostPane& host)
    : CPagedDataSourcePane(host, templateId)
{
}

bool COnOffStringDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* onOff = static_cast<const g2driverOnOffStringSource*>(source);
    return createWithPage(onOff ? &onOff->reference() : nullptr, [&] {
        page_ = new COnOffPatternPane();
        page_->create(*this, placeholderId, onOff ? &onOff->patterns() : nullptr, 1);
        return page_;
    });
}

std::unique_ptr<g2driverDataSource> COnOffStringDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverOnOffStringSource>();
    if (!storeIntoReference(source->reference()) || !page_->apply(source->patterns()))
        return nullptr;
    return source;
}

CFilterDataSourcePane::CFilterDataSourcePane(CSourceTypeHostPane& host) : CPagedDataSourcePane(host, templateId) {}

bool CFilterDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* filter = static_cast<const g2driverFilterSource*>(source);
    auto makeMatch = [&] {
        match_ = new CStringMatchPage();
        match_->create(*this, placeholderId, filter ? &filter->match() : nullptr, 1);
        return match_;
    };
    auto makeAllowed = [&] {
        allowed_ = new CAllowedStringsPage();
        allowed_->create(*this, secondPlaceholderId, filter ? &filter->allowed() : nullptr, false);
        return allowed_;
    };
    return createWithPage(filter ? &filter->reference() : nullptr, makeMatch, makeAllowed);
}

std::unique_ptr<g2driverDataSource> CFilterDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverFilterSource>();
    if (!storeIntoReference(source->reference()) || !match_->apply(source->match()))
        return nullptr;
    if (!allowed_->collect(source->allowed()))
        return nullptr;
    return source;
}

namespace {

constexpr int noRotateParameters = 10687;
constexpr int oneRotateParameter = 10689;
constexpr int someRotateParameters = 10737;

} // namespace

CBitMaskDataSourcePane::CBitMaskDataSourcePane(CSourceTypeHostPane& host) : CPagedDataSourcePane(host, templateId) {}

CBitMaskDataSourcePane::~CBitMaskDataSourcePane() = default;

bool CBitMaskDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* bitMask = static_cast<const g2driverBitMaskSource*>(source);
    auto makeFormat = [&] {
        format_ = new CIntegerInputFormatPage();
        format_->create(*this, placeholderId, bitMask ? &bitMask->format() : nullptr, 1);
        return format_;
    };
    auto makeMasks = [&] {
        masks_ = new CBitMaskPane();
        masks_->create(*this, secondPlaceholderId, bitMask ? &bitMask->masks() : nullptr, false);
        return masks_;
    };
    if (!createWithPage(bitMask ? &bitMask->reference() : nullptr, makeFormat, makeMasks))
        return false;
    if (bitMask) {
        rotate_ = bitMask->rotateParameters();
        for (goffsetParameter& term : rotate_)
            term.rebindParameter(host().workingParameters());
    }
    showRotateCount();
    return true;
}

int CBitMaskDataSourcePane::addControlsBelow(int top)
{
    QWidget* label = addLabel(rotateCountId, "", 0, 0, 100, 8);
    QWidget* button = addButton(rotateEditId, "Edit...", 0, 0, 32, 14);
    label->move(0, top + dialogUnitsY(3));
    button->move(dialogUnitsX(104), top);
    below_ = {{label, label->pos()}, {button, button->pos()}};
    onCommand(rotateEditId, [this] { editRotateParameters(); });
    return dialogUnitsY(16);
}

void CBitMaskDataSourcePane::moveChildren(int extra)
{
    CPagedDataSourcePane::moveChildren(extra);
    for (const auto& [control, origin] : below_)
        control->move(origin.x(), origin.y() + extra);
}

void CBitMaskDataSourcePane::showRotateCount()
{
    gstr text;
    size_t count = rotate_.size();
    if (count == 0)
        text.loadString(noRotateParameters);
    else if (count == 1)
        text.loadString(oneRotateParameter);
    else
        text.format(someRotateParameters, static_cast<int32_t>(count));
    setControlText(rotateCountId, text);
}

void CBitMaskDataSourcePane::editRotateParameters()
{
    termList rotate(*this, rotate_);
    CEditRotateParametersDialog dialog(rotate, this);
    if (dialog.DoModal() == IDOK)
        showRotateCount();
}

// The rotate parameters count as the source's uses, with the offsets.
void CBitMaskDataSourcePane::registerUses(gusesList& uses)
{
    CPagedDataSourcePane::registerUses(uses);
    for (const goffsetParameter& term : rotate_)
        term.addReferences(uses);
}

std::unique_ptr<g2driverDataSource> CBitMaskDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverBitMaskSource>();
    if (!storeIntoReference(source->reference()) || !format_->apply(source->format()))
        return nullptr;
    if (!masks_->getValues(source->masks()))
        return nullptr;
    source->rotateParameters() = rotate_;
    return source;
}
