#pragma once

#include "platform/CDialog.h"

// Select Decoder Type (template 885), or Select Encoder Type in encoder
// mode: five radio buttons 1944 to 1948 choose the kind of a new coder.
class CSelectCoderTypeDialog : public CDialog {
public:
    static constexpr int firstRadioId = 1944;
    static constexpr int lastRadioId = 1948;

    CSelectCoderTypeDialog(bool encoder, QWidget* parent);

    // After OK: 1 to 5 (gcoderKind).
    int chosenKind() const { return kind_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool encoder_;
    int radioIndex_ = 0;
    int kind_ = 0;
};
