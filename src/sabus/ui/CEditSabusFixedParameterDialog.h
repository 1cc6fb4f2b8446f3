#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

// One fixed parameter of a request: a printable text, OK only while it is
// not empty. Editing an entry in place keeps the template's caption; a new
// entry (New, Duplicate) has the caption "New Fixed Parameter".
class CEditSabusFixedParameterDialog : public CDialog {
public:
    static constexpr int templateId = 689;
    static constexpr int parameterId = 1530;

    CEditSabusFixedParameterDialog(const gstrSlice& text, bool inPlace, QWidget* parent = nullptr);

    // After OK: the text of the field.
    const gstr& text() const { return text_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableOk();

    gstr text_;
    bool inPlace_;
};
