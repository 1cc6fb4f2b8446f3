#include "sclUiFixture.h"

#include "platform/helpViewer.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "scl/gsclTokenizer.h"
#include "scl/ui/CProgramPropertiesDialog.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/CSclView.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CStationEditorApp.h"
#include "sourceedit/ui/CGoToLineDialog.h"
#include "sourceedit/ui/CSourceTokenInfo.h"
#include "support/ui/controlHost.h"

#include <QApplication>
#include <QPrinter>
#include <filesystem>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <memory>

namespace {

void type(QWidget* view, const char* text) { typeText(view, QString::fromLatin1(text)); }

// A started editor: station programs open in windows of its main frame.
struct sclDocuments : sclUiTest {
    void SetUp() override
    {
        app = std::make_unique<CStationEditorApp>();
        ASSERT_TRUE(app->InitInstance({"-nologo"}));
        frame = app->mainFrame();
        frame->setMaximizeDoc(false);
    }
    void TearDown() override
    {
        app.reset();
        sclUiTest::TearDown();
    }

    CSclGlobalDoc* open(gsclProgram& p) { return CSclGlobalDoc::openWindow(p); }
    static CSclGlobalView* viewOf(CSclDoc* doc) { return dynamic_cast<CSclGlobalView*>(doc->views().at(0)); }
    static QMdiSubWindow* windowOf(CSclDoc* doc) { return qobject_cast<QMdiSubWindow*>(doc->views().at(0)->parentWidget()); }
    static std::vector<std::string> linesOf(const CSclDoc& doc)
    {
        std::vector<std::string> lines;
        for (int32_t i = 0; i < doc.getLineCount(); ++i)
            lines.emplace_back(doc.lineText(i), static_cast<size_t>(doc.getLineLength(i)));
        return lines;
    }

    std::unique_ptr<CStationEditorApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(sclDocuments, CodeSplitsAtEachCrAndComesBackUnchanged)
{
    struct {
        const char* code;
        std::vector<std::string> lines;
    } const cases[] = {
        {"", {""}},
        {"A\rB\r", {"A", "B", ""}},
        {"10 A=1\r\n20 END", {"10 A=1", "\n20 END"}},
        {"\r\r", {"", "", ""}},
    };
    for (const auto& c : cases) {
        gsclProgram* p = program("P");
        p->setCode(c.code);
        CSclGlobalDoc* doc = open(*p);
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(linesOf(*doc), c.lines) << c.code;
        EXPECT_FALSE(doc->isModified());
        EXPECT_EQ(doc->undoCount(), 0);
        p->setCode("something else");
        doc->saveModified();
        EXPECT_EQ(p->code().view(), c.code);
        app->closeAllDocuments();
        TearDown();
        SetUp();
    }
}

TEST_F(sclDocuments, ALongLineOpensWholeAndCannotGrow)
{
    gsclProgram* p = program("P");
    std::string line(300, 'x');
    p->setCode(line.c_str());
    CSclGlobalDoc* doc = open(*p);
    EXPECT_EQ(doc->getLineLength(0), 300);
    EXPECT_EQ(doc->maxLineLength, 256);
    CSclGlobalView* view = viewOf(doc);
    view->setCaretPosition(300, 0);
    type(view, "y");
    EXPECT_EQ(doc->getLineLength(0), 300);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "Command failed. Maximum line length exceeded.");
}

TEST_F(sclDocuments, TypingMarksTheStationAndClosingWritesTheTextBack)
{
    gsclProgram* p = program("P", "CODE\t\tA\n");
    CSclGlobalDoc* doc = open(*p);
    stationState().modified = 0;
    CSclGlobalView* view = viewOf(doc);
    view->setCaretPosition(1, 0);
    type(view, "B");
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(p->code().view(), "A");
    windowOf(doc)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(p->code().view(), "AB");
    EXPECT_TRUE(app->sclTemplate().documents().empty());
}

TEST_F(sclDocuments, CloseAllKeepsWhatWasTyped)
{
    gsclProgram* p = program("P", "CODE\t\tA\n");
    CSclGlobalDoc* doc = open(*p);
    viewOf(doc)->setCaretPosition(1, 0);
    type(viewOf(doc), "B");
    frame->routeCommand(32907);
    EXPECT_TRUE(app->sclTemplate().documents().empty());
    EXPECT_EQ(p->code().view(), "AB");
}

TEST_F(sclDocuments, SaveAllWritesBackAndReloadReadsAgain)
{
    gsclProgram* p = program("P", "CODE\t\tA\n");
    CSclGlobalDoc* doc = open(*p);
    CSclGlobalView* view = viewOf(doc);
    view->setCaretPosition(1, 0);
    type(view, "B");
    EXPECT_TRUE(app->saveAllModified());
    EXPECT_EQ(p->code().view(), "AB");
    p->setCode("C\rD");
    app->reloadSclDocuments();
    EXPECT_EQ(linesOf(*doc), (std::vector<std::string>{"C", "D"}));
}

TEST_F(sclDocuments, TheWindowIsTitledByTheProgram)
{
    gsclProgram* p = program("Pump");
    CSclGlobalDoc* doc = open(*p);
    EXPECT_EQ(doc->title().view(), "Pump");
    EXPECT_EQ(windowOf(doc)->windowTitle(), "Pump");
    EXPECT_EQ(doc->getTokenizer(), &sclStationTokenizer());

    CSclGlobalView* view = viewOf(doc);
    view->setCaretPosition(0, 0);
    type(view, "REM");
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 547);
        d.setControlText(CProgramPropertiesDialog::nameId, "Main pump");
        d.sendCommand(IDOK);
    });
    stationState().modified = 0;
    pressKey(view, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(p->code().view(), "REM");
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(windowOf(doc)->windowTitle(), "Main pump");

    // Cancel still leaves the text written into the program.
    type(view, "!");
    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); });
    frame->routeCommand(CSclDoc::propertiesCommand);
    EXPECT_EQ(p->code().view(), "REM!");
}

