#pragma once

#include "platform/CDialog.h"
#include "sourceedit/ui/CSourceTokenInfo.h"

#include <vector>

class CColourCombo;
class CFontStyleCombo;

// The base of the Syntax Colours dialog: a list of items and, for the item
// chosen, its foreground, background and font style. Item 0 is the window
// background, item 1 the default style (entry 0 of the working table), every
// further item the table entry the item map gives. It edits the screen
// variant of the working table; Apply and OK call apply.
//
// A deriving dialog fills table and background, then calls setItemNames and
// setItemMap and selects item 0, all after the base's OnInitDialog.
class CSyntaxColoursDialog : public CDialog {
public:
    static constexpr int templateNumber = 400;
    static constexpr int itemListId = 4000;
    static constexpr int foregroundId = 4001;
    static constexpr int foregroundLabelId = 4002;
    static constexpr int backgroundId = 4003;
    static constexpr int backgroundLabelId = 4004;
    static constexpr int fontStyleId = 4005;
    static constexpr int fontStyleLabelId = 4006;
    static constexpr int applyId = 12321;

    CSyntaxColoursDialog(int templateId, QWidget* parent = nullptr);
    ~CSyntaxColoursDialog() override;

    // Names separated by "\n".
    void setItemNames(const gstrSlice& names);
    // entries[i] is the table entry of item i (items 0 and 1 are fixed).
    void setItemMap(const int* entries, int count);
    void setPalette(const uint32_t* colours, int count);
    void selectItem(int item);
    virtual void apply();

    CSourceTokenInfoArray table;
    // The window background: a colour reference.
    uint32_t background;

    // The 16 colours offered, in order.
    static const std::vector<uint32_t>& defaultPalette();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void showItem(int item);
    void chooseForeground(int entry);
    void chooseBackground(int entry);
    void chooseFontStyle(int entry);
    void enableColours(bool foreground, bool backgroundToo, bool style);
    void showColour(CColourCombo& combo, uint32_t colour, bool set);
    CSourceTokenInfo* itemEntry(int item);
    int currentItem() const;

    CColourCombo* foreground_;
    CColourCombo* background_;
    CFontStyleCombo* fontStyle_;
    std::vector<int> itemMap_;
    std::vector<uint32_t> palette_;
    gstr windowColourText_;
    gstr textColourText_;
    gstr defaultText_;
};
