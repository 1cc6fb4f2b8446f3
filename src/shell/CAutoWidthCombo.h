#pragma once

#include <QComboBox>

// A combo box whose list, when it drops down, is wide enough for its
// longest entry (never narrower than the combo itself).
class CAutoWidthCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

    // The widest entry's text in the combo's font plus a vertical scroll
    // bar and 5 pixels; 0 for an empty combo. Set as the list's least width.
    int fitDropDownWidth();

    void showPopup() override;
};
