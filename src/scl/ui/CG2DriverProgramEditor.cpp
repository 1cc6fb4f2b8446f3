#include "scl/ui/CG2DriverProgramEditor.h"

#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"
#include "scl/ui/CSclSyntaxColoursDialog.h"
#include "scl/ui/sclMenus.h"
#include "shell/CChildFrame.h"
#include "shell/CDocument.h"
#include "shell/CStationEditorApp.h"
#include "shell/toolbarImages.h"
#include "shell/toolbarTable.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

const char* const generalSection = "General";
const char* const maximizeFrameValue = "MaximizeProgramEditor";
const char* const maximizeDocumentsValue = "MaximizeProgramEditorDoc";
const char* const barStateSection = "Program Editor Control Bars\\0000";
constexpr int barStateVersion = 1;
constexpr int toolBarNameId = 10304;

constexpr int syntaxColoursCommand = 32842;
constexpr int closeWindowCommand = 57602;
constexpr int closeEditorCommand = 32928;
constexpr int closeAllCommand = 32907;
constexpr int showToolBarCommand = 59392;
constexpr int showStatusBarCommand = 59393;
constexpr int cascadeCommand = 57650;
constexpr int tileHorizontallyCommand = 57651;
constexpr int tileVerticallyCommand = 57652;
constexpr int arrangeIconsCommand = 57649;
constexpr int lineIndicator = 32856;
constexpr int overwriteIndicator = 59140;
// As the main frame's panes, clear of the main frame's OVR pane id, which
// the views answer too.
constexpr int capsIndicator = 0xE700;
constexpr int numIndicator = 0xE701;

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
    QRect space = area.viewport()->rect();
    auto n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QRect r = horizontal ? QRect(0, space.height() * i / n, space.width(), space.height() / n)
                             : QRect(space.width() * i / n, 0, space.width() / n, space.height());
        windows[i]->setGeometry(r);
    }
}

} // namespace

CG2DriverProgramEditor::CG2DriverProgramEditor(QWidget* owner)
    : QMainWindow(owner, Qt::Window), mdiArea_(new QMdiArea(this))
{
    setWindowTitle(toUiText(gstr().loadString(titleId)));
    setCentralWidget(mdiArea_);
    createMenus();
    createToolBar();
    createStatusBar();
    addCommands();
    loadBarState();
    auto* idle = new QTimer(this);
    QObject::connect(idle, &QTimer::timeout, this, [this] { updateCommandUi(); });
    idle->start(250);
    QObject::connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        auto* child = dynamic_cast<CChildFrame*>(w);
        QString title = toUiText(gstr().loadString(titleId));
        setWindowTitle(child ? toUiText(child->document().title()) + QStringLiteral(" - ") + title : title);
    });
}

CG2DriverProgramEditor::~CG2DriverProgramEditor() = default;

QAction* CG2DriverProgramEditor::makeAction(int id)
{
    auto it = actions_.find(id);
    if (it != actions_.end())
        return it->second;
    auto* a = new QAction(this);
    a->setData(id);
    if (const char* tip = toolbarTip(id))
        a->setToolTip(QString::fromLatin1(tip));
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

QAction* CG2DriverProgramEditor::action(int id) const
{
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CG2DriverProgramEditor::createMenus()
{
    auto entries = sclMenus::driverEditorMenu();
    auto addCommand = [this](QMenu& menu, int id, const char* text) {
        QString label = QString::fromLatin1(text);
        QAction* a = makeAction(id);
        int tab = label.indexOf(QLatin1Char('\t'));
        a->setText(tab < 0 ? label : label.left(tab));
        if (tab >= 0)
            a->setShortcut(QKeySequence::fromString(label.mid(tab + 1)));
        menu.addAction(a);
    };
    for (size_t i = 0; i < entries.size();) {
        size_t end = i + 1;
        while (end < entries.size() && entries[end].level > 0)
            ++end;
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(entries[i].text));
        QObject::connect(menu, &QMenu::aboutToShow, this, [this] { updateCommandUi(); });
        sclMenus::fillMenu(*menu, entries.subspan(i + 1, end - i - 1), addCommand);
        i = end;
    }
}

void CG2DriverProgramEditor::createToolBar()
{
    toolBar_ = addToolBar(toUiText(gstr().loadString(toolBarNameId)));
    toolBar_->setObjectName(QStringLiteral("controlBar%1").arg(toolBarId));
    for (int id : sclMenus::driverEditorToolbar()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = makeAction(id);
        a->setIcon(commandImage(id));
        toolBar_->addAction(a);
    }
}

void CG2DriverProgramEditor::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("controlBar%1").arg(statusBarId));
    const std::pair<int, const char*> panes[] = {
        {lineIndicator, ""}, {overwriteIndicator, "OVR"}, {capsIndicator, "CAP"}, {numIndicator, "NUM"}};
    for (auto [id, text] : panes) {
        auto* label = new QLabel(QString::fromLatin1(text), bar);
        label->setObjectName(QStringLiteral("pane%1").arg(id));
        if (id == lineIndicator)
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Line 12345")));
        bar->addPermanentWidget(label);
        statusPanes_[id] = label;
    }
}

