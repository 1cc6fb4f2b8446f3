#pragma once

#include <QComboBox>

class gfontName;

// The choice of one of the eight symbolic fonts of screens. The dialog gives
// the entries: with a default entry first (no font of its own), then one per
// symbolic font in the fixed order DEFAULT, ALTERNATE, MONOSPACE, SANS SERIF,
// SERIF, HELVETICA, TIMES, COURIER.
class CFontCombo : public QComboBox {
public:
    explicit CFontCombo(int hasDefaultEntry, QWidget* parent = nullptr);

    // A font that is none of the eight selects the default entry when there
    // is one, nothing otherwise.
    void selectFont(const gfontName* font);
    // No selection gives defaultFont; the default entry gives null.
    const gfontName* getFont(const gfontName* defaultFont) const;

private:
    int hasDefaultEntry_;
};
