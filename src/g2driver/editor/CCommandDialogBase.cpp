#include "g2driver/editor/CCommandDialogBase.h"

#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "legacy/ui/objectItems.h"

#include <QComboBox>

CCommandDialogBase::CCommandDialogBase(int templateId, CEditG2DeviceDriverDialog& owner, bool includeDriverParameters,
                                       const parameterListEditor::settings& parameterChoices, QWidget* parent)
    : CDialog(templateId, parent), parameterList_(*this, parameters_, parameterChoices), owner_(owner),
      includeDriverParameters_(includeDriverParameters)
{
}

void CCommandDialogBase::addParameterList(int x, int y, int cx, int cy)
{
    addLabel(-1, "&Parameters:", x, y, cx, 8);
    addListBox(parameterListEditor::listId, x, y + 10, cx, cy);
    int buttonX = x + cx + 4;
    addButton(parameterListEditor::editId, "&Edit...", buttonX, y + 10, 50, 14);
    addButton(parameterListEditor::deleteId, "&Delete", buttonX, y + 27, 50, 14);
    addButton(parameterListEditor::duplicateId, "D&uplicate...", buttonX, y + 44, 50, 14);
    addButton(parameterListEditor::newId, "&New...", buttonX, y + 61, 50, 14);
    parameterList_.attach();
}

g2driverProgramTable* CCommandDialogBase::driverPrograms() { return &owner_.workingPrograms(); }

bool CCommandDialogBase::fillParameterCombos(QComboBox* const* combos, int count, int32_t kind,
                                             g2driverParameter* const* chosen)
{
    garray<g2driverParameter> offered;
    if (includeDriverParameters_)
        offered = owner_.listedParameters();
    garray<g2driverParameter> own = parameterList_.listed();
    for (int32_t i = 0; i < own.size(); ++i)
        offered.append(own[i]);
    for (int c = 0; c < count; ++c) {
        QComboBox& combo = *combos[c];
        for (int32_t i = 0; i < offered.size(); ++i) {
            g2driverParameter* parameter = offered[i];
            if (parameter->getKind() != kind)
                continue;
            insertItemAt(combo, combo.count(), parameter->getName(), parameter);
            if (chosen && parameter == chosen[c])
                combo.setCurrentIndex(combo.count() - 1);
        }
    }
    if (count < 1 || combos[0]->count() == 0)
        return false;
    for (int c = 0; c < count; ++c) {
        if (combos[c]->currentIndex() < 0 && combos[c]->count() > 0)
            combos[c]->setCurrentIndex(0);
    }
    return true;
}
