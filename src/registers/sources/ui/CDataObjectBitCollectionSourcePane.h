#pragma once

#include "registers/sources/gsourceDataObjectBitCollection.h"
#include "registers/sources/ui/CBitCollectionSourcePane.h"
#include "registers/sources/ui/CDataObjectBitSectionPage.h"

class gregisterSource;

namespace dataObjectBitSections {
inline gstr describe(const dataObjectBitSection& section) { return section.describe(); }
} // namespace dataObjectBitSections

// The pane of a G2D bit collection source: each section is a digital data
// object of a G2 device; the first column is the data object.
class CDataObjectBitCollectionSourcePane final
    : public CBitCollectionSourcePane<dataObjectBitSection, &dataObjectBitSections::describe,
                                      CDataObjectBitSectionPage, gsourceDataObjectBitCollection> {
public:
    CDataObjectBitCollectionSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

private:
    gsourceDataObjectBitCollection& newSource(gdigitalSupplement& supplement) override;
    void addSection(gsourceDataObjectBitCollection& source, dataObjectBitSection& section) override;
};
