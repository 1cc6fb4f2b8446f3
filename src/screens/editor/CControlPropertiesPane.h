#pragma once

#include "screens/editor/CDrawingPane.h"

// The control tab of the drawing-properties bar: what a push button of a
// screen does (run a program with arguments, open a screen of this station
// or of another one), its caption and whether it takes the screen's colour.
class CControlPropertiesPane : public CDrawingPane {
public:
    static constexpr int templateId = 583;
    static constexpr int programLabel = 1386, programList = 1384, argumentsButton = 1030;
    static constexpr int screenLabel = 1424, screenList = 1421, networkLabel = 1327;
    static constexpr int stationText = 1329, screenTagText = 1328, setButton = 1430;
    static constexpr int captionLabel = 1151, captionField = 1150, screenColourBox = 1425;

    explicit CControlPropertiesPane(QWidget* parent = nullptr);

    void loadFromObject() override;
    void refillScreenList() override;
    void refillProgramList() override;

private:
    void showTargets(int action);
    void chooseProgram(int item);
    void chooseScreen(int item);
    void setNetworkScreen();
    void captionEdited();
    void editArguments();
    // With the defaults a chosen action shows only its own target.
    void showDefaultsAction(int action);
};
