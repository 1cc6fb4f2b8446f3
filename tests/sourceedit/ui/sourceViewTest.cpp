#include "sourceViewFixture.h"

#include "sourceedit/sourceColour.h"
#include "sourceedit/ui/sourceUiColours.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST_F(sourceViewTest, AClickInsideATabPutsTheCaretBeforeIt)
{
    struct clickCase {
        int tabWidth;
        const char* line;
        int32_t displayColumn;
        int32_t textColumn;
    };
    const clickCase cases[] = {
        {3, "a\tb", 1, 1}, {3, "a\tb", 2, 1}, {3, "a\tb", 3, 2}, {8, "a\tb", 3, 1}, {8, "a\tb", 8, 2},
        {4, "ab", 7, 7}, // past the end the columns run on
    };
    for (const clickCase& c : cases) {
        sourceEditorMode = c.tabWidth;
        CSourceViewMfc* view = open(c.line);
        QPoint at = view->positionToPoint(c.displayColumn, 0) + QPoint(0, 2);
        click(view->viewport(), at);
        EXPECT_EQ(view->caret, (CSourcePosition{c.textColumn, 0})) << c.tabWidth << " " << c.displayColumn;
    }
}

TEST_F(sourceViewTest, VerticalMovesKeepTheDisplayColumnAndTypingInVirtualSpacePads)
{
    CSourceViewMfc* view = open("0123456789ab\nabcd\n\tx");
    view->moveCaret(10, 0, 0);
    pressKey(view, Qt::Key_Down);
    EXPECT_EQ(view->caret, (CSourcePosition{10, 1}));
    pressKey(view, Qt::Key_Down);
    EXPECT_EQ(view->caret, (CSourcePosition{7, 2})); // display column 10 behind a tab
    pressKey(view, Qt::Key_Up);
    type(*view, "Z");
    EXPECT_EQ(text(), "0123456789ab\nabcd      Z\n\tx");
    document->undo();
    EXPECT_EQ(text(), "0123456789ab\nabcd\n\tx");
}

TEST_F(sourceViewTest, PageDownMovesViewAndCaretByAPageAndStopsOnTheLastLine)
{
    std::string lines;
    for (int i = 0; i < 25; ++i) {
        lines.append(i > 0 ? "\nline " : "line ");
        lines.append(std::to_string(i));
    }
    CSourceViewMfc* view = open(lines, 40, 10);
    ASSERT_EQ(view->visibleLines, 9);
    view->moveCaret(3, 2, 0);
    pressKey(view, Qt::Key_PageDown);
    int32_t column, line;
    view->getScrollPosition(column, line);
    EXPECT_EQ(line, 9);
    EXPECT_EQ(view->caret, (CSourcePosition{3, 11}));
    pressKey(view, Qt::Key_PageDown);
    pressKey(view, Qt::Key_PageDown);
    EXPECT_EQ(view->caret, (CSourcePosition{3, 24}));
    pressKey(view, Qt::Key_PageUp);
    EXPECT_EQ(view->caret, (CSourcePosition{3, 15}));
}

TEST_F(sourceViewTest, TheOtherViewsCaretStaysAtItsText)
{
    CSourceViewMfc* other = open("first\nsecond\nthird");
    other->moveCaret(3, 2, 0);
    CSourceViewMfc* view = addView();
    view->moveCaret(2, 0, 0);
    pressKey(view, Qt::Key_Return);
    EXPECT_EQ(other->caret, (CSourcePosition{3, 3}));
    EXPECT_EQ(view->caret, (CSourcePosition{0, 1}));
    view->setSelectionPoint(1, 2);
    view->extendSelection(5, 3);
    pressKey(view, Qt::Key_Delete);
    EXPECT_EQ(other->caret, (CSourcePosition{1, 2}));
    document->undo();
    EXPECT_EQ(text(), "fi\nrst\nsecond\nthird");
}

TEST_F(sourceViewTest, BackspaceJoinsLinesOrOnlyMovesInVirtualSpace)
{
    CSourceViewMfc* view = open("l0\nl1\nl2\nl3\nl4\nl5");
    view->moveCaret(0, 0, 0);
    pressKey(view, Qt::Key_Backspace);
    EXPECT_EQ(text(), "l0\nl1\nl2\nl3\nl4\nl5");
    view->moveCaret(0, 5, 0);
    pressKey(view, Qt::Key_Backspace);
    EXPECT_EQ(text(), "l0\nl1\nl2\nl3\nl4l5");
    EXPECT_EQ(view->caret, (CSourcePosition{2, 4}));
    view->moveCaret(7, 0, 0);
    pressKey(view, Qt::Key_Backspace);
    EXPECT_EQ(view->caret, (CSourcePosition{6, 0}));
    EXPECT_EQ(document->undoCount(), 1);
}

