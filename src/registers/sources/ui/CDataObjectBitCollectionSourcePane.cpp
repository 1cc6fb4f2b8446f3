#include "registers/sources/ui/CDataObjectBitCollectionSourcePane.h"

namespace {

constexpr int dataObjectHeading = 10766;

} // namespace

CDataObjectBitCollectionSourcePane::CDataObjectBitCollectionSourcePane() : CBitCollectionSourcePane(dataObjectHeading) {}

std::unique_ptr<CSourcePane> CDataObjectBitCollectionSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectBitCollectionSourcePane>();
    if (const auto* collection = dynamic_cast<const gsourceDataObjectBitCollection*>(source))
        pane->load(*collection);
    return pane;
}

gsourceDataObjectBitCollection& CDataObjectBitCollectionSourcePane::newSource(gdigitalSupplement& supplement)
{
    return sourceAs<gsourceDataObjectBitCollection>(supplement.newDataObjectBitCollectionSource());
}

// A section of the source is made from the working record.
void CDataObjectBitCollectionSourcePane::addSection(gsourceDataObjectBitCollection& source,
                                                    dataObjectBitSection& section)
{
    auto made = std::make_unique<gsourceDataObjectBitSection>(source);
    section.applyTo(*made);
    source.collection().sections().push_back(std::move(made));
}
