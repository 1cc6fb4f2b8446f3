#pragma once

#include "foundation/gfileName.h"
#include "foundation/gstr.h"
#include "platform/commandTarget.h"
#include "platform/runtimeConversation.h"

#include <QList>
#include <QMainWindow>
#include <QUrl>
#include <array>
#include <functional>
#include <map>
#include <memory>

class CDrawingToolsBar;
class CSelectDialog;
class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The MDI main window and the owner of the open station: its menus, eleven
// toolbars, drawing-properties bar, status bar and nine object-list windows,
// and the commands of the frame. Every command goes through routeCommand:
// the active view, its document, the frame, the application.
class CMainFrame : public QMainWindow {
public:
    // The object-list windows in creation order.
    enum listWindow {
        legacyDeviceDrivers,
        serialPorts,
        legacyDataMasks,
        registers,
        screens,
        sclPrograms,
        legacyParameters,
        sabusRequests,
        deviceDrivers,
        listWindowCount
    };
    // The toolbars in the order of the frame's members.
    enum toolbar {
        mainToolBar,
        editTools,
        objectLists,
        drawingTools,
        arrangingTools,
        newObjectTools,
        gridTools,
        alignmentTools,
        transformationTools,
        legacyObjectLists,
        legacyNewObjects,
        toolbarCount
    };

    static constexpr int statusBarId = 0xE801;
    static constexpr int drawingPropertiesBarId = 32900;
    static constexpr int lineIndicatorId = 32856;

    // The one main frame, null while there is none.
    static CMainFrame* instance();

    CMainFrame();
    ~CMainFrame() override;

    // Builds the bars and windows; false when a bar could not be made.
    // firstRun hides the two Legacy toolbars.
    bool create(bool firstRun);

    // State of the open file.
    bool libraryMode() const { return libraryMode_; }
    bool untitled() const { return untitled_; }
    const gstr& path() const { return path_; }
    bool maximizeDoc() const { return maximizeDoc_; }
    void setMaximizeDoc(bool on) { maximizeDoc_ = on; }
    static bool stationOpen();

    // A new untitled station: the path is the untitled name.
    void newStation();
    // Reads a station file or device-driver library through the station
    // loader, showing the Loading Station window meanwhile. Answers the
    // loader's result: 0 success, 1 the file cannot be opened, other codes
    // for load errors (the loader has shown them and the station is empty).
    int openFile(const gfileName& file);
    // Whether the open station may be discarded: a modified one is saved
    // when the user answers Yes to the question, kept on Cancel. On true it
    // is closed and every window showing it emptied.
    bool closeStation();
    // Save As: the save dialog, then the whole station under the chosen
    // name, which becomes the station's path. False when cancelled or when
    // the file could not be written.
    bool saveAs();
    // Files dropped on the frame: the first one is opened once the station
    // may go.
    void dropFiles(const QList<QUrl>& urls);
    void updateFrameTitle();

    // The last device-driver library saved or imported, empty before one.
    const gstr& lastLibraryPath() const { return lastLibraryPath_; }
    // How long Save and Test waits for the run-time program.
    void setRuntimeTiming(const runtimeTiming& timing) { runtimeTiming_ = timing; }
    // A command whose dialog belongs to another part of the program (the
    // batch tools, New Register, New SABus Request, Indicator Values, SCL
    // Syntax Colours): enabled by its rule once the dialog is given here.
    void setToolDialog(int command, std::function<void()> run);

    // Commands.
    void routeCommand(int id);
    commandState commandStateOf(int id);
    // Brings every menu item, button and status pane up to date.
    void updateCommandUi();
    commandMap& commands() { return commands_; }
    QAction* action(int id) const;
    QMdiArea* mdiArea() const { return mdiArea_; }

    // Bars and windows.
    QToolBar* toolbarAt(toolbar which) const { return toolbars_[which]; }
    QToolBar* toolbarById(int controlId) const;
    CDrawingToolsBar* drawingToolsBar() const;
    QDockWidget* drawingPropertiesBar() const { return drawingPropertiesBar_; }
    CSelectDialog* listWindowAt(listWindow which) const { return listWindows_[which]; }
    QLabel* statusPane(int id) const;
    // The status bar's panes in order: 0 for the message pane, then the ids.
    std::vector<int> statusPaneIds() const;

    template <class Screen>
    void setDrawingToolState(int position, const Screen* screen);
    void setDrawingToolState(int position, std::nullptr_t);

    // The splash window has gone: the frame takes up the palette.
    void activatePalette();
    bool paletteActive() const { return paletteActive_; }

    // Writes MaximizeApp, MaximizeDoc and the bars' state.
    void saveFrameState();
    // Ctrl+Space in a field: the Insert Symbol dialog types into it.
    void insertSymbol(QWidget* target);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Station file commands. documentsSaved: every document asks to save
    // itself; false when one refused.
    static bool documentsSaved();
    void addFileCommands();
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    bool saveBeforeClosing();
    bool saveUnderNewName();
    // Writes through a temporary file; on failure the user is told which
    // file was not written and why.
    bool writeStation(const gstrSlice& target, bool driversOnly);
    void refillListWindows();

    // Save and Test.
    void addSaveAndTestCommand();
    void OnSaveAndTest();
    bool saveForTest();
    bool handOverForTest();

    // Object, list, image, driver and tool commands.
    void addObjectCommands();
    void addToolDialogCommand(int id, std::function<bool()> rule, bool savesDocuments = false);
    void OnLoadImages();
    void OnReloadImages();
    void OnSaveDeviceDrivers();
    void OnImportDeviceDrivers();

    void createMenus();
    void createToolbars(bool firstRun);
    void createStatusBar();
    void createDrawingPropertiesBar();
    void createListWindows();
    void loadBarState();
    void addFrameCommands();
    void toggleListWindow(listWindow which);
    void toggleBar(QWidget* bar);
    QAction* makeAction(int id);
    commandTarget* activeViewTarget() const;

    bool libraryMode_ = false;
    bool untitled_ = true;
    bool maximizeDoc_ = false;
    gstr path_;
    std::array<CSelectDialog*, listWindowCount> listWindows_{};
    QDockWidget* drawingPropertiesBar_ = nullptr;
    std::array<QToolBar*, toolbarCount> toolbars_{};
    bool paletteActive_ = false;
    bool created_ = false;
    gstr lastLibraryPath_;
    runtimeTiming runtimeTiming_;
    // While Save and Test waits for the run-time program.
    bool testing_ = false;
    std::map<int, std::function<void()>> toolDialogs_;

    QMdiArea* mdiArea_ = nullptr;
    commandMap commands_;
    std::map<int, QAction*> actions_;
    std::map<int, QLabel*> statusPanes_;
};

#include "shell/CDrawingToolsBar.h"

template <class Screen>
void CMainFrame::setDrawingToolState(int position, const Screen* screen)
{
    drawingToolsBar()->setCategoryState(position, screen);
}