TEST_F(sourceViewTest, ReturnIndentsLikeThePreviousLineInASecondRecordAndOnlyMovesInOverwriteMode)
{
    sourceEditorOptions = sourceOptionAutoIndent;
    CSourceViewMfc* view = open("\t  code\nnext");
    view->moveCaret(7, 0, 0);
    pressKey(view, Qt::Key_Return);
    EXPECT_EQ(text(), "\t  code\n\t  \nnext");
    EXPECT_EQ(view->caret, (CSourcePosition{3, 1}));
    EXPECT_EQ(document->undoCount(), 2);

    sourceEditorOverwrite = true;
    pressKey(view, Qt::Key_Return);
    EXPECT_EQ(view->caret, (CSourcePosition{0, 2}));
    EXPECT_EQ(document->undoCount(), 2);
    pressKey(view, Qt::Key_End);
    pressKey(view, Qt::Key_Return);
    EXPECT_EQ(text(), "\t  code\n\t  \nnext\n");
}

TEST_F(sourceViewTest, TabOverSeveralLinesIndentsThemAllAndShiftTabTakesItBack)
{
    CSourceViewMfc* view = open("a\nb\nc\nd\ne");
    view->setSelectionPoint(0, 2);
    view->extendSelection(0, 4);
    pressKey(view, Qt::Key_Tab);
    EXPECT_EQ(text(), "a\nb\n\tc\n\td\n\te");
    EXPECT_EQ(view->selStart, (CSourcePosition{0, 2}));
    EXPECT_EQ(view->selEnd, (CSourcePosition{2, 4}));
    pressKey(view, Qt::Key_Backtab);
    EXPECT_EQ(text(), "a\nb\nc\nd\ne");
    document->undo();
    document->undo();
    EXPECT_EQ(text(), "a\nb\nc\nd\ne");
}

TEST_F(sourceViewTest, BlockIndentsAndUnindentsOnlyWhenEveryLineAgrees)
{
    sourceEditorMode = 3;
    CSourceViewMfc* view = open("ab cd\nab\tcd\nab cd");
    view->blockSelection = 1;
    view->setSelectionPoint(3, 0);
    view->extendSelection(5, 2);
    pressKey(view, Qt::Key_Backtab);
    EXPECT_EQ(text(), "ab cd\nab\tcd\nab cd"); // a blank on two lines, a tab on the other
    view->setSelectionPoint(2, 0);
    view->extendSelection(3, 2);
    pressKey(view, Qt::Key_Tab);
    EXPECT_EQ(text(), "ab\t cd\nab\t\tcd\nab\t cd");
    EXPECT_TRUE(view->blockSelection);
    pressKey(view, Qt::Key_Backtab);
    EXPECT_EQ(text(), "ab cd\nab\tcd\nab cd");
}

