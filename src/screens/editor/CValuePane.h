#pragma once

#include "screens/editor/CAppearancePane.h"

struct gpropValueText;
struct gstateText;

// The panes of the indicators that write a register's value (digital,
// string, analog): the register, the prefix and suffix, the settings of the
// kind, and five display states with their lettering and, for the masked
// and error states, a fixed text. The state list also chooses the state in
// which the editor draws every indicator of the kind.
class CValuePane : public CAppearancePane {
public:
    static constexpr int registerList = 1389, prefixLabel = 1381, prefixEdit = 1380;
    static constexpr int suffixLabel = 1469, suffixEdit = 1468;
    static constexpr int stateList = 1459, enableBox = 1249;
    static constexpr int wideColourButton = 1476, narrowColourButton = 1475, textButton = 1244;
    // The states of the state list's entries.
    static constexpr int stateOfItem[5] = {4, 3, 2, 0, 1};

    void loadFromObject() override;
    // The size field, then the kind's number fields.
    void commitEdits() override;

protected:
    CValuePane(int templateId, int mask, QWidget* parent);

    // Register, prefix and suffix at the top of the pane.
    void addRegisterAndTexts();
    // The state frame at height y.
    void addStateControls(int y);

    virtual gpropValueText& valueText() = 0;
    // The process-wide state the editor draws the kind in.
    virtual int32_t& previewState() = 0;
    virtual void loadRegister() = 0;
    virtual void storeRegister(void* item) = 0;
    // The settings of the kind between the texts and the states.
    virtual void loadSettings();
    virtual void commitSettings();

    gpropTextValues* editedText() override;
    // A property of the shown state.
    void applyChange(int id) override;
    // A property of the kind's settings (state argument 4).
    void applySetting(int id);

private:
    gstateText& shownState();
    void loadStateControls();
    void chooseState(int item);
    void clickEnable();
    void enterText();
    void textTyped(int id);
};
