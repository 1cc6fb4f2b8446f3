#pragma once

#include "screens/editor/CAppearancePane.h"

struct gstateAppearance;

// The multistate tab of the drawing-properties bar: the digital register of
// multistate indicators and the look of their states: masked, error, blink
// and one numbered state per register value, named after the register's
// value names. The user may type a number into the state list to add a
// state, or the beginning of an entry's text to pick it.
class CMultistatePropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 586;
    static constexpr int registerList = 1389, stateList = 1459, enableBox = 1249;
    static constexpr int textColourButton = 1474, textButton = 1244;
    // The fixed entries and their states; numbered entries follow.
    static constexpr int fixedEntries = 3;
    static constexpr int stateOfItem[fixedEntries] = {2, 0, 1};

    explicit CMultistatePropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    // Size, line width, then the typed state text.
    void commitEdits() override;
    void refillRegisterList() override;

protected:
    gpropLineValues* editedLine() override;
    gpropFillValues* editedFill() override;
    gpropTextValues* editedText() override;
    gpropImageValue* editedImage() override;
    void applyChange(int id) override;

private:
    gstateAppearance* shownState();
    void loadStateControls();
    // The entry of state number n, added at its place when missing; create:
    // the state is also enabled with the look pickState gives it.
    int findOrAddEntry(uint32_t number, bool create);
    void rebuildNumberedEntries(bool keepSelection);
    void chooseState(int item);
    void commitTypedText();
    // The number a typed text names: digits, or "Value" and digits.
    static bool readStateNumber(const gstr& text, uint32_t& number);
    void chooseRegister(int item);
    void clickEnable();
    void enterText();
    uint32_t entryNumber(int item) const;

    int lastIndex_ = -1;
    bool typed_ = false;
};