TEST_F(sourceViewTest, WordMovesStopAtTheEdgesOfWordsAndPunctuation)
{
    CSourceViewMfc* view = open("alpha  beta+=gamma\n  next");
    view->moveCaret(0, 0, 0);
    std::vector<CSourcePosition> right;
    for (int i = 0; i < 5; ++i) {
        pressKey(view, Qt::Key_Right, Qt::ControlModifier);
        right.push_back(view->caret);
    }
    EXPECT_EQ(right, (std::vector<CSourcePosition>{{7, 0}, {11, 0}, {13, 0}, {18, 0}, {2, 1}}));
    std::vector<CSourcePosition> left;
    for (int i = 0; i < 4; ++i) {
        pressKey(view, Qt::Key_Left, Qt::ControlModifier);
        left.push_back(view->caret);
    }
    EXPECT_EQ(left, (std::vector<CSourcePosition>{{0, 1}, {13, 0}, {11, 0}, {7, 0}}));
    pressKey(view, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(view->selStart, (CSourcePosition{7, 0}));
    EXPECT_EQ(view->selEnd, (CSourcePosition{11, 0}));
}

TEST_F(sourceViewTest, DoubleClickSelectsAWordOrOnePunctuationMarkButNoBlank)
{
    CSourceViewMfc* view = open("ab  cd+=ef my_var x2_");
    auto doubleClick = [&](int32_t column) {
        QPoint at = cell(*view, column, 0);
        sendMouse(view->viewport(), QEvent::MouseButtonPress, at);
        sendMouse(view->viewport(), QEvent::MouseButtonRelease, at);
        sendMouse(view->viewport(), QEvent::MouseButtonDblClick, at);
        sendMouse(view->viewport(), QEvent::MouseButtonRelease, at);
    };
    // The column clicked and the text selected; underscores and digits are
    // word characters.
    struct {
        int32_t column;
        const char* selected;
    } const clicks[] = {
        {5, "cd"}, {2, ""}, {6, "+"}, {11, "my_var"}, {13, "my_var"}, {16, "my_var"}, {18, "x2_"},
    };
    for (const auto& c : clicks) {
        doubleClick(c.column);
        EXPECT_EQ(view->selectedText().view(), c.selected) << c.column;
        EXPECT_EQ(view->hasSelection(), *c.selected != 0) << c.column;
    }
}

TEST_F(sourceViewTest, ADragFromTheMarginSelectsWholeLines)
{
    sourceEditorOptions = sourceOptionMargin;
    CSourceViewMfc* view = open("one\ntwo\nthree\nfour");
    QPoint margin(2, cell(*view, 0, 1).y());
    sendMouse(view->viewport(), QEvent::MouseButtonPress, margin);
    EXPECT_EQ(view->selectedText().view(), "two\r\n");
    sendMouse(view->viewport(), QEvent::MouseMove, QPoint(2, cell(*view, 0, 2).y()));
    sendMouse(view->viewport(), QEvent::MouseButtonRelease, QPoint(2, cell(*view, 0, 2).y()));
    EXPECT_EQ(view->selectedText().view(), "two\r\nthree\r\n");
    EXPECT_EQ(view->caret, (CSourcePosition{0, 3}));
}

TEST_F(sourceViewTest, ABlockCopiedAndPastedLinesUpAtOneDisplayColumn)
{
    CSourceViewMfc* view = open("abcdef\nab\n\tcdefg\n\n\n");
    view->blockSelection = 1;
    view->setSelectionPoint(1, 0);
    view->extendSelection(2, 2);
    ASSERT_TRUE(view->copy());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text().toStdString(), "bcde\r\nb\r\n\tc\r\n");
    EXPECT_TRUE(data->hasFormat(sourceViewColTextFormat));
    view->clearSelection();
    view->moveCaret(2, 3, 0);
    ASSERT_TRUE(view->paste());
    EXPECT_EQ(text(), "abcdef\nab\n\tcdefg\n  bcde\n  b\n  \tc");
    document->undo();
    EXPECT_EQ(text(), "abcdef\nab\n\tcdefg\n\n\n");
}

TEST_F(sourceViewTest, CutWithoutASelectionReportsItAndCutPasteRoundTrips)
{
    CSourceViewMfc* view = open("hello world");
    EXPECT_FALSE(view->cut());
    EXPECT_EQ(user.lastMessage().text, "Clipboard error: 1 (1).");
    EXPECT_EQ(user.lastMessage().icon, gicon::error);
    view->setSelectionPoint(5, 0);
    view->extendSelection(11, 0);
    ASSERT_TRUE(view->cut());
    EXPECT_EQ(text(), "hello");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(sourceViewColTextFormat));
    view->moveCaret(0, 0, 0);
    ASSERT_TRUE(view->paste());
    EXPECT_EQ(text(), " worldhello");
}

TEST_F(sourceViewTest, AFailedCommandIsReportedAndChangesNothing)
{
    CSourceViewMfc* view = open(std::string(1024, 'x'));
    view->moveCaret(3, 0, 0);
    type(*view, "y");
    EXPECT_EQ(user.lastMessage().text, "Command failed. Maximum line length exceeded.");
    document->readOnly = 1;
    pressKey(view, Qt::Key_Delete);
    EXPECT_EQ(user.lastMessage().text, "Command failed. Document is read-only.");
    EXPECT_EQ(text(), std::string(1024, 'x'));
}

QImage rendered(CSourceViewMfc& view)
{
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    view.viewport()->render(&image);
    return image;
}

