#pragma once

#include "platform/CDialog.h"
#include "registers/ui/argumentRows.h"

#include <memory>

class gprocessorCall;

// Edit Program Arguments: the arguments a call passes to its program, edited
// on copies; OK gives the call exactly the listed arguments.
class CEditProgramArgumentsDialog : public CDialog {
public:
    static constexpr int listId = 1031;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int newId = 1330;

    explicit CEditProgramArgumentsDialog(gprocessorCall& call, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void onDelete();
    void enableButtons(bool enable);

    gprocessorCall& call_;
    std::unique_ptr<argumentRows> rows_;
};
