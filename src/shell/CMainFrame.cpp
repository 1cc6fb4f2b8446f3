#include "shell/CMainFrame.h"

#include "g2driver/editor/CDeviceDriversDialog.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "legacy/ui/CLegacyListWindows.h"
#include "platform/screenFit.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "ports/gserialPort.h"
#include "ports/ui/CSerialPortsDialog.h"
#include "registers/gregister.h"
#include "resources/stringTable.h"
#include "sabus/ui/CSabusRequestsDialog.h"
#include "scl/ui/CSclProgramsDialog.h"
#include "screens/editor/CDrawingPropertiesBar.h"
#include "screens/editor/CScreensDialog.h"
#include "screens/model/fscreen.h"
#include "shell/CChildFrame.h"
#include "shell/CDocument.h"
#include "shell/CInsertSymbolDialog.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CRegistersDialog.h"
#include "shell/CSplashWindow.h"
#include "shell/CStationEditorApp.h"
#include "shell/listWindowState.h"
#include "shell/mainMenu.h"
#include "shell/toolbarImages.h"
#include "shell/toolbarTable.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

CMainFrame* theFrame = nullptr;

constexpr int overwriteIndicatorId = 0xE702;
constexpr int capsIndicatorId = 0xE700;
constexpr int numIndicatorId = 0xE701;
constexpr int barStateVersion = 5;

// Commands whose menu items and buttons show a check.
bool isCheckable(int id)
{
    switch (id) {
    case 32918: case 32898: case 32901: case 32902: case 32899: case 32910: case 32923: case 32922: case 32897:
    case 32889: case 32896: case 32905: case 32887: case 32886: case 32891: case 32883: case 32904: case 32925:
    case 32926: case 59392: case 59393: case 32900: case 32890: case 32820: case 32809: case 32817: case 32813:
    case 32935: case 32792: case 32810: case 32799: case 32789: case 32822: case 32932: case 32933: case 32934:
    case 32796: case 32806: case 32808: case 32821: case 32815: case 32803: case 32825: case 32805: return true;
    default: break;
    }
    for (int command : CDrawingToolsBar::commands) {
        if (command == id)
            return true;
    }
    return false;
}

QString uiString(int id) { return toUiText(gstrSlice(stringTableText(id))); }

// The commands that show or hide each list window, in creation order, as CMainFrame::listWindow:
// legacy drivers, ports, masks, registers, screens, programs, parameters, requests, device drivers.
constexpr int listWindowToggleCommands[] = {32922, 32898, 32923, 32901, 32902, 32899, 32897, 32910, 32918};
CSelectDialog* makeListWindow(int which)
{
    switch (which) {
    case CMainFrame::legacyDeviceDrivers: return new CLegacyDriversDialog;
    case CMainFrame::serialPorts: return new CSerialPortsDialog;
    case CMainFrame::legacyDataMasks: return new CLegacyDataMasksDialog;
    case CMainFrame::registers: return new CRegistersDialog;
    case CMainFrame::screens: return new CScreensDialog;
    case CMainFrame::sclPrograms: return new CSclProgramsDialog;
    case CMainFrame::legacyParameters: return new CLegacyParametersDialog;
    case CMainFrame::sabusRequests: return new CSabusRequestsDialog(CMainFrame::instance());
    default: return new CDeviceDriversDialog;
    }
}

// The toolbars in the order they are docked, a row ending at each -1.
constexpr int dockOrder[] = {
    CMainFrame::mainToolBar,    CMainFrame::editTools,      CMainFrame::objectLists,        CMainFrame::newObjectTools,
    -1,                         CMainFrame::drawingTools,   CMainFrame::arrangingTools,     CMainFrame::gridTools,
    CMainFrame::alignmentTools, CMainFrame::transformationTools, -1, CMainFrame::legacyObjectLists,
    CMainFrame::legacyNewObjects,
};

// Tiles the windows one above another (horizontal) or side by side.
void tile(QMdiArea& area, bool horizontal)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area.subWindowList()) {
        if (!w->isMinimized()) {
            w->showNormal();
            windows.append(w);
        }
    }
    if (windows.isEmpty())
        return;
    QRect space = area.viewport()->rect();
    int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QRect r = horizontal ? QRect(0, space.height() * i / n, space.width(), space.height() / n)
                             : QRect(space.width() * i / n, 0, space.width() / n, space.height());
        windows[i]->setGeometry(r);
    }
}

} // namespace

CMainFrame* CMainFrame::instance() { return theFrame; }

bool CMainFrame::stationOpen() { return stationState().open != 0; }

