#include "platform/helpViewer.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "resources/fontFaceNames.h"
#include "scl/ui/sclMenus.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "shell/CStationEditorApp.h"
#include "shell/toolbarImages.h"
#include "shell/toolbarTable.h"
#include "sourceedit/sourceEditorSettings.h"
#include "store/gstationState.h"

#include "support/ui/screenshots.h"
#include "support/ui/temporarySettings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStatusBar>
#include <QStringList>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <gtest/gtest.h>

namespace {

class stationEditorApp : public testing::Test {
protected:
    void TearDown() override { stationState() = gstationState{}; }

    std::unique_ptr<CStationEditorApp> start(QStringList arguments = {"-nologo"})
    {
        auto app = std::make_unique<CStationEditorApp>();
        started = app->InitInstance(arguments);
        return app;
    }

    std::string file(const char* name, const char* text = "") const
    {
        std::string path = temp.folder() + "/" + name;
        std::ofstream(path) << text;
        return path;
    }

    // The commands of a toolbar's buttons in order, 0 for a separator.
    static std::vector<int> buttonsOf(QToolBar* bar)
    {
        std::vector<int> ids;
        for (QAction* a : bar->actions())
            ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
        return ids;
    }

    temporarySettings temp;
    recordingResponder user;
    bool started = false;
};

TEST_F(stationEditorApp, FirstRunWritesItsMarkAndHidesTheLegacyBars)
{
    auto app = start();
    ASSERT_TRUE(started);
    EXPECT_FALSE(app->settingsKeyExisted());
    EXPECT_EQ(profileInt("General", "WarnNewLogStrings", -1), 0);
    CMainFrame* frame = app->mainFrame();
    EXPECT_TRUE(frame->toolbarAt(CMainFrame::legacyObjectLists)->isHidden());
    EXPECT_TRUE(frame->toolbarAt(CMainFrame::legacyNewObjects)->isHidden());
    EXPECT_FALSE(frame->toolbarAt(CMainFrame::mainToolBar)->isHidden());
    frame->updateCommandUi();
    EXPECT_FALSE(frame->action(32926)->isChecked());
    EXPECT_TRUE(frame->action(32905)->isChecked());
    // No file named: a new untitled station.
    EXPECT_TRUE(frame->untitled());
    EXPECT_EQ(frame->path().view(), "Untitled");
    EXPECT_EQ(stationState().open, 1);
    EXPECT_EQ(frame->windowTitle(), "Untitled - K.O.R.V.E.L. Quillane");
    EXPECT_EQ(fontFaceName(3).view(), "MS Serif");
    EXPECT_EQ(fontFaceName(7).view(), "Courier New");
    EXPECT_FALSE(fontFaceName(2).isEmpty());
    EXPECT_EQ(sourceEditorOptions & 29u, 29u);
    EXPECT_EQ(sourceEditorHighlightColour, 0x0000FFu);
    EXPECT_EQ(sourceEditorMode, 3);
}

TEST_F(stationEditorApp, AboutShowsTheVersion)
{
    auto app = start();
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 510);
        EXPECT_EQ(d.controlText(1500).view(), "Version 5.5.??");
        d.sendCommand(IDOK);
    });
    app->mainFrame()->routeCommand(57664);
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(user.dialogs[0].result, IDOK);
}

TEST_F(stationEditorApp, SclSyntaxColoursOpensOnTheColoursOfScl)
{
    auto app = start();
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 400);
        EXPECT_EQ(d.itemCount(4000), 17);
        d.sendCommand(IDCANCEL);
    });
    app->mainFrame()->routeCommand(32842);
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(user.dialogs[0].title, "SCL Syntax Colours");
}

TEST_F(stationEditorApp, SettingsWrittenAtCloseAreReadAtTheNextStart)
{
    {
        auto app = start();
        CMainFrame* frame = app->mainFrame();
        frame->routeCommand(32926); // show the Legacy object lists
        frame->routeCommand(32889); // hide Edit Tools
        frame->routeCommand(32901); // show the Registers window
        frame->listWindowAt(CMainFrame::registers)->setGeometry(130, 140, 420, 330);
        frame->showMaximized();
        frame->setMaximizeDoc(true);
        frame->close();
        EXPECT_EQ(profileInt("General", "MaximizeApp", 0), 1);
    }
    auto app = start();
    ASSERT_TRUE(started);
    EXPECT_TRUE(app->settingsKeyExisted());
    CMainFrame* frame = app->mainFrame();
    EXPECT_FALSE(frame->toolbarAt(CMainFrame::legacyObjectLists)->isHidden());
    EXPECT_TRUE(frame->toolbarAt(CMainFrame::legacyNewObjects)->isHidden());
    EXPECT_TRUE(frame->toolbarAt(CMainFrame::editTools)->isHidden());
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_TRUE(frame->maximizeDoc());
    EXPECT_EQ(frame->listWindowAt(CMainFrame::registers)->geometry(), QRect(130, 140, 420, 330));
    // Windows stay hidden at start-up, wherever they were left.
    EXPECT_TRUE(frame->listWindowAt(CMainFrame::registers)->isHidden());
}

