#include "registers/sources/ui/CLegacyBitCollectionSourcePane.h"

#include <algorithm>

namespace {

constexpr int commandHeading = 10656;

} // namespace

CLegacyBitCollectionSourcePane::CLegacyBitCollectionSourcePane() : CBitCollectionSourcePane(commandHeading) {}

std::unique_ptr<CSourcePane> CLegacyBitCollectionSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyBitCollectionSourcePane>();
    if (const auto* collection = dynamic_cast<const gsourceLegacyBitCollection*>(source))
        pane->load(*collection);
    return pane;
}

gsourceLegacyBitCollection& CLegacyBitCollectionSourcePane::newSource(gdigitalSupplement& supplement)
{
    return sourceAs<gsourceLegacyBitCollection>(supplement.newLegacyBitCollectionSource());
}

// The section itself moves into the source.
void CLegacyBitCollectionSourcePane::addSection(gsourceLegacyBitCollection& source, gsourceLegacyBitSection& section)
{
    auto owned = std::find_if(sections_.begin(), sections_.end(), [&](const auto& s) { return s.get() == &section; });
    source.addSection(std::move(*owned));
    sections_.erase(owned);
}
