#include "registers/sources/ui/CLegacyFilterSourcePane.h"

#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceLegacyFilter.h"

#include <QComboBox>
#include <QLabel>

CLegacyFilterSourcePane::CLegacyFilterSourcePane() : CLegacySourcePane(556) {}

// The pane holds the patterns from the last to the first.
std::unique_ptr<CSourcePane> CLegacyFilterSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyFilterSourcePane>();
    if (const auto* filter = dynamic_cast<const gsourceLegacyFilter*>(source)) {
        pane->loadLocation(filter->location());
        const auto& patterns = filter->allowedStrings();
        pane->patterns_.assign(patterns.rbegin(), patterns.rend());
    }
    return pane;
}

bool CLegacyFilterSourcePane::create(CRegisterDialog& dialog)
{
    int y = addLocationControls();
    // The template's data type list, which a filter has no use for.
    addComboBox(unusedDataTypeId, false, 60, y, 150, 12)->hide();
    addLabel(pagePlaceholderId, "", 0, y, 286, 8)->hide();
    becomeChildOf(dialog, 286, y + CAllowedStringsPage::height);
    if (!initLocation(noPortsMessage))
        return false;
    page_.create(*this, pagePlaceholderId, &patterns_, true);
    return true;
}

bool CLegacyFilterSourcePane::validate()
{
    if (!validateLocation() || !page_.collect(patterns_))
        return false;
    commitLocation();
    return true;
}

void CLegacyFilterSourcePane::applyToString(gstringSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyFilter>(supplement.newLegacyFilterSource());
    applyLocation(source.location());
    source.allowedStrings().swap(patterns_);
}