CMainFrame::CMainFrame() : path_("") { theFrame = this; }

CMainFrame::~CMainFrame()
{
    // Document windows still open go with the frame's widgets, after its
    // commands: their activation must not reach the frame any more.
    if (mdiArea_)
        QObject::disconnect(mdiArea_, nullptr, this, nullptr);
    // The list windows save their placement as they go, before the frame.
    for (CSelectDialog*& w : listWindows_) {
        delete w;
        w = nullptr;
    }
    if (theFrame == this)
        theFrame = nullptr;
}

bool CMainFrame::create(bool firstRun)
{
    setWindowTitle(QString::fromLatin1(applicationTitle));
    fitToScreen(*this, QSize(1024, 768));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    QObject::connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        updateFrameTitle();
        updateCommandUi();
    });
    createMenus();
    createToolbars(firstRun);
    createStatusBar();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    CSplashWindow::show(this);
    createDrawingPropertiesBar();
    createListWindows();
    addFrameCommands();
    loadBarState();
    created_ = true;
    // Buttons follow their commands' state while the program idles.
    auto* idle = new QTimer(this);
    QObject::connect(idle, &QTimer::timeout, this, [this] { updateCommandUi(); });
    idle->start(250);
    updateFrameTitle();
    updateCommandUi();
    return true;
}

QAction* CMainFrame::makeAction(int id)
{
    auto it = actions_.find(id);
    if (it != actions_.end())
        return it->second;
    auto* a = new QAction(this);
    a->setCheckable(isCheckable(id));
    a->setData(id);
    if (const char* tip = toolbarTip(id)) {
        a->setText(QString::fromLatin1(tip));
        a->setToolTip(QString::fromLatin1(tip));
    }
    std::string_view prompt = commandPrompt(id);
    if (!prompt.empty())
        a->setStatusTip(toUiText(gstrSlice(prompt.data(), int32_t(prompt.size()))));
    QObject::connect(a, &QAction::triggered, this, [this, id] {
        routeCommand(id);
        updateCommandUi();
    });
    addAction(a);
    actions_[id] = a;
    return a;
}

QAction* CMainFrame::action(int id) const
{
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::createMenus()
{
    QMenu* open[4] = {};
    for (const menuEntry& e : mainMenu()) {
        QMenu* owner = e.level > 0 ? open[e.level - 1] : nullptr;
        if (e.command == 0 && !e.text) {
            owner->addSeparator();
            continue;
        }
        QString text = QString::fromLatin1(e.text);
        if (e.command == 0) {
            open[e.level] = owner ? owner->addMenu(text) : menuBar()->addMenu(text);
            QObject::connect(open[e.level], &QMenu::aboutToShow, this, [this] { updateCommandUi(); });
            continue;
        }
        QAction* a = makeAction(e.command);
        int tab = text.indexOf(QLatin1Char('\t'));
        a->setText(tab < 0 ? text : text.left(tab));
        if (tab >= 0)
            a->setShortcut(QKeySequence::fromString(text.mid(tab + 1)));
        owner->addAction(a);
    }
}

void CMainFrame::createToolbars(bool firstRun)
{
    auto specs = toolbarTable();
    for (int which : dockOrder) {
        if (which < 0) {
            addToolBarBreak();
            continue;
        }
        const toolbarSpec& spec = specs[which];
        QToolBar* bar;
        if (which == drawingTools) {
            auto* tools = new CDrawingToolsBar(this);
            std::array<QAction*, CDrawingToolsBar::positionCount> positions{};
            for (int p = 0; p < CDrawingToolsBar::positionCount; ++p) {
                if (int command = CDrawingToolsBar::commands[p])
                    positions[p] = makeAction(command);
            }
            tools->create(positions);
            bar = tools;
        } else {
            bar = new QToolBar(this);
            for (const toolbarButton& b : spec.buttons) {
                if (b.command == 0) {
                    bar->addSeparator();
                    continue;
                }
                QAction* a = makeAction(b.command);
                a->setIcon(commandImage(b.command));
                bar->addAction(a);
            }
        }
        bar->setObjectName(QStringLiteral("controlBar%1").arg(spec.controlId));
        bar->setWindowTitle(uiString(spec.titleId));
        bar->setIconSize(QSize(16, 16));
        addToolBar(Qt::TopToolBarArea, bar);
        toolbars_[which] = bar;
    }
    // On a first run the Legacy bars start hidden.
    if (firstRun) {
        toolbars_[legacyObjectLists]->hide();
        toolbars_[legacyNewObjects]->hide();
    }
    for (auto& [id, a] : actions_) {
        if (a->icon().isNull() && toolbarTip(id))
            a->setIcon(commandImage(id));
    }
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("controlBar%1").arg(statusBarId));
    struct pane {
        int id;
        const char* text;
    };
    const pane panes[] = {
        {lineIndicatorId, ""}, {overwriteIndicatorId, "OVR"}, {capsIndicatorId, "CAP"}, {numIndicatorId, "NUM"}};
    for (const pane& p : panes) {
        auto* label = new QLabel(QString::fromLatin1(p.text), bar);
        label->setObjectName(QStringLiteral("pane%1").arg(p.id));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // The line pane is as wide as the longest text views put there.
        const char* widest = p.id == lineIndicatorId ? "Line 12345" : p.text;
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)) + 8);
        bar->addPermanentWidget(label);
        statusPanes_[p.id] = label;
    }
    bar->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::createDrawingPropertiesBar()
{
    drawingPropertiesBar_ = new QDockWidget(uiString(10224), this);
    drawingPropertiesBar_->setObjectName(QStringLiteral("controlBar%1").arg(drawingPropertiesBarId));
    drawingPropertiesBar_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    drawingPropertiesBar_->setWidget(new CDrawingPropertiesBar(drawingPropertiesBar_));
    addDockWidget(Qt::LeftDockWidgetArea, drawingPropertiesBar_);
}

