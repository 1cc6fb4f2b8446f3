#pragma once

#include "platform/CDialog.h"

class analogNotationPane;
class CFontCombo;
class CMultiValueEdit;

// Edit Exponential Notation (template 843): whether a displayed analog
// number uses exponential notation and how the exponent is drawn, for the
// selected screen objects or the drawing defaults. The two check boxes have
// a third state for selections that differ, which a click never gives back.
class CEditExponentialNotationDialog : public CDialog {
public:
    static constexpr int useId = 1249;
    static constexpr int markerId = 1731;
    static constexpr int digitsId = 1211;
    static constexpr int plusSignId = 1372;
    static constexpr int fontId = 1268;
    static constexpr int reduceById = 2021;
    static constexpr int raiseById = 2022;

    CEditExponentialNotationDialog(analogNotationPane& pane, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableControls();
    // A numeric field is taken for the defaults, or when it holds a text;
    // false after its message.
    bool readNumber(int id, int least, int messageId, bool& taken, int32_t& value);

    analogNotationPane& pane_;
    CMultiValueEdit* marker_ = nullptr;
    CFontCombo* font_ = nullptr;
};
