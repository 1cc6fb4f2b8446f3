#pragma once

#include "platform/commandTarget.h"
#include "shell/CDocument.h"

#include <cstdint>

class fscreen;

// The document of one open screen window. The screen stays in the station's
// screen table; the document routes the screen editor's commands to it,
// opens the screen dialogs and keeps the window title equal to the screen's
// title. Its own modified flag is never set: edits mark the station.
class CScreenDoc : public CDocument, public commandTarget {
public:
    CScreenDoc() = default;

    fscreen* screen() const { return screen_; }
    // Takes the screen and its title (its tag when it has none).
    void setScreen(fscreen& screen);
    // The title again from the screen, and every view redrawn.
    void retitle();

    // The user dragged the drawn window frame: the tracker rectangles before
    // and after, in view coordinates.
    void moveScreenFrame(int32_t oldLeft, int32_t oldTop, int32_t oldRight, int32_t oldBottom, int32_t newLeft,
                         int32_t newTop, int32_t newRight, int32_t newBottom);
    void groupSelection();
    // Unbinds the view from the screen and closes the window.
    void onCloseDocument();

    // Every view takes the screen's size and picture again.
    void updateAllViews() override;

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;
    void notifyObjects(int argument, unsigned kindMask) override;

private:
    // The tool of a Drawing Tools button, -1 for another command.
    static int toolOfButton(int id);
    static int toolOfMenuItem(int id);
    static int subKindOfItem(int id);
    bool runEditCommand(int id);
    bool runDrawCommand(int id);
    bool runArrangeCommand(int id);
    bool runViewCommand(int id);
    bool updateEditCommand(commandState& state);
    bool updateDrawCommand(commandState& state);
    bool updateArrangeCommand(commandState& state);
    bool updateViewCommand(commandState& state);
    void chooseTool(int tool, bool fromButton);
    void showScreenProperties();
    void showGridSize();
    void showAlignObjects();
    void modifyObjects();
    void followSelection();

    fscreen* screen_ = nullptr;
};