void CMainFrame::createListWindows()
{
    for (int which = 0; which < listWindowCount; ++which) {
        listWindows_[which] = makeListWindow(which);
        listWindows_[which]->create(this);
    }
}

void CMainFrame::loadBarState()
{
    gstr saved = profileString(barStateSection, "State", "");
    if (saved.isEmpty())
        return;
    restoreState(QByteArray::fromBase64(QByteArray(saved.data(), saved.length())), barStateVersion);
}

void CMainFrame::saveFrameState()
{
    writeProfileInt("General", "MaximizeApp", isMaximized() ? 1 : 0);
    writeProfileInt("General", "MaximizeDoc", maximizeDoc_ ? 1 : 0);
    QByteArray state = saveState(barStateVersion).toBase64();
    writeProfileString(barStateSection, "State", gstrSlice(state.constData(), static_cast<int32_t>(state.size())));
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    writeProfileInt(barSummarySection, "ScreenCX", size.width());
    writeProfileInt(barSummarySection, "ScreenCY", size.height());
}

void CMainFrame::addFrameCommands()
{
    // List windows: rule A keeps the three driver lists usable in library
    // mode; rule B disables the others there.
    for (int which = 0; which < listWindowCount; ++which) {
        bool ruleA = listWindows_[which]->isShownInLibraryMode();
        auto w = static_cast<listWindow>(which);
        commands_.on(listWindowToggleCommands[which], [this, w] { toggleListWindow(w); },
                     [this, which, ruleA](commandState& s) {
                         bool enabled = stationOpen() && (ruleA || !libraryMode_);
                         s.enable(enabled);
                         s.setCheck(enabled && listWindows_[which]->isVisible());
                     });
    }
    // Bars: always enabled, checked while shown.
    const std::pair<int, QWidget*> bars[] = {
        {59392, toolbars_[mainToolBar]},          {32889, toolbars_[editTools]},
        {32905, toolbars_[objectLists]},          {32896, toolbars_[newObjectTools]},
        {32887, toolbars_[drawingTools]},         {32886, toolbars_[arrangingTools]},
        {32891, toolbars_[gridTools]},            {32883, toolbars_[alignmentTools]},
        {32904, toolbars_[transformationTools]},  {32926, toolbars_[legacyObjectLists]},
        {32925, toolbars_[legacyNewObjects]},     {59393, statusBar()},
        {drawingPropertiesBarId, drawingPropertiesBar_},
    };
    for (const auto& [id, bar] : bars) {
        QWidget* b = bar;
        commands_.on(id, [this, b] { toggleBar(b); }, [b](commandState& s) {
            s.enable();
            s.setCheck(!b->isHidden());
        });
    }
    auto anyWindow = [this](commandState& s) { s.enable(!mdiArea_->subWindowList().isEmpty()); };
    commands_.on(57650, [this] { mdiArea_->cascadeSubWindows(); }, anyWindow);
    commands_.on(57651, [this] { tile(*mdiArea_, true); }, anyWindow);
    commands_.on(57652, [this] { tile(*mdiArea_, false); }, anyWindow);
    // Close All: every document goes without asking; the program windows
    // first give their text back to their programs.
    commands_.on(32907, [] {
        if (CStationEditorApp* app = CStationEditorApp::instance()) {
            app->saveAllModified();
            app->closeAllDocuments();
        }
    }, anyWindow);
    commands_.on(57665, [this] { close(); });
    addFileCommands();
    addSaveAndTestCommand();
    addObjectCommands();
    // The drawing tools while no screen view takes them: disabled, and the
    // category buttons show their plain image.
    for (int p = 2; p <= 13; ++p) {
        commands_.onUpdate(CDrawingToolsBar::commands[p], [this, p](commandState& s) {
            s.enable(false);
            s.setCheck(false);
            setDrawingToolState(p, nullptr);
        });
    }
}

