#pragma once

#include "g2driver/editor/CSourceTypeHostPane.h"

#include <memory>

// Edit Source (template 825): one member of a multiple source, in the pane
// of its type under the host's "Source type" combo (multiple sources not
// offered). It takes the driver, data object, working parameters, value
// kind and number of values of the host it was opened from; after OK the
// caller takes the result. The member given is never changed.
//
//   CEditSourceDialog dialog(host, member, false, this);
//   if (dialog.DoModal() == IDOK) replace(member, dialog.takeResult());
class CEditSourceDialog : public CSourceTypeHostPane {
public:
    static constexpr int templateId = 825;

    CEditSourceDialog(CSourceTypeHostPane& owner, const g2driverDataSource* member, bool isNew, QWidget* parent);
    ~CEditSourceDialog() override;

    g2driverParameterTable& workingParameters() override { return owner_.workingParameters(); }
    g2driverDataObject* editedObject() const override { return owner_.editedObject(); }
    bool fillParameterCombo(QComboBox& combo, int32_t kind, const g2driverParameter* preselected) const override
    {
        return owner_.fillParameterCombo(combo, kind, preselected);
    }

    std::unique_ptr<g2driverDataSource> takeResult() { return std::move(result_); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CSourceTypeHostPane& owner_;
    const g2driverDataSource* member_;
    bool isNew_;
    std::unique_ptr<g2driverDataSource> result_;
};
