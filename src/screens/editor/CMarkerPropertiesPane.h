#pragma once

#include "screens/editor/CAppearancePane.h"

struct gpropMarkerValues;

// The X-Y marker tab of the drawing-properties bar: the state register, the
// two coordinate registers with their values and ranges, and for the chosen
// state record (the static look, or one of five states) its enable flag and
// image. Its label and lines are edited in the Edit Label and Lines dialog.
class CMarkerPropertiesPane : public CAppearancePane {
public:
    static constexpr int templateId = 873;
    static constexpr int registerList = 1389, xLabel = 2131, xRegisterList = 1390, xValueLabel = 2134;
    static constexpr int xValueList = 2133, leftLabel = 2109, leftField = 1720, rightLabel = 2111;
    static constexpr int rightField = 1721, yLabel = 2132, yRegisterList = 1391, yValueLabel = 1584;
    static constexpr int yValueList = 1497, topLabel = 2098, topField = 2097, bottomLabel = 2099;
    static constexpr int bottomField = 2100, stateList = 1459, enableBox = 1249, labelAndLinesButton = 2130;
    static constexpr int widePreviewPlace = 1384;
    static constexpr int stateOfItem[6] = {12, 4, 3, 2, 0, 1};

    explicit CMarkerPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    // Left, right, top, then bottom.
    void commitEdits() override;
    void refillRegisterList() override;

    // The Edit Label and Lines dialog chose another state (a state list
    // index); a usable state that is not enabled may be enabled on the
    // user's word.
    void selectState(int item);
    // The record of the shown state, and whether it may be edited: its
    // flag is set and it agrees with the register.
    gpropMarkerValues* shownRecord();
    bool isRecordUsable();
    int32_t shownState() const;
    int stateItem() const;
    // Applies one property of the set with the state id.
    void applyMarkerProperty(int id, int stateId);

protected:
    gpropImageValue* editedImage() override;
    void applyChange(int id) override;
    void realStepped(int id, double value) override;

private:
    void loadState();
    void placePreview(bool wide);
    void chooseState(int item);
    void clickEnable();
    void enableShownRecord();
    void addCoordinate(int y, bool x);
    void chooseRegister(int id, int item);
    void runLabelAndLines();

    int wideLayout_ = -1;
};