TEST_F(stationEditorApp, ToolbarsCarryTheirCommandsInOrder)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    auto specs = toolbarTable();
    ASSERT_EQ(specs.size(), 11u);
    for (int which = 0; which < CMainFrame::toolbarCount; ++which) {
        QToolBar* bar = frame->toolbarAt(static_cast<CMainFrame::toolbar>(which));
        ASSERT_EQ(frame->toolbarById(specs[which].controlId), bar);
        if (which == CMainFrame::drawingTools)
            continue;
        std::vector<int> expected;
        for (const toolbarButton& b : specs[which].buttons)
            expected.push_back(b.command);
        EXPECT_EQ(buttonsOf(bar), expected) << which;
    }
    EXPECT_EQ(buttonsOf(frame->toolbarById(0xE800)),
              (std::vector<int>{32848, 32849, 32852, 32880, 0, 57667, 32855, 0, 32906, 0, 57650, 57651, 57652}));
    EXPECT_EQ(buttonsOf(frame->toolbarById(0xE80E)), (std::vector<int>{32920, 32921, 32862}));
    EXPECT_EQ(frame->toolbarById(0xE80C)->windowTitle(), "Transformation Tools");
    EXPECT_EQ(frame->toolbarById(0xE80D)->windowTitle(), "Legacy");

    std::vector<int> drawing;
    for (QToolButton* b : frame->toolbarById(0xE805)->findChildren<QToolButton*>()) {
        if (b->defaultAction())
            drawing.push_back(b->defaultAction()->data().toInt());
    }
    std::vector<int> expected;
    for (int c : CDrawingToolsBar::commands) {
        if (c)
            expected.push_back(c);
    }
    EXPECT_EQ(drawing, expected);
    EXPECT_EQ(frame->drawingPropertiesBar()->windowTitle(), "Drawing Properties");
    EXPECT_EQ(frame->dockWidgetArea(frame->drawingPropertiesBar()), Qt::LeftDockWidgetArea);
}

// The ink of a picture: false when every pixel is see-through.
bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

// Every toolbar button, the drawing tools' locked looks and the driver
// program editor's buttons show a picture drawn for their command, no two
// alike, and keep their tooltip.
TEST_F(stationEditorApp, EveryToolbarButtonShowsAPictureOfItsOwn)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    auto* tools = static_cast<CDrawingToolsBar*>(frame->toolbarAt(CMainFrame::drawingTools));
    for (int p = 0; p < CDrawingToolsBar::positionCount; ++p)
        tools->setCategoryLocked(p, true);
    std::map<QByteArray, QString> pictures;
    // The pictures four times their size, a bar a row, for a person to
    // look over.
    QImage sheet(16 * 4 * 24, 16 * 4 * CMainFrame::toolbarCount, QImage::Format_ARGB32);
    sheet.fill(QColor(224, 224, 224));
    QPainter drawing(&sheet);
    int buttons = 0;
    for (int which = 0; which < CMainFrame::toolbarCount; ++which) {
        int column = 0;
        for (QToolButton* b : frame->toolbarAt(static_cast<CMainFrame::toolbar>(which))->findChildren<QToolButton*>()) {
            QAction* a = b->defaultAction();
            // The bar's own button for the buttons it has no room for.
            if (!a || a->isSeparator())
                continue;
            ++buttons;
            drawing.drawPixmap(QRect(64 * column++, 64 * which, 64, 64), b->icon().pixmap(16, 16));
            QString name = a->toolTip();
            SCOPED_TRACE(a->data().toInt());
            EXPECT_FALSE(name.isEmpty());
            ASSERT_FALSE(b->icon().isNull());
            QImage image = b->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_TRUE(hasInk(image));
            QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            auto [it, added] = pictures.emplace(bits, name);
            EXPECT_TRUE(added) << name.toStdString() << " looks like " << it->second.toStdString();
        }
    }
    int listed = 0;
    for (const toolbarSpec& bar : toolbarTable())
        listed += static_cast<int>(std::count_if(bar.buttons.begin(), bar.buttons.end(),
                                                 [](const toolbarButton& b) { return b.command != 0; }));
    EXPECT_EQ(buttons, listed);
    drawing.end();
    EXPECT_TRUE(saveScreenshot(sheet, "toolbar-pictures.png"));
    for (int command : sclMenus::driverEditorToolbar()) {
        EXPECT_TRUE(command == 0 || !commandImage(command).isNull()) << command;
    }
}

