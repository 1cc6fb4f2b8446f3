#include "registers/sources/ui/CLegacyStringsSourcePane.h"

#include "registers/gdigitalSupplement.h"
#include "registers/sources/ui/CTriggerListBox.h"

#include <QPushButton>

CLegacyStringsSourcePane::CLegacyStringsSourcePane() : CLegacySourcePane(616) {}

std::unique_ptr<CSourcePane> CLegacyStringsSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyStringsSourcePane>();
    if (const auto* strings = dynamic_cast<const gsourceLegacyStrings*>(source)) {
        pane->loadLocation(strings->location());
        pane->triggers_ = strings->triggers();
    }
    return pane;
}

bool CLegacyStringsSourcePane::create(CRegisterDialog& dialog)
{
    int y = addLocationControls();
    addLabel(-1, "&Triggers:", 0, y, 60, 8);
    list_ = addControl(triggersId, new CTriggerListBox(*this), 0, y + 10, 210, 60);
    addButton(CTriggerListBox::editId, "&Edit...", 216, y + 10, 60, 14)->setEnabled(false);
    addButton(CTriggerListBox::deleteId, "De&lete", 216, y + 26, 60, 14)->setEnabled(false);
    addButton(CTriggerListBox::duplicateId, "Duplic&ate...", 216, y + 42, 60, 14)->setEnabled(false);
    addButton(CTriggerListBox::newId, "&New...", 216, y + 58, 60, 14);
    becomeChildOf(dialog, 286, y + 72);
    if (!initLocation(noPortsMessage))
        return false;
    list_->fill(triggers_);
    return true;
}

bool CLegacyStringsSourcePane::validate()
{
    if (!validateLocation() || !list_->collect(triggers_))
        return false;
    commitLocation();
    return true;
}

void CLegacyStringsSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyStrings>(supplement.newLegacyStringsSource());
    applyLocation(source.location());
    source.triggers().swap(triggers_);
}