TEST_F(sourceViewTest, BookmarksShowAsAMarginMarkOrAsAColouredLine)
{
    sourceEditorHighlightColour = rgbColour(255, 0, 0);
    CSourceViewMfc* view = open("marked\nplain");
    document->toggleBookmark(0);
    QImage whole = rendered(*view);
    EXPECT_EQ(whole.pixelColor(cell(*view, 20, 0)), QColor(255, 0, 0));
    EXPECT_NE(whole.pixelColor(cell(*view, 20, 1)), QColor(255, 0, 0));

    sourceEditorOptions = sourceOptionMargin;
    view->OnUpdate(nullptr, 0, nullptr);
    QImage margin = rendered(*view);
    QPoint middle(2 * view->charWidth, view->lineHeight / 2);
    EXPECT_EQ(margin.pixelColor(middle), QColor(255, 0, 0));
    EXPECT_NE(margin.pixelColor(cell(*view, 20, 0)), QColor(255, 0, 0));
}

TEST_F(sourceViewTest, TheSelectionIsDrawnOnTheHighlightAsAStreamOrABlock)
{
    CSourceViewMfc* view = open("abcdef\nab\nabcdef");
    QColor highlight = sourceColour(systemColourRef(sysColourIndexHighlight));
    auto at = [&](const QImage& image, int32_t column, int32_t line) {
        return image.pixelColor(view->positionToPoint(column, line));
    };
    view->setSelectionPoint(4, 0);
    view->extendSelection(1, 2);
    QImage stream = rendered(*view);
    EXPECT_NE(at(stream, 3, 0), highlight);
    EXPECT_EQ(at(stream, 4, 0), highlight);
    EXPECT_EQ(at(stream, 6, 0), highlight); // the line break
    EXPECT_NE(at(stream, 7, 0), highlight);
    EXPECT_EQ(at(stream, 0, 2), highlight);
    EXPECT_NE(at(stream, 1, 2), highlight);

    view->blockSelection = 1;
    view->setSelectionPoint(1, 0);
    view->extendSelection(4, 2);
    QImage block = rendered(*view);
    EXPECT_NE(at(block, 0, 1), highlight);
    EXPECT_EQ(at(block, 1, 1), highlight);
    EXPECT_EQ(at(block, 3, 1), highlight); // past the end of a short line
    EXPECT_NE(at(block, 4, 1), highlight);
}

TEST_F(sourceViewTest, KeysMoveToLineAndDocumentEndsAndFocusKeepsTheCaretInTheText)
{
    CSourceViewMfc* view = open("first\nsecond line");
    pressKey(view, Qt::Key_End);
    EXPECT_EQ(view->caret, (CSourcePosition{5, 0}));
    pressKey(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->caret, (CSourcePosition{11, 1}));
    pressKey(view, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(view->selectedText().view(), "second line");
    pressKey(view, Qt::Key_Escape);
    EXPECT_FALSE(view->hasSelection());
    pressKey(view, Qt::Key_Insert);
    EXPECT_TRUE(sourceEditorOverwrite);
    type(*view, "S");
    EXPECT_EQ(text(), "first\nSecond line");

    view->extendSelection(4, 1);
    view->onKillFocus();
    document->deleteLines(1, 1);
    view->onSetFocus();
    EXPECT_EQ(view->caret, (CSourcePosition{5, 0}));
    EXPECT_FALSE(view->hasSelection());
}

TEST_F(sourceViewTest, AFixedMarginHidesTextAndCaretScrolledUnderIt)
{
    sourceEditorOptions = sourceOptionMargin | sourceOptionFixedMargin;
    CSourceViewMfc* view = open(std::string(60, 'W'));
    view->moveCaret(2, 0, 0);
    EXPECT_TRUE(view->caretShape().visible());
    view->scrollTo(3, 0);
    EXPECT_FALSE(view->caretShape().visible());
    EXPECT_EQ(view->caretHiddenInMargin, 1);
    QImage image = rendered(*view);
    QColor background = image.pixelColor(1, view->lineHeight * 3);
    for (int x = 0; x < view->marginWidth() - 1; ++x) {
        for (int y = 0; y < view->lineHeight; ++y)
            ASSERT_EQ(image.pixelColor(x, y), background) << x << "," << y;
    }
    view->scrollTo(0, 0);
    EXPECT_TRUE(view->caretShape().visible());
}

} // namespace
