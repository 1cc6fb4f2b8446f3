#pragma once

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "g2driver/model/g2driverParameterTable.h"

#include <cstdint>
#include <map>

class QComboBox;
class QListWidget;
class g2driverParameter;

// Edit Data Object (template 785): the tag, parameters, value type, number
// of values, internal flag, value names and source of one data object of
// the driver being edited, all on working copies until OK. New (no source,
// no target) and Duplicate (source only) define the object in the driver's
// working data objects at OK; Edit (the object as both) changes it in place,
// keeping the identity of its parameters.
//
//   CEditDataObjectDialog dialog(workingTables, selected, selected, this);
//   if (dialog.DoModal() == IDOK) show(dialog.dataObject());
class CEditDataObjectDialog : public CSourceTypeHostPane {
public:
    static constexpr int templateId = 785;
    static constexpr int tagId = 1470;
    static constexpr int parametersId = 1750;
    static constexpr int editId = 1746;
    static constexpr int deleteId = 1747;
    static constexpr int duplicateId = 1748;
    static constexpr int newId = 1749;
    static constexpr int typeId = 1490;
    static constexpr int sizeId = 1718;
    static constexpr int internalId = 1844;
    static constexpr int valueNamesId = 1992;

    CEditDataObjectDialog(const g2driverSourceTables& tables, g2driverDataObject* source, g2driverDataObject* target,
                          QWidget* parent);
    ~CEditDataObjectDialog() override;

    // After OK: the object written (the new one for New and Duplicate).
    g2driverDataObject* dataObject() const { return target_; }

    g2driverParameterTable& workingParameters() override { return parameters_; }
    g2driverDataObject* editedObject() const override { return target_; }

    // The working parameters of the kind in list order, the preselected one
    // selected (else the first); false when none fits.
    bool fillParameterCombo(QComboBox& combo, int32_t kind, const g2driverParameter* preselected) const override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void addControls();
    void showSourceObject();
    QListWidget& list() const;
    g2driverParameter* selectedParameter() const;
    void enableParameterButtons();
    void enableByType();
    void typeSelected();
    void internalClicked();
    void sizeChanged();
    void newParameter();
    void duplicateParameter();
    void editParameter();
    void deleteParameter();
    // Runs the action while the pane's own parameter references count.
    template <class F>
    void withPaneUses(F action);
    bool readSize(int32_t& size);
    void storeParameters(g2driverDataObject& object) const;

    g2driverDataObject* source_;
    g2driverDataObject* target_;
    bool editing_;
    g2driverParameterTable parameters_;
    std::map<uint32_t, gstr> valueNames_;
    bool revertingType_ = false;
};
