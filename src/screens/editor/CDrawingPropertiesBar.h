#pragma once

#include "platform/CDialog.h"
#include "screens/editor/drawingBarLink.h"
#include "screens/model/gdrawingDefaultsHooks.h"

#include <QBasicTimer>
#include <QIcon>
#include <array>

class CDrawingPane;
class QComboBox;
class QTabBar;
class gdrawingProperties;

// The dockable bar in which the user sees and changes the properties of
// graphic objects: a user-level list and twelve icon tabs, one pane per
// property set. It follows the active screen view: with objects selected it
// shows their gathered properties and every change applies to them at once;
// otherwise it shows and changes the drawing defaults. Its one-second timer
// makes indicators shown in a blink state blink.
class CDrawingPropertiesBar : public CDialog, public drawingBarTarget, public gdrawingDefaultsHooks {
public:
    static constexpr int tabControlId = 1214;
    static constexpr int userLevelId = 1293;
    static constexpr int tabCount = 12;
    // The property-set bit of each tab.
    static constexpr std::array<int, tabCount> tabMasks = {0x001, 0x004, 0x080, 0x100, 0x040, 0x800,
                                                           0x002, 0x008, 0x010, 0x020, 0x200, 0x400};

    explicit CDrawingPropertiesBar(QWidget* parent = nullptr);
    ~CDrawingPropertiesBar() override;

    // The bar of the main frame, null while there is none.
    static CDrawingPropertiesBar* instance();

    // drawingBarTarget.
    void showSelection(fscreen& screen) override;
    void showDefaults() override;
    void refreshScreenList() override;

    // A station was closed or opened: lists rebuilt, the defaults shown.
    void reset();
    void refreshRegisterLists();
    void refreshImageLists();
    void refreshProgramList();
    void paletteChanged(int foreground);

    // gdrawingDefaultsHooks.
    void resetDefaults() override;
    void refreshDefaults() override;

    gdrawingProperties* record() const { return record_; }
    fscreen* screen() const { return screen_; }
    int currentTab() const { return current_; }
    CDrawingPane* pane(int tab) const { return panes_[tab]; }
    bool isTabDisabled(int tab) const { return disabled_[tab] != 0; }
    QTabBar& tabs() const { return *tabs_; }
    QComboBox& userLevels() const { return *userLevels_; }
    // One tick of the blink timer.
    void blink();

protected:
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildIcons();
    void layOutPanes();
    void setTabDisabled(int tab, bool disabled);
    void tabChanged(int tab);
    void showRecord();
    void userLevelChosen(int item);

    QTabBar* tabs_;
    QComboBox* userLevels_;
    int current_ = -1;
    std::array<CDrawingPane*, tabCount> panes_{};
    std::array<QIcon, tabCount> icons_;
    std::array<QIcon, tabCount> disabledIcons_;
    std::array<unsigned char, tabCount> disabled_{};
    fscreen* screen_ = nullptr;
    gdrawingProperties* record_;
    QBasicTimer blinkTimer_;
};