void CMainFrame::toggleListWindow(listWindow which)
{
    CSelectDialog* w = listWindows_[which];
    if (w->isVisible()) {
        w->hide();
    } else {
        w->show();
        w->raise();
    }
}

void CMainFrame::toggleBar(QWidget* bar) { bar->setVisible(bar->isHidden()); }

CDrawingToolsBar* CMainFrame::drawingToolsBar() const
{
    return static_cast<CDrawingToolsBar*>(toolbars_[drawingTools]);
}

void CMainFrame::setDrawingToolState(int position, std::nullptr_t)
{
    drawingToolsBar()->setCategoryState(position, nullptr);
}

QToolBar* CMainFrame::toolbarById(int controlId) const
{
    for (QToolBar* bar : toolbars_) {
        if (bar && bar->objectName() == QStringLiteral("controlBar%1").arg(controlId))
            return bar;
    }
    return nullptr;
}

QLabel* CMainFrame::statusPane(int id) const
{
    auto it = statusPanes_.find(id);
    return it == statusPanes_.end() ? nullptr : it->second;
}

std::vector<int> CMainFrame::statusPaneIds() const
{
    return {0, lineIndicatorId, overwriteIndicatorId, capsIndicatorId, numIndicatorId};
}

commandTarget* CMainFrame::activeViewTarget() const
{
    auto* child = dynamic_cast<CChildFrame*>(mdiArea_ ? mdiArea_->activeSubWindow() : nullptr);
    return child ? dynamic_cast<commandTarget*>(child->view()) : nullptr;
}

// The active view, its document, the frame, then the application.
void CMainFrame::routeCommand(int id)
{
    auto* child = dynamic_cast<CChildFrame*>(mdiArea_->activeSubWindow());
    commandTarget* targets[] = {
        activeViewTarget(),
        child ? dynamic_cast<commandTarget*>(&child->document()) : nullptr,
        &commands_,
        CStationEditorApp::instance() ? &CStationEditorApp::instance()->commands() : nullptr,
    };
    for (commandTarget* t : targets) {
        if (t && t->onCommand(id))
            return;
    }
}

commandState CMainFrame::commandStateOf(int id)
{
    commandState state;
    state.id = id;
    auto* child = dynamic_cast<CChildFrame*>(mdiArea_->activeSubWindow());
    commandTarget* targets[] = {
        activeViewTarget(),
        child ? dynamic_cast<commandTarget*>(&child->document()) : nullptr,
        &commands_,
        CStationEditorApp::instance() ? &CStationEditorApp::instance()->commands() : nullptr,
    };
    for (commandTarget* t : targets) {
        if (t && t->onUpdateCommand(state))
            return state;
    }
    return state;
}

void CMainFrame::updateCommandUi()
{
    if (!created_)
        return;
    for (auto& [id, a] : actions_) {
        commandState s = commandStateOf(id);
        a->setEnabled(s.enabled);
        if (a->isCheckable())
            a->setChecked(s.checked);
        if (s.hasText) {
            a->setText(s.textIsPath ? pathForDisplay(s.text) : toUiText(s.text));
            // An unused slot, such as a recent file not yet there, leaves no
            // empty row in its menu.
            a->setVisible(!s.text.isEmpty());
        }
    }
    for (auto& [id, label] : statusPanes_) {
        commandState s = commandStateOf(id);
        label->setEnabled(s.enabled);
        if (s.hasText)
            label->setText(toUiText(s.text));
    }
}

void CMainFrame::activatePalette()
{
    if (!created_)
        return;
    paletteActive_ = true;
    update();
}

void CMainFrame::insertSymbol(QWidget* target)
{
    CInsertSymbolDialog dialog(this);
    int result = dialog.DoModal();
    if (!target)
        return;
    target->setFocus(Qt::OtherFocusReason);
    if (result == IDCANCEL)
        return;
    char code = static_cast<char>(result);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, toUiText(gstrSlice(&code, 1)));
    QCoreApplication::sendEvent(target, &typed);
}
