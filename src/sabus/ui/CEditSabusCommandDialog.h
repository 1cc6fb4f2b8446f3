#pragma once

#include "sabus/gsabusParameter.h"
#include "sabus/ui/CSabusRequestDialog.h"
#include "store/gprocessorCall.h"

#include <memory>

class CProgramCombo;
class CSabusParameterDialogBase;

// The Edit SABus Command dialog: the request's common fields, the program
// with its arguments and the parameters, all edited as copies until OK
// hands them to the command. A station without SCL programs shows 10180 and
// the dialog closes as cancelled.
class CEditSabusCommandDialog : public CSabusRequestDialog {
public:
    static constexpr int templateId = 709;
    static constexpr int parametersId = 1520;
    static constexpr int newParameterId = 1521;
    static constexpr int editParameterId = 1522;
    static constexpr int duplicateParameterId = 1523;
    static constexpr int deleteParameterId = 1524;
    static constexpr int programId = 1525;
    static constexpr int argsId = 1526;

    CEditSabusCommandDialog(gsabusRequest* source, gsabusRequest* target, QWidget* parent = nullptr);

    void OnNewParameter();
    void OnEditParameter();
    void OnDuplicateParameter();
    void OnArgs();

protected:
    bool fillOwnFields() override;
    bool checkOwnFields() override { return true; }
    void storeOwnFields(gsabusRequest& target) override;

private:
    gprocessorCall call_;
    CProgramCombo* program_ = nullptr;
    COwningList<gsabusParameter> parameters_;
};

// The parameter dialog of a kind (1 to 5) on the source and target
// parameters; null for any other kind.
std::unique_ptr<CSabusParameterDialogBase> makeSabusParameterDialog(int kind, const gsabusParameter* source,
                                                                    gsabusParameter* target, QWidget* parent);
