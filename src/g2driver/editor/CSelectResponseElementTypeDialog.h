#pragma once

#include "platform/CDialog.h"

// Select Element Type for a response list: which kind of response element
// to add. The valid list (750) offers response data, the error list (777)
// the two error-code elements instead. OK leaves the chosen element type
// id (0 to 12) in choice().
class CSelectResponseElementTypeDialog : public CDialog {
public:
    static constexpr int validTemplateId = 750;
    static constexpr int errorTemplateId = 777;

    CSelectResponseElementTypeDialog(bool errorList, QWidget* parent);

    // The radio button of an element type id.
    static int buttonOf(int type);
    int choice() const { return choice_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool errorList_;
    int choice_ = 0;
};
