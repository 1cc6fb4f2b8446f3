#pragma once

#include "platform/CDialog.h"

class CMarkerPropertiesPane;
struct gpropMarkerValues;

// Edit Label and Lines: the label (text and lettering), the X leader, the Y
// leader and the trace of the marker pane's chosen state record, and which
// register's text replaces the % symbols of the label. Unlike the pane it
// collects the user's changes and writes them on Apply, OK or a change of
// state.
class CLabelAndLinesDialog : public CDialog {
public:
    static constexpr int templateNumber = 874;
    static constexpr int stateList = 1459, labelGroup = 2140, textField = 2139, fontList = 1268;
    static constexpr int boldBox = 1039, italicBox = 1292, sizeLabel = 1437, sizeField = 1477;
    static constexpr int colourButton = 1474, alignmentLabel = 1012, alignmentList = 1011;
    static constexpr int titleButton = 2136, registerButton = 2137, registerList = 2138, applyButton = 1029;
    // Per line (X leader, Y leader, trace): group, enable box, width, style,
    // colour.
    static constexpr int lineGroups[3] = {2131, 2132, 2133};
    static constexpr int lineBoxes[3] = {1250, 1251, 1252};
    static constexpr int lineWidths[3] = {1511, 1512, 1510};
    static constexpr int lineStyles[3] = {1302, 1303, 1301};
    static constexpr int lineColours[3] = {1298, 1299, 1297};

    CLabelAndLinesDialog(CMarkerPropertiesPane& pane, QWidget* parent = nullptr);

    // Writes the changes into the record and the selected markers; with the
    // question the user may decline (true) or cancel (false). False also
    // when a field is refused.
    bool applyChanges(bool ask);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    gpropMarkerValues& edited();
    void loadRecord();
    void showLabel(bool on);
    void showLine(int line, bool on);
    void clickThreeState(int id);
    void clickLineBox(int line);
    void textEdited();
    void chooseColour(int id);
    void chooseTitle();
    void chooseRegisterButton();
    void chooseState(int item);
    // A field's whole number of at least minimum, or the refusal.
    bool checkNumber(int id, int minimum, int messageId);
    void put(int id);
    void changed() { changed_ = true; }

    CMarkerPropertiesPane& pane_;
    bool changed_ = false;
    bool labelOn_ = false;
    bool lineOn_[3] = {false, false, false};
    // The text field stands for texts that differ and the user typed nothing.
    bool textMixed_ = false;
    bool loading_ = false;
};
