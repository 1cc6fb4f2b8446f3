#include "g2driver/editor/CStringDataSourcePanes.h"

#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CValuePatternsPage.h"
#include "registers/sources/g2driverDigitalStringsSource.h"
#include "registers/sources/g2driverStringSource.h"

CPagedDataSourcePane::CPagedDataSourcePane(CSourceTypeHostPane& host, int templateId)
    : CDataElementSourcePane(host, templateId)
{
}

// The page is a child window: it goes with the pane.
CPagedDataSourcePane::~CPagedDataSourcePane() = default;

bool CPagedDataSourcePane::createWithPage(const gcommandDataRef* reference,
                                          const std::function<CDataFormatPage*()>& makePage)
{
    addDataElementControls(0);
    addLabel(placeholderId, "", 0, sharedHeight, 1, 1)->hide();
    page_ = makePage();
    resize(width(), dialogUnitsY(sharedHeight) + page_->height());
    return initFromReference(reference);
}

void CPagedDataSourcePane::moveChildren(int extra) { page_->moveTo(extra); }

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
