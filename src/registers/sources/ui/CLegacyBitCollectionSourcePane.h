#pragma once

#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/ui/CBitCollectionSourcePane.h"
#include "registers/sources/ui/CBitSectionPage.h"

class gregisterSource;

namespace legacyBitSections {
inline gstr describe(const gsourceLegacyBitSection& section) { return section.location().describe(); }
} // namespace legacyBitSections

// The pane of a legacy bit collection source: each section reads bits at a
// data location of a legacy device; the first column is the command.
class CLegacyBitCollectionSourcePane final
    : public CBitCollectionSourcePane<gsourceLegacyBitSection, &legacyBitSections::describe, CBitSectionPage,
                                      gsourceLegacyBitCollection> {
public:
    CLegacyBitCollectionSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

private:
    gsourceLegacyBitCollection& newSource(gdigitalSupplement& supplement) override;
    void addSection(gsourceLegacyBitCollection& source, gsourceLegacyBitSection& section) override;
};
