#pragma once

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/parameterListEditor.h"
#include "g2driver/model/g2driverCommandDataName.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "platform/CDialog.h"

#include <cstdint>

class CEditG2DeviceDriverDialog;
class QComboBox;

// What the Edit Command Template and Edit Command dialogs share: the
// working copies of the edited object's parameters in their list, and the
// tables that the element dialogs opened below bind their choices to. The
// template dialog offers the driver's parameters as well as its own to its
// elements; the command dialog offers its own only.
class CCommandDialogBase : public CDialog, public commandElementHost {
public:
    static constexpr int tagId = 1470;

    CEditG2DeviceDriverDialog& owner() const { return owner_; }
    bool includesDriverParameters() const { return includeDriverParameters_; }
    // The working copies of the edited object's parameters.
    g2driverParameterTable& parameterTable() { return parameters_; }
    // The command data names that the template's DATA element declares.
    g2driverCommandDataNameTable& commandDataNames() override { return dataNames_; }
    // The driver dialog's working programs.
    g2driverProgramTable* driverPrograms() override;
    // The dialog's own parameters in list order.
    garray<g2driverParameter> listedParameters() const { return parameterList_.listed(); }

    // Fills each of the count combos with the parameters of the value kind
    // (the driver's first when they are offered, then the dialog's own,
    // each in list order), the parameter as item data, and selects chosen[i]
    // in combo i. Answers 0 when the first combo stayed empty; otherwise
    // every combo without a selection selects its first entry and true is
    // answered.
    bool fillParameterCombos(QComboBox* const* combos, int count, int32_t kind,
                             g2driverParameter* const* chosen) override;

protected:
    CCommandDialogBase(int templateId, CEditG2DeviceDriverDialog& owner, bool includeDriverParameters,
                       const parameterListEditor::settings& parameterChoices, QWidget* parent);

    // The parameter list's label, list and buttons at the given place, in
    // dialog units: the list cx by cy, the buttons to its right.
    void addParameterList(int x, int y, int cx, int cy);

    parameterListEditor parameterList_;

private:
    CEditG2DeviceDriverDialog& owner_;
    bool includeDriverParameters_;
    g2driverParameterTable parameters_;
    g2driverCommandDataNameTable dataNames_{5};
};
