#include "g2driver/editor/CKeptDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "registers/sources/g2driverDataSource.h"

CKeptDataSourcePane::CKeptDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, templateId) {}

CKeptDataSourcePane::~CKeptDataSourcePane() = default;

bool CKeptDataSourcePane::create(const g2driverDataSource* source)
{
    if (!source)
        return false;
    kept_ = source->clone(host().tables());
    becomeChild(218, 30);
    gstr text(source->getKindName());
    gstr details = source->describe();
    if (!details.isEmpty()) {
        text.append(": ");
        text.append(details);
    }
    addLabel(kindId, "", 0, 0, 218, 28);
    setControlText(kindId, text);
    return true;
}

bool CKeptDataSourcePane::acceptValueKind(int32_t kind) { return kept_->acceptsValueKind(kind); }

std::unique_ptr<g2driverDataSource> CKeptDataSourcePane::makeSource() { return kept_->clone(host().tables()); }

// The copy's references to the object's parameters count as the source's.
void CKeptDataSourcePane::registerUses(gusesList& uses)
{
    kept_->setOwner(host().editedObject(), host().workingParameters());
    kept_->collectUses(uses);
}
