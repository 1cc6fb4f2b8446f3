#pragma once

#include "platform/CDialog.h"

class analogNotationPane;

// Edit Factor and Offset (template 842): the factor and offset applied to a
// displayed analog number, for the selected screen objects or the drawing
// defaults. A field whose objects differ starts empty and, left empty,
// changes nothing (for the defaults every field must hold a number).
class CEditFactorOffsetDialog : public CDialog {
public:
    static constexpr int factorId = 1259;
    static constexpr int offsetId = 1349;

    CEditFactorOffsetDialog(analogNotationPane& pane, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    analogNotationPane& pane_;
};
