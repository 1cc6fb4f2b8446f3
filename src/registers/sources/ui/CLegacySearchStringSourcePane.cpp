#include "registers/sources/ui/CLegacySearchStringSourcePane.h"

#include "registers/gbistateSupplement.h"
#include "registers/sources/gsourceLegacySearchString.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

constexpr int paneWidth = 286;
constexpr int noSearchString = 10409;
constexpr int badSearchString = 10408;

} // namespace

CLegacySearchStringSourcePane::CLegacySearchStringSourcePane() : CLegacySourcePane(templateId) {}

std::unique_ptr<CSourcePane> CLegacySearchStringSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacySearchStringSourcePane>();
    if (const auto* search = dynamic_cast<const gsourceLegacySearchString*>(source)) {
        pane->loadLocation(search->location());
        pane->pattern_ = search->searchString();
        pane->inverted_ = search->getInvert() == 1 ? 1 : 0;
    }
    return pane;
}

bool CLegacySearchStringSourcePane::create(CRegisterDialog& dialog)
{
    int y = addLocationControls();
    addGroupBox(-1, "Polarity", 0, y, paneWidth, 38);
    addRadioButton(normalId, "&Normal", 8, y + 10, 60, 10);
    addLabel(-1, "(Alarm/On if the string is found)", 72, y + 11, 200, 8);
    addRadioButton(invertedId, "In&verted", 8, y + 24, 60, 10);
    addLabel(-1, "(Alarm/On if the string is not found)", 72, y + 25, 200, 8);
    auto* polarity = new QButtonGroup(this);
    polarity->addButton(controlAs<QRadioButton>(normalId));
    polarity->addButton(controlAs<QRadioButton>(invertedId));
    addLabel(-1, "&Search string:", 0, y + 46, 60, 8);
    addEdit(searchId, 62, y + 44, paneWidth - 62, 12);
    becomeChildOf(dialog, paneWidth, y + 58);
    if (!initLocation(noPortsMessage))
        return false;
    gstr text;
    pattern_.toString(text, true);
    setControlText(searchId, text);
    setChecked(inverted_ == 1 ? invertedId : normalId, true);
    return true;
}

bool CLegacySearchStringSourcePane::validate()
{
    if (!validateLocation())
        return false;
    gstr text = controlText(searchId);
    if (text.isEmpty())
        return refuseFocusOnly(searchId, noSearchString);
    // Compiled exactly as typed: no blanks skipped, no quotes taken.
    gregexp pattern(false);
    if (pattern.parse(text.data(), true, false) != 1)
        return refuseField(searchId, badSearchString);
    commitLocation();
    pattern_.transferFrom(pattern);
    inverted_ = isChecked(invertedId) ? 1 : 0;
    return true;
}

void CLegacySearchStringSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacySearchString>(supplement.newLegacySearchStringSource());
    applyLocation(source.location());
    source.takeSearchString(pattern_);
    source.setInvert(inverted_);
}