TEST_F(sclDocuments, ShowingAnOpenProgramBringsItsWindowBack)
{
    gsclProgram* first = program("First");
    gsclProgram* second = program("Second");
    CSclGlobalDoc::show(*first);
    CSclGlobalDoc::show(*second);
    ASSERT_EQ(app->sclTemplate().documents().size(), 2u);
    CSclGlobalDoc* doc = CSclGlobalDoc::find(first);
    windowOf(doc)->showMinimized();
    CSclGlobalDoc::show(*first);
    EXPECT_EQ(app->sclTemplate().documents().size(), 2u);
    EXPECT_FALSE(windowOf(doc)->isMinimized());
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), windowOf(doc));
    CSclGlobalDoc::closeWindow(first);
    EXPECT_EQ(CSclGlobalDoc::find(first), nullptr);
}

// --- the view ---

struct sclView : sclDocuments {
    CSclGlobalView* openText(const char* code)
    {
        gsclProgram* p = program("P");
        p->setCode(code);
        doc = open(*p);
        frame->mdiArea()->setActiveSubWindow(windowOf(doc));
        return viewOf(doc);
    }
    CSclGlobalDoc* doc = nullptr;
};

TEST_F(sclView, FindKeywordTakesTheSclNameAtTheCaret)
{
    CSclGlobalView* view = openText("A=VALUE$+1\rA&B\r\rX");
    struct {
        int column;
        int line;
        const char* keyword;
    } const cases[] = {
        {8, 0, "VALUE$"}, {3, 0, "VALUE$"}, {1, 1, "A"}, {2, 1, "B"}, {0, 2, ""}, {5, 3, ""}, {0, 0, "A"},
    };
    for (const auto& c : cases) {
        view->setCaretPosition(c.column, c.line);
        view->clearSelection();
        frame->routeCommand(CSclView::findKeywordCommand);
        EXPECT_EQ(lastHelpRequest().command, helpCommand::keyword);
        EXPECT_EQ(lastHelpRequest().keyword.view(), c.keyword) << c.column << "," << c.line;
    }
    EXPECT_EQ(helpFile(), app->mainHelpPath());

    // A double click takes A&B as one word.
    view->setCaretPosition(1, 1);
    view->selectWord();
    EXPECT_EQ(view->selectedText().view(), "A&B");

    view->setSelectionPoint(2, 0);
    view->extendSelection(7, 0);
    frame->routeCommand(CSclView::findKeywordCommand);
    EXPECT_EQ(lastHelpRequest().keyword.view(), "VALUE");
    view->extendSelection(1, 1);
    EXPECT_FALSE(frame->commandStateOf(CSclView::findKeywordCommand).enabled);
}