// A list window shows the sign of its objects as its picture; windows of
// one icon (the two driver lists) share it.
TEST_F(stationEditorApp, ListWindowsShowTheSignOfTheirObjects)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    std::map<int, QByteArray> byIcon;
    std::set<QByteArray> pictures;
    for (int w = 0; w < CMainFrame::listWindowCount; ++w) {
        CSelectDialog* window = frame->listWindowAt(CMainFrame::listWindow(w));
        SCOPED_TRACE(window->windowTitle().toStdString());
        ASSERT_FALSE(window->windowIcon().isNull());
        QImage image = window->windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(hasInk(image));
        QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        auto [it, added] = byIcon.emplace(window->iconId(), bits);
        EXPECT_EQ(it->second, bits);
        if (added) {
            EXPECT_TRUE(pictures.insert(bits).second);
        }
        EXPECT_NE(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }
    EXPECT_EQ(pictures.size(), byIcon.size());
    EXPECT_GE(byIcon.size(), 8u);
}

TEST_F(stationEditorApp, StatusBarPanesInOrder)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    EXPECT_EQ(frame->statusPaneIds(), (std::vector<int>{0, 32856, 0xE702, 0xE700, 0xE701}));
    QLabel* line = frame->statusPane(32856);
    ASSERT_NE(line, nullptr);
    EXPECT_GE(line->minimumWidth(), line->fontMetrics().horizontalAdvance("Line 12345"));
    EXPECT_EQ(frame->statusPane(0xE702)->text(), "OVR");
    frame->updateCommandUi();
    // The line pane is empty and OVR disabled while no view gives them.
    EXPECT_EQ(line->text(), "");
    EXPECT_FALSE(frame->statusPane(0xE702)->isEnabled());
    QList<QLabel*> inBar;
    for (QLabel* l : frame->statusBar()->findChildren<QLabel*>()) {
        if (l->objectName().startsWith("pane"))
            inBar.append(l);
    }
    EXPECT_EQ(inBar.size(), 4);
    // A command's prompt is its string up to the line break.
    EXPECT_EQ(frame->action(32912)->statusTip(), "Create a new SABus request");
    EXPECT_EQ(frame->action(32900)->statusTip(), "Show or hide the drawing properties");
}

TEST_F(stationEditorApp, NineListWindowsAreMadeHiddenInTheirOrder)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    const int dialogs[] = {596, 600, 597, 602, 604, 601, 599, 698, 828};
    const char* sections[] = {"Select Dialogs\\Drivers",  "Select Dialogs\\Ports",     "Select Dialogs\\Masks",
                              "Select Dialogs\\Registers", "Select Dialogs\\Screens",   "Select Dialogs\\Programs",
                              "Select Dialogs\\Parameters", "Select Dialogs\\Requests", "Select Dialogs\\Devices"};
    const bool inLibraryMode[] = {true, false, true, false, false, false, false, false, true};
    for (int which = 0; which < CMainFrame::listWindowCount; ++which) {
        CSelectDialog* w = frame->listWindowAt(static_cast<CMainFrame::listWindow>(which));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isHidden());
        EXPECT_EQ(w->templateId(), dialogs[which]);
        EXPECT_STREQ(w->section(), sections[which]);
        EXPECT_EQ(w->isShownInLibraryMode(), inLibraryMode[which]);
        EXPECT_EQ(w->parentWidget(), frame);
    }
    frame->routeCommand(32918);
    EXPECT_TRUE(frame->listWindowAt(CMainFrame::deviceDrivers)->isVisible());
    frame->updateCommandUi();
    EXPECT_TRUE(frame->action(32918)->isChecked());
    frame->routeCommand(32918);
    EXPECT_FALSE(frame->listWindowAt(CMainFrame::deviceDrivers)->isVisible());
}

