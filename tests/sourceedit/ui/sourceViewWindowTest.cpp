#include "sourceViewFixture.h"

#include "sourceedit/ui/CFindReplaceDialog.h"
#include "sourceedit/ui/CGoToLineDialog.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>
#include <set>
#include <fstream>
#include <unistd.h>

namespace {

class findTest : public sourceViewTest {
protected:
    CFindReplaceDialog* dialog(bool replace, const char* find, bool down = true)
    {
        view->openFindDialog(replace);
        CFindReplaceDialog* d = CSourceViewMfc::findDialog();
        d->setControlText(CFindReplaceDialog::findWhatId, find);
        if (!replace)
            d->checkRadioButton(CFindReplaceDialog::upId, CFindReplaceDialog::downId,
                                down ? CFindReplaceDialog::downId : CFindReplaceDialog::upId);
        return d;
    }
    void select(int32_t c1, int32_t l1, int32_t c2, int32_t l2)
    {
        view->moveCaret(c1, l1, 0);
        view->extendSelection(c2, l2);
    }
    CSourceViewMfc* view = nullptr;
};

TEST_F(findTest, FindNextStartsBeyondTheSelectionInItsDirectionAndNeverWraps)
{
    view = open("ab ab ab");
    select(3, 0, 5, 0);
    dialog(false, "ab")->sendCommand(IDOK);
    EXPECT_EQ(view->selStart, (CSourcePosition{6, 0}));
    select(3, 0, 5, 0);
    dialog(false, "ab", false)->sendCommand(IDOK);
    EXPECT_EQ(view->selStart, (CSourcePosition{0, 0}));
    EXPECT_EQ(view->caret, (CSourcePosition{2, 0}));
    EXPECT_TRUE(user.messages.empty());

    view->moveCaret(0, 0, 0);
    dialog(false, "ab", false)->sendCommand(IDOK);
    EXPECT_EQ(user.lastMessage().text, "Cannot find the string 'ab'");
    EXPECT_EQ(user.lastMessage().icon, gicon::none);
    select(6, 0, 8, 0);
    dialog(false, "ab")->sendCommand(IDOK);
    EXPECT_EQ(user.messages.size(), 2u);
    EXPECT_FALSE(view->hasSelection());
    view->moveCaret(0, 0, 0);
    view->onCommand(CSourceViewMfc::findAgainCommand);
    EXPECT_EQ(view->selStart, (CSourcePosition{0, 0}));
}

TEST_F(findTest, ReplaceReplacesOnlyTheOccurrenceItStartsOn)
{
    view = open("cat dog cat cat");
    select(0, 0, 3, 0);
    CFindReplaceDialog* d = dialog(true, "cat");
    d->setControlText(CFindReplaceDialog::replaceWithId, "cow");
    d->sendCommand(CFindReplaceDialog::replaceId);
    EXPECT_EQ(text(), "cow dog cat cat");
    EXPECT_EQ(view->selStart, (CSourcePosition{8, 0}));
    select(4, 0, 7, 0);
    d->sendCommand(CFindReplaceDialog::replaceId);
    EXPECT_EQ(text(), "cow dog cat cat");
    EXPECT_EQ(view->selStart, (CSourcePosition{8, 0}));
}

TEST_F(findTest, ReplaceAllInASelectionStaysInsideItAndUndoesAtOnce)
{
    view = open("a a\na a\na a");
    select(2, 0, 1, 2);
    CFindReplaceDialog* d = dialog(true, "a");
    d->setControlText(CFindReplaceDialog::replaceWithId, "bb");
    d->sendCommand(CFindReplaceDialog::replaceAllId);
    EXPECT_EQ(text(), "a bb\nbb bb\nbb a");
    document->undo();
    EXPECT_EQ(text(), "a a\na a\na a");
    view->clearSelection();
    d->setControlText(CFindReplaceDialog::findWhatId, "zz");
    d->sendCommand(CFindReplaceDialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().text, "Cannot find the string 'zz'");
    EXPECT_EQ(user.lastMessage().icon, gicon::none);
}

TEST_F(findTest, OneFindDialogAtATimeStartingWithASelectionOnOneLine)
{
    view = open("alpha beta\ngamma");
    select(6, 0, 10, 0);
    view->onCommand(CSourceViewMfc::findCommand);
    CFindReplaceDialog* find = CSourceViewMfc::findDialog();
    EXPECT_EQ(find->findText().view(), "beta");
    view->onCommand(CSourceViewMfc::findCommand);
    EXPECT_EQ(CSourceViewMfc::findDialog(), find);
    find->sendCommand(IDOK);
    select(0, 0, 2, 1);
    view->onCommand(CSourceViewMfc::replaceCommand);
    CFindReplaceDialog* replace = CSourceViewMfc::findDialog();
    EXPECT_TRUE(replace->isReplace());
    EXPECT_EQ(replace->findText().view(), "beta");
    EXPECT_FALSE(find->isVisible());
}

class dragTest : public sourceViewTest {
protected:
    // Enter, move and drop at a display column and line of the view.
    void dropAt(CSourceViewMfc& target, const QMimeData* data, int32_t column, int32_t line, Qt::DropAction action)
    {
        QPoint at = target.positionToPoint(column, line) + QPoint(1, target.lineHeight / 2);
        QDragEnterEvent enter(at, action, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target.viewport(), &enter);
        QDropEvent drop(QPointF(at), action, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target.viewport(), &drop);
        result = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
    Qt::DropAction result = Qt::IgnoreAction;
};

TEST_F(dragTest, AMovedSelectionIsUndoneInOneStepAndACopyLeavesTheOriginal)
{
    CSourceViewMfc* view = open("one two three");
    view->setSelectionPoint(4, 0);
    view->extendSelection(8, 0);
    std::unique_ptr<QMimeData> data(view->beginDrag());
    dropAt(*view, data.get(), 13, 0, Qt::MoveAction);
    view->endDrag(result, QPoint());
    EXPECT_EQ(text(), "one threetwo ");
    EXPECT_EQ(view->selectedText().view(), "two ");
    document->undo();
    EXPECT_EQ(text(), "one two three");

    view->setSelectionPoint(0, 0);
    view->extendSelection(4, 0);
    data.reset(view->beginDrag());
    dropAt(*view, data.get(), 13, 0, Qt::CopyAction);
    view->endDrag(result, QPoint());
    EXPECT_EQ(text(), "one two threeone ");
}

TEST_F(dragTest, ADropOntoTheDraggedTextChangesNothing)
{
    CSourceViewMfc* view = open("one two three");
    view->setSelectionPoint(4, 0);
    view->extendSelection(8, 0);
    std::unique_ptr<QMimeData> data(view->beginDrag());
    dropAt(*view, data.get(), 5, 0, Qt::MoveAction);
    EXPECT_EQ(result, Qt::IgnoreAction);
    view->endDrag(result, view->positionToPoint(5, 0));
    EXPECT_EQ(text(), "one two three");
    EXPECT_EQ(view->caret, (CSourcePosition{5, 0}));
    EXPECT_FALSE(view->hasSelection());
}

TEST_F(dragTest, ABlockDroppedInAnotherDocumentLinesUpAndAReadOnlyOneRefuses)
{
    CSourceViewMfc* view = open("abcd\nefgh\nijkl");
    view->blockSelection = 1;
    view->setSelectionPoint(1, 0);
    view->extendSelection(3, 1);
    std::unique_ptr<QMimeData> data(view->beginDrag());
    CSourceDocMfc& other = anotherDocument();
    other.insertText({0, 0}, "xy\nz");
    auto* target = addView<CSourceViewMfc>(40, 10, &other);
    dropAt(*target, data.get(), 1, 0, Qt::MoveAction);
    view->endDrag(result, QPoint());
    EXPECT_EQ(other.getText({0, 0}, {3, 1}).view(), "xbcy\r\nzfg");
    EXPECT_EQ(text(), "ad\neh\nijkl");

    other.readOnly = 1;
    view->setSelectionPoint(0, 2);
    view->extendSelection(2, 2);
    data.reset(view->beginDrag());
    dropAt(*target, data.get(), 0, 0, Qt::MoveAction);
    EXPECT_EQ(user.lastMessage().text, "Command failed. Document is read-only.");
    EXPECT_EQ(result, Qt::IgnoreAction);
}

// Records what printing puts on paper, page by page.
class printingView : public CSourceViewMfc {
public:
    using CSourceViewMfc::CSourceViewMfc;

