#pragma once

#include "platform/commandTarget.h"

#include <QMainWindow>
#include <map>

class CG2DriverProgramEditorThread;
class QAction;
class QLabel;
class QMdiArea;
class QToolBar;

// The frame of the driver program editor ("Device Driver Program Editor"):
// a top-level window of its own, apart from the main frame, with its menu,
// tool bar, status bar and the windows of the driver programs open in it.
// Commands go to the active program window's view, its document, the
// frame's own commands, then the application. It belongs to the driver
// dialog that opened it (owner), so that the dialog's modal run, which
// blocks every other window, leaves the editor usable.
class CG2DriverProgramEditor : public QMainWindow {
public:
    static constexpr int toolBarId = 0xE800;
    static constexpr int statusBarId = 0xE801;
    static constexpr int titleId = 115;

    explicit CG2DriverProgramEditor(QWidget* owner = nullptr);
    ~CG2DriverProgramEditor() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    // The editor object that made the frame.
    CG2DriverProgramEditorThread* editor() const { return editor_; }
    void setEditor(CG2DriverProgramEditorThread* editor) { editor_ = editor; }
    QToolBar* toolBar() const { return toolBar_; }
    commandMap& commands() { return commands_; }
    QAction* action(int id) const;
    QLabel* statusPane(int id) const;

    // Whether program windows open maximised.
    bool maximizeDocuments() const { return maximizeDocuments_; }
    void setMaximizeDocuments(bool on) { maximizeDocuments_ = on; }

    void routeCommand(int id);
    commandState commandStateOf(int id);
    void updateCommandUi();

    // Writes whether the frame and its program windows are maximised and the
    // bars' state, for the next start.
    void saveFrameState();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void addCommands();
    void loadBarState();
    QAction* makeAction(int id);
    commandTarget* activeViewTarget() const;
    commandTarget* activeDocumentTarget() const;

    QMdiArea* mdiArea_;
    CG2DriverProgramEditorThread* editor_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    bool maximizeDocuments_ = false;
    commandMap commands_;
    std::map<int, QAction*> actions_;
    std::map<int, QLabel*> statusPanes_;
};