TEST_F(stationEditorApp, LibraryModeDisablesTheStationLists)
{
    std::string library = file("drivers.KDL");
    auto app = start({"-nologo", QString::fromStdString(library)});
    ASSERT_TRUE(started);
    CMainFrame* frame = app->mainFrame();
    EXPECT_TRUE(frame->libraryMode());
    EXPECT_FALSE(frame->untitled());
    EXPECT_EQ(frame->path().view(), library);
    EXPECT_EQ(frame->windowTitle(), "drivers.KDL - K.O.R.V.E.L. Quillane");
    frame->updateCommandUi();
    for (int id : {32898, 32901, 32902, 32899, 32910, 32897})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    for (int id : {32918, 32923, 32922, 32842, 32893})
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    // Commands whose windows come later are there, disabled.
    for (int id : {32880, 32863, 32882})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    EXPECT_EQ(app->recentFiles().at(0).view(), library);
}

TEST_F(stationEditorApp, AFileThatCannotBeOpenedEndsStartUp)
{
    std::string missing = temp.folder() + "/missing.korvel-station";
    auto app = start({"-nologo", QString::fromStdString(missing)});
    EXPECT_FALSE(started);
    ASSERT_EQ(user.messages.size(), 1u);
    // The loader's question; Cancel gives up.
    EXPECT_EQ(user.lastMessage().text, "Could not find the file \"" + missing + ".\"");
    EXPECT_EQ(user.lastMessage().promptId, 10064);
    EXPECT_EQ(user.lastMessage().buttons, gbuttons::retryCancel);
}

TEST_F(stationEditorApp, StationFileOnTheCommandLineIsLoaded)
{
    std::string good = file("plant.korvel-station", "PORT P1\n\tTITLE\t\tFirst port\n\tDEVICE_PATH\tCOM1\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\nEND\n\nMASK M1\n\tPATTERN2\t#\n\tBUFFER_SIZE\t8\n\tTIMEOUT\t\t1\nEND\n");
    auto app = start({"-nologo", QString::fromStdString(good)});
    ASSERT_TRUE(started);
    CMainFrame* frame = app->mainFrame();
    EXPECT_FALSE(frame->libraryMode());
    CSelectDialog* ports = frame->listWindowAt(CMainFrame::serialPorts);
    ASSERT_EQ(ports->list().rowCount(), 1);
    EXPECT_EQ(ports->list().nameAt(0).view(), "First port");
    EXPECT_EQ(frame->listWindowAt(CMainFrame::legacyDataMasks)->list().rowCount(), 1);
    EXPECT_TRUE(user.messages.empty());

    // Closing the station empties every list.
    EXPECT_TRUE(frame->closeStation());
    EXPECT_EQ(ports->list().rowCount(), 0);
    EXPECT_EQ(stationState().open, 0);
}

TEST_F(stationEditorApp, LoadErrorIsShownAndEndsStartUp)
{
    std::string bad = file("bad.korvel-station", "NOSUCHTYPE X\nEND\n");
    auto app = start({"-nologo", QString::fromStdString(bad)});
    EXPECT_FALSE(started);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_NE(user.lastMessage().text.find("on line 1 of file"), std::string::npos);
}

TEST_F(stationEditorApp, HelpFilesComeFromTheMachineSettings)
{
    temp.writeMachineFile("HKEY_LOCAL_MACHINE.ini", "[SOFTWARE\\Korvel Viziveridizuva inc.]\nHelp File Path=/opt/korvel/help\n");
    auto app = start();
    EXPECT_EQ(app->mainHelpPath().view(), "/opt/korvel/help/Quillane.hlp");
    EXPECT_EQ(app->driverHelpPath().view(), "/opt/korvel/help/Device Drivers.hlp");
    EXPECT_EQ(app->sclHelpPath().view(), "/opt/korvel/help/SCL Language.hlp");
    EXPECT_EQ(helpFile().view(), "/opt/korvel/help/Quillane.hlp");
    app->mainFrame()->routeCommand(32871);
    EXPECT_EQ(lastHelpRequest().file.view(), "/opt/korvel/help/SCL Language.hlp");
    EXPECT_EQ(lastHelpRequest().command, helpCommand::contents);
    EXPECT_EQ(helpFile().view(), "/opt/korvel/help/Quillane.hlp");
    setHelpFile("");
}