    struct output {
        int page;
        int y;
        std::string text;
    };

    void textOut(CSourceDrawState& state, int x, int y, const char* text, int length) override
    {
        if (state.printing)
            outputs.push_back({page, y, std::string(text, size_t(length))});
        CSourceViewMfc::textOut(state, x, y, text, length);
    }
    void printPageNumber(int number, QPainter& dc, const CSourcePrintDevice& device, const QRect& rect) override
    {
        page = number;
        CSourceViewMfc::printPageNumber(number, dc, device, rect);
    }
    void drawWrapMark(QPainter& dc, int x, int y) override
    {
        ++marks;
        CSourceViewMfc::drawWrapMark(dc, x, y);
    }

    // The printed line numbers in order.
    std::vector<std::string> numbers() const
    {
        std::vector<std::string> out;
        for (const output& o : outputs) {
            if (o.text.size() > 2 && o.text.substr(o.text.size() - 2) == ": ")
                out.push_back(o.text);
        }
        return out;
    }
    // Printed lines that show text of the given character.
    int linesOf(char c) const
    {
        std::set<std::pair<int, int>> rows;
        for (const output& o : outputs) {
            if (o.text.find(c) != std::string::npos)
                rows.insert({o.page, o.y});
        }
        return static_cast<int>(rows.size());
    }