QLabel* CG2DriverProgramEditor::statusPane(int id) const
{
    auto it = statusPanes_.find(id);
    return it == statusPanes_.end() ? nullptr : it->second;
}

void CG2DriverProgramEditor::addCommands()
{
    commands_.on(syntaxColoursCommand, [] { CSclSyntaxColoursDialog().DoModal(); });
    auto active = [this] { return mdiArea_->activeSubWindow(); };
    commands_.on(closeWindowCommand, [active] {
        if (QMdiSubWindow* w = active())
            w->close();
    }, [active](commandState& s) { s.enable(active() != nullptr); });
    commands_.on(closeEditorCommand, [this] { close(); });
    commands_.on(closeAllCommand, [this] {
        if (editor_)
            editor_->closeAllWindows();
    }, [this](commandState& s) { s.enable(!mdiArea_->subWindowList().isEmpty()); });
    commands_.on(showToolBarCommand, [this] { toolBar_->setVisible(!toolBar_->isVisible()); },
                 [this](commandState& s) {
                     s.enable();
                     s.setCheck(toolBar_->isVisible());
                 });
    commands_.on(showStatusBarCommand, [this] { statusBar()->setVisible(!statusBar()->isVisible()); },
                 [this](commandState& s) {
                     s.enable();
                     s.setCheck(statusBar()->isVisible());
                 });
    auto hasWindows = [this](commandState& s) { s.enable(!mdiArea_->subWindowList().isEmpty()); };
    commands_.on(cascadeCommand, [this] { mdiArea_->cascadeSubWindows(); }, hasWindows);
    commands_.on(tileHorizontallyCommand, [this] { tile(*mdiArea_, true); }, hasWindows);
    commands_.on(tileVerticallyCommand, [this] { tile(*mdiArea_, false); }, hasWindows);
    commands_.on(arrangeIconsCommand, [this] { mdiArea_->tileSubWindows(); }, hasWindows);
    // The caret line and OVR, shown only while a view gives them.
    commands_.onUpdate(lineIndicator, [](commandState& s) {
        s.enable();
        s.setText("");
    });
    commands_.onUpdate(overwriteIndicator, [](commandState& s) { s.enable(false); });
}

commandTarget* CG2DriverProgramEditor::activeViewTarget() const
{
    auto* child = dynamic_cast<CChildFrame*>(mdiArea_->activeSubWindow());
    return child ? dynamic_cast<commandTarget*>(child->view()) : nullptr;
}

commandTarget* CG2DriverProgramEditor::activeDocumentTarget() const
{
    auto* child = dynamic_cast<CChildFrame*>(mdiArea_->activeSubWindow());
    return child ? dynamic_cast<commandTarget*>(&child->document()) : nullptr;
}

void CG2DriverProgramEditor::routeCommand(int id)
{
    CStationEditorApp* app = CStationEditorApp::instance();
    commandTarget* targets[] = {activeViewTarget(), activeDocumentTarget(), &commands_,
                                app ? &app->commands() : nullptr};
    for (commandTarget* t : targets) {
        if (t && t->onCommand(id))
            return;
    }
}

commandState CG2DriverProgramEditor::commandStateOf(int id)
{
    commandState state;
    state.id = id;
    CStationEditorApp* app = CStationEditorApp::instance();
    commandTarget* targets[] = {activeViewTarget(), activeDocumentTarget(), &commands_,
                                app ? &app->commands() : nullptr};
    for (commandTarget* t : targets) {
        if (t && t->onUpdateCommand(state))
            return state;
    }
    return state;
}

void CG2DriverProgramEditor::updateCommandUi()
{
    for (auto& [id, a] : actions_) {
        commandState s = commandStateOf(id);
        a->setEnabled(s.enabled);
        a->setCheckable(id == showToolBarCommand || id == showStatusBarCommand);
        if (a->isCheckable())
            a->setChecked(s.checked);
    }
    for (auto& [id, label] : statusPanes_) {
        commandState s = commandStateOf(id);
        label->setEnabled(s.enabled);
        if (s.hasText)
            label->setText(toUiText(s.text));
    }
}

void CG2DriverProgramEditor::loadBarState()
{
    gstr saved = profileString(barStateSection, "State", "");
    if (!saved.isEmpty())
        restoreState(QByteArray::fromBase64(QByteArray(saved.data(), saved.length())), barStateVersion);
}

void CG2DriverProgramEditor::saveFrameState()
{
    writeProfileInt(generalSection, maximizeFrameValue, isMaximized() ? 1 : 0);
    writeProfileInt(generalSection, maximizeDocumentsValue, maximizeDocuments_ ? 1 : 0);
    QByteArray state = saveState(barStateVersion).toBase64();
    writeProfileString(barStateSection, "State", gstrSlice(state.constData(), static_cast<int32_t>(state.size())));
}

// Whether the user closes it or the driver dialog does: the programs get
// their text, the state is kept, and the editor goes once the frame is
// gone.
void CG2DriverProgramEditor::closeEvent(QCloseEvent* event)
{
    if (editor_)
        editor_->frameClosing();
    else
        saveFrameState();
    event->accept();
}