TEST_F(stationEditorApp, WithoutHelpFolderNoHelpFile)
{
    auto app = start();
    EXPECT_TRUE(app->mainHelpPath().isNull());
    app->mainFrame()->routeCommand(57667);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(stationEditorApp, LongExtensionsTakeTheFileTypeOfTheShortOnes)
{
    temp.writeMachineFile("HKEY_CLASSES_ROOT.ini", "[.stn]\n@=Korvel.StationFile\n"
                                                   "[.kdl]\n@=Korvel.DriverFile\n[.korvel-drivers]\n@=Other.Type\n"
                                                   "[.kil]\n@=\n");
    auto app = start();
    auto classes = [](const char* key) { return settings().readString(settingsHive::classesRoot, key, ""); };
    EXPECT_EQ(classes(".korvel-station")->view(), "Korvel.StationFile");
    EXPECT_EQ(classes(".korvel-drivers")->view(), "Other.Type");
    EXPECT_FALSE(settings().keyExists(settingsHive::classesRoot, ".korvel-images"));
}

TEST_F(stationEditorApp, RecentFilesReopenAndDropThoseThatFail)
{
    std::string a = file("a.korvel-station"), b = file("b.korvel-station");
    {
        auto app = start({"-nologo", QString::fromStdString(a)});
        gfileName second;
        second.fullPath = gstr(b.c_str());
        app->mainFrame()->openFile(second);
        EXPECT_EQ(app->recentFiles().size(), 2u);
        app->mainFrame()->close();
    }
    std::filesystem::remove(a);
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    frame->updateCommandUi();
    EXPECT_EQ(frame->action(57616)->text().toStdString(), "&1 " + b);
    EXPECT_FALSE(frame->action(57618)->isEnabled());
    // Slots without a file leave no empty rows before Exit.
    EXPECT_TRUE(frame->action(57617)->isVisible());
    EXPECT_FALSE(frame->action(57618)->isVisible());
    EXPECT_FALSE(frame->action(57619)->isVisible());
    frame->routeCommand(57617); // a, which is gone
    ASSERT_EQ(app->recentFiles().size(), 1u);
    EXPECT_EQ(app->recentFiles()[0].view(), b);
}

TEST_F(stationEditorApp, CtrlKeysTypeSymbolsAndCtrlSpaceOpensInsertSymbol)
{
    auto app = start();
    QLineEdit field;
    QKeyEvent ctrl3(QEvent::KeyPress, Qt::Key_3, Qt::ControlModifier, "3");
    QApplication::sendEvent(&field, &ctrl3);
    QKeyEvent ctrlShift2(QEvent::KeyPress, Qt::Key_At, Qt::ControlModifier | Qt::ShiftModifier, "@");
    QApplication::sendEvent(&field, &ctrlShift2);
    EXPECT_EQ(field.text(), QString::fromUtf8("\u00B3\u00BD"));

    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 563);
        d.sendCommand(1042 + 0xE9 - 0xA1);
    });
    QKeyEvent ctrlSpace(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier, " ");
    QApplication::sendEvent(&field, &ctrlSpace);
    QApplication::processEvents();
    EXPECT_EQ(field.text(), QString::fromUtf8("\u00B3\u00BD\u00E9"));
}

// Whatever the screen and its scale factor (the tests run again at 1.5),
// the main frame opens inside what the desktop leaves for windows.
TEST_F(stationEditorApp, TheMainFrameFitsItsScreen)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    QRect room = frame->screen()->availableGeometry();
    QRect placed = frame->frameGeometry();
    EXPECT_TRUE(room.contains(placed)) << placed.width() << "x" << placed.height() << " in " << room.width() << "x"
                                       << room.height();
    EXPECT_LE(frame->width(), 1024);
}

TEST_F(stationEditorApp, ScreenshotOfTheMainFrame)
{
    auto app = start();
    CMainFrame* frame = app->mainFrame();
    frame->resize(1200, 800);
    frame->routeCommand(32926);
    frame->routeCommand(32925);
    QApplication::processEvents();
    QImage shot(frame->size(), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    frame->render(&shot);
    ASSERT_TRUE(saveScreenshot(shot, "mainFrame.png"));
    EXPECT_GT(std::filesystem::file_size(screenshotPath("mainFrame.png")), 1000u);
}

} // namespace