    std::vector<output> outputs;
    int page = 0;
    int marks = 0;
};

class printTest : public sourceViewTest {
protected:
    void SetUp() override
    {
        sourceViewTest::SetUp();
        pdf = (std::filesystem::temp_directory_path() / ("sourcePrint-" + std::to_string(::getpid()) + ".pdf"))
                  .string();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    void TearDown() override
    {
        std::filesystem::remove(pdf);
        sourceViewTest::TearDown();
    }
    printingView* openPrinting(const std::string& content)
    {
        open(content);
        return addView<printingView>();
    }
    // The columns of a printed line less one, as the layout counts them.
    int columnLimit(printingView& view)
    {
        QRect area;
        view.getPrintArea(CSourceViewMfc::printDevice(printer), 0.75, 0.75, 0.75, 0.75, area);
        view.beginPrinting(printer);
        return (area.width() - view.getLineNumberWidth()) / view.printCharWidth - 1;
    }

    std::string pdf;
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(printTest, EverySourceLineGetsItsNumberOnce)
{
    sourceEditorOptions = sourceOptionPrintLineNumbers;
    std::string lines = "x";
    for (int i = 1; i < 120; ++i)
        lines.append("\nx");
    printingView* view = openPrinting(lines);
    ASSERT_TRUE(view->print(printer, false));
    std::vector<std::string> expected;
    for (int i = 1; i <= 120; ++i)
        expected.push_back(std::to_string(i) + ": ");
    EXPECT_EQ(view->numbers(), expected);
    EXPECT_GT(view->page, 1);
    EXPECT_EQ(view->getLineNumberWidth(), 5 * view->printCharWidth);
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
}

TEST_F(printTest, ALongLineWrapsAndTheMarkTakesTheLastColumn)
{
    printingView* view = openPrinting("");
    int limit = columnLimit(*view);
    setText(std::string(size_t(2 * (limit + 1)), 'w'));
    ASSERT_TRUE(view->print(printer, false));
    EXPECT_EQ(view->linesOf('w'), 2);
    EXPECT_EQ(view->marks, 0);

    sourceEditorOptions = sourceOptionPrintWrapMark;
    view->outputs.clear();
    ASSERT_TRUE(view->print(printer, false));
    EXPECT_EQ(view->linesOf('w'), 3);
    EXPECT_EQ(view->marks, 2);
}

TEST_F(printTest, ALineCutAtTheBottomGoesOnAtTheTopOfTheNextPageWithoutANumber)
{
    sourceEditorOptions = sourceOptionPrintLineNumbers;
    printingView* view = openPrinting("");
    int limit = columnLimit(*view);
    QRect area;
    view->getPrintArea(CSourceViewMfc::printDevice(printer), 0.75, 0.75, 0.75, 0.75, area);
    int perPage = area.height() / view->printLineHeight;
    std::string lines;
    for (int i = 1; i < perPage; ++i)
        lines.append("s\n");
    lines.append(std::string(size_t(3 * (limit + 1)), 'w'));
    setText(lines);
    ASSERT_TRUE(view->print(printer, false));
    EXPECT_EQ(view->page, 2);
    std::string last = view->numbers().back();
    EXPECT_EQ(last, std::to_string(perPage) + ": ");
    auto firstOnPage2 = std::find_if(view->outputs.begin(), view->outputs.end(),
                                     [](const printingView::output& o) { return o.page == 2; });
    ASSERT_NE(firstOnPage2, view->outputs.end());
    EXPECT_EQ(firstOnPage2->text.front(), 'w');
}

TEST_F(printTest, PrintingTheSelectionPrintsItsWholeLinesAndBadMarginsPrintNothing)
{
    sourceEditorOptions = sourceOptionPrintLineNumbers;
    std::string lines = "line";
    for (int i = 1; i < 20; ++i)
        lines.append("\nline");
    printingView* view = openPrinting(lines);
    view->setSelectionPoint(2, 9);
    view->extendSelection(1, 11);
    ASSERT_TRUE(view->print(printer, true));
    EXPECT_EQ(view->numbers(), (std::vector<std::string>{"10: ", "11: ", "12: "}));

    printer.setPageMargins(QMarginsF(25, 25, 25, 25), QPageLayout::Millimeter);
    view->outputs.clear();
    EXPECT_FALSE(view->print(printer, false));
    EXPECT_EQ(user.lastMessage().text, "Invalid printing margins.");
    EXPECT_TRUE(view->outputs.empty());
}

TEST_F(printTest, ThePrintCommandOffersTheSelectionOnlyWhenThereIsOne)
{
    printingView* view = openPrinting("text");
    std::vector<bool> offered;
    CSourceViewMfc::setPrintDialogRunner([&](QPrinter&, bool selectionAvailable, bool&) {
        offered.push_back(selectionAvailable);
        return false;
    });
    view->onCommand(CSourceViewMfc::printCommand);
    view->setSelectionPoint(0, 0);
    view->extendSelection(2, 0);
    view->onCommand(CSourceViewMfc::printCommand);
    CSourceViewMfc::setPrintDialogRunner({});
    EXPECT_EQ(offered, (std::vector<bool>{false, true}));
    EXPECT_TRUE(view->outputs.empty());
}

TEST_F(sourceViewTest, BothScrollBarsStayWhenTheDocumentFits)
{
    CSourceViewMfc* view = open("short");
    resize(*view, 200, 60);
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
}

TEST_F(sourceViewTest, GoToLineRefusesNumbersOutsideTheDocumentAndSelectsTheLineItGoesTo)
{
    CSourceViewMfc* view = open("a\nb\nc\nd\ne");
    for (const char* typed : {"0", "6", "3"}) {
        user.scripts.push_back([typed](CDialog& d) {
            d.setControlText(CGoToLineDialog::lineNumberId, typed);
            d.sendCommand(IDOK);
        });
    }
    view->goToLine();
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].text, "Please enter a line number between 1 and 5.");
    EXPECT_EQ(user.messages[1].promptId, 10069);
    EXPECT_EQ(view->selectedText().view(), "c\r\n");
    EXPECT_EQ(view->caret, (CSourcePosition{0, 2}));
}

TEST_F(sourceViewTest, CommandsAreEnabledByTheirRules)
{
    CSourceViewMfc* view = open("text\nmore");
    auto enabled = [&](int id) {
        commandState state;
        state.id = id;
        view->onUpdateCommand(state);
        return state.enabled;
    };
    EXPECT_FALSE(enabled(CSourceViewMfc::copyCommand));
    EXPECT_FALSE(enabled(CSourceViewMfc::nextBookmarkCommand));
    view->onCommand(CSourceViewMfc::toggleBookmarkCommand);
    EXPECT_TRUE(enabled(CSourceViewMfc::nextBookmarkCommand));
    view->moveCaret(2, 1, 0);
    view->onCommand(CSourceViewMfc::nextBookmarkCommand);
    EXPECT_EQ(view->caret, (CSourcePosition{0, 0}));
    view->extendSelection(3, 0);
    EXPECT_TRUE(enabled(CSourceViewMfc::cutCommand));

    commandState undo;
    undo.id = CSourceDocMfc::undoCommand;
    document->onUpdateCommand(undo);
    EXPECT_FALSE(undo.enabled);
    type(*view, "Q");
    document->onUpdateCommand(undo);
    EXPECT_TRUE(undo.enabled);
    document->onCommand(CSourceDocMfc::undoCommand);
    EXPECT_EQ(text(), "text\nmore");
    document->onCommand(CSourceDocMfc::redoCommand);
    EXPECT_EQ(text(), "Qt\nmore");
}

TEST_F(sourceViewTest, ErrorsAreReportedInTheTextsOfTheirKind)
{
    CSourceViewMfc* view = open("");
    struct report {
        int operation, documentError, viewError;
        const char* text;
    };
    const report reports[] = {
        {0, 5, 0, "Command failed. Maximum line length exceeded."},
        {5, 7, 2, "Command failed. Document is read-only."},
        {6, 0, 3, "Clipboard memory error."},
        {5, 0, 2, "Clipboard error: 2 (2)."},
        {7, 0, 4, "Invalid printing margins."},
        {7, 0, 26, "Printing error: 1a (26)."},
        {0, 6, 0, "Command failed. Doc error 6 (6). View error 0 (0)."},
    };
    for (const report& r : reports) {
        view->reportError(r.operation, r.documentError, r.viewError);
        EXPECT_EQ(user.lastMessage().text, r.text);
    }
}

class documentFiles : public sourceViewTest {
protected:
    std::string write(const std::string& bytes)
    {
        path = (std::filesystem::temp_directory_path() / ("sourceDocMfc-" + std::to_string(::getpid()))).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    void TearDown() override
    {
        std::filesystem::remove(path);
        sourceViewTest::TearDown();
    }
    std::string path;
};

TEST_F(documentFiles, OpeningShowsFileErrorsAndTheLongLineNoticeAndNamesTheDocument)
{
    CSourceViewMfc* view = open("old");
    EXPECT_FALSE(document->OnOpenDocument(write(std::string("a\0b", 3)).c_str()));
    EXPECT_EQ(user.lastMessage().text, "File error.");
    user.answers.push_back(ganswer::ok);
    ASSERT_TRUE(document->OnOpenDocument(write(std::string(1500, 'L')).c_str()));
    EXPECT_EQ(user.lastMessage().buttons, gbuttons::okCancel);
    EXPECT_EQ(user.lastMessage().icon, gicon::information);
    EXPECT_EQ(document->getLineCount(), 2);
    EXPECT_EQ(document->pathName().view(), path);
    EXPECT_EQ(document->title().view(), std::filesystem::path(path).filename().string());
    EXPECT_EQ(view->caret, (CSourcePosition{0, 0}));
    EXPECT_FALSE(document->OnOpenDocument("/nonexistent/file"));
    ASSERT_TRUE(document->OnSaveDocument(path.c_str()));
    EXPECT_EQ(std::filesystem::file_size(path), 1502u);
    EXPECT_FALSE(document->isModified());
}

} // namespace
