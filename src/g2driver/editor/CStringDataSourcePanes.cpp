#include "g2driver/editor/CStringDataSourcePanes.h"

#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CValuePatternsPage.h"
#include "g2driver/model/g2driverOnOffStringSource.h"
#include "registers/sources/g2driverDigitalStringsSource.h"
#include "registers/sources/g2driverStringSource.h"
#include "registers/sources/ui/CAllowedStringsPage.h"
#include "registers/sources/ui/COnOffPatternPane.h"

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