TEST_F(sclView, SelectAllGoToLineAndTheLineIndicator)
{
    CSclGlobalView* view = openText("");
    EXPECT_FALSE(frame->commandStateOf(CSclView::selectAllCommand).enabled);
    type(view, "10 A=1");
    pressKey(view, Qt::Key_Return);
    type(view, "20 END");
    EXPECT_TRUE(frame->commandStateOf(CSclView::selectAllCommand).enabled);
    commandState line = frame->commandStateOf(CSclView::lineIndicator);
    EXPECT_EQ(line.text.view(), "Line 2");

    pressKey(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view->selectedText().view(), "10 A=1\r\n20 END");

    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), CGoToLineDialog::templateNumber);
        d.setControlText(CGoToLineDialog::lineNumberId, "2");
        d.sendCommand(IDOK);
    });
    view->setCaretPosition(0, 0);
    pressKey(view, Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(view->caret.line, 1);
}

TEST_F(sclView, PrintingMakesItsFontsForTheJobOnly)
{
    CSclGlobalView* view = openText("10 PRINT \"X\"\r20 END");
    std::string pdf = store.folder() + "/program.pdf";
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    ASSERT_TRUE(view->print(printer, false));
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
    EXPECT_EQ(sourceSharedFont(sourceFontVariant::printNormal), nullptr);
    EXPECT_NE(sourceSharedFont(sourceFontVariant::screenNormal), nullptr);
}

TEST_F(sclView, ContextMenuFromTheKeyboardOpensAtTheViewsCorner)
{
    CSclGlobalView* view = openText("X");
    QApplication::clipboard()->clear();
    QPoint shownAt;
    std::vector<std::pair<int, bool>> items;
    CSclView::setContextMenuRunner([&](QMenu& menu, const QPoint& at) {
        shownAt = at;
        for (QAction* a : menu.actions()) {
            if (!a->isSeparator() && !a->menu())
                items.emplace_back(a->data().toInt(), a->isEnabled());
        }
        return 57634;
    });
    view->setSelectionPoint(0, 0);
    view->extendSelection(1, 0);
    pressKey(view, Qt::Key_F10, Qt::ShiftModifier);
    CSclView::setContextMenuRunner({});
    EXPECT_EQ(shownAt, view->viewport()->mapToGlobal(QPoint(5, 5)));
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[0], (std::pair<int, bool>{57635, true}));
    EXPECT_EQ(items[1], (std::pair<int, bool>{57634, true}));
    EXPECT_EQ(QApplication::clipboard()->text(), "X");
}

TEST_F(sclView, PasteSpecialReplacesTheSelectionAsOneStep)
{
    station::serialPorts().define("COM_A");
    CSclGlobalView* view = openText("PRINT XY");
    EXPECT_TRUE(frame->commandStateOf(32836).enabled);
    EXPECT_FALSE(frame->commandStateOf(32927).enabled);
    EXPECT_FALSE(frame->commandStateOf(32929).enabled);
    EXPECT_FALSE(frame->commandStateOf(32835).enabled);
    view->setSelectionPoint(6, 0);
    view->extendSelection(8, 0);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 574);
        d.selectItem(1376, 0);
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32836);
    EXPECT_EQ(linesOf(*doc), (std::vector<std::string>{"PRINT \"COM_A\""}));
    frame->routeCommand(CSourceDocMfc::undoCommand);
    EXPECT_EQ(linesOf(*doc), (std::vector<std::string>{"PRINT XY"}));

    // Cancel inserts nothing; the register picker is the registers' own.
    EXPECT_FALSE(frame->commandStateOf(32838).enabled);
    station::registers().define("R1");
    EXPECT_TRUE(frame->commandStateOf(32838).enabled);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 576);
        d.sendCommand(IDCANCEL);
    });
    frame->routeCommand(32838);
    EXPECT_EQ(linesOf(*doc), (std::vector<std::string>{"PRINT XY"}));
}

} // namespace
