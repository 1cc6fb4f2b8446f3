#include "sourceTestDoc.h"

#include "sourceedit/CSourceUndoRecord.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

gstrSlice s(const char* text) { return gstrSlice(text); }

TEST(sourceDocument, AClearedDocumentIsOneEmptyLineWhoseTextIsEmpty)
{
    sourceTestDoc doc;
    EXPECT_EQ(doc.getLineCount(), 1);
    EXPECT_STREQ(doc.getText({0, 0}, {0, 0}).data(), "");
    EXPECT_EQ(doc.measureText({0, 0}, {0, 0}), 1);
}

TEST(sourceDocument, InsertTextSplitsAtEveryKindOfLineBreakAndKeepsTheTail)
{
    sourceTestDoc doc("xyz");
    CSourcePosition end = doc.insertText({2, 0}, s("a\r\nb\rc\nd"));
    EXPECT_EQ(doc.text(), "xya\nb\nc\ndz");
    EXPECT_EQ(end, (CSourcePosition{1, 3}));

    sourceTestDoc pad("abc");
    EXPECT_EQ(pad.insertText({10, 0}, s("q")), (CSourcePosition{11, 0}));
    EXPECT_EQ(pad.text(), "abc       q");
    sourceTestDoc grow("abc");
    grow.insertText({2, 2}, s("q"));
    EXPECT_EQ(grow.text(), "abc\n\n  q");
}

TEST(sourceDocument, DeletingJoinsLinesAndAnEndPastTheLineTakesItsBreak)
{
    struct deletion {
        CSourcePosition from, to;
        const char* after;
    };
    const deletion cases[] = {
        {{3, 0}, {0, 1}, "abcdef\ngh"},    // end of a line to the start of the next
        {{3, 0}, {4, 0}, "abcdef\ngh"},    // one past the end of a line
        {{9, 0}, {10, 0}, "abcdef\ngh"},   // in virtual space
        {{1, 0}, {1, 2}, "ah"},            // across lines
        {{1, 0}, {5, 1}, "agh"},           // an end past its line
        {{1, 1}, {1, 1}, "abc\ndef\ngh"},  // nothing
        {{0, 7}, {2, 8}, "abc\ndef\ngh"},  // no such line
    };
    for (const deletion& d : cases) {
        sourceTestDoc doc("abc\ndef\ngh");
        doc.deleteText(d.from, d.to);
        EXPECT_EQ(doc.text(), d.after) << d.from.column << "," << d.from.line;
    }
}

TEST(sourceDocument, GetTextClampsColumnsAndEndsWithABreakWhenTheRangeRunsPastTheLine)
{
    sourceTestDoc doc("abc\ndef\ngh");
    EXPECT_STREQ(doc.getText({1, 0}, {2, 1}).data(), "bc\r\nde");
    EXPECT_STREQ(doc.getText({5, 0}, {9, 1}).data(), "\r\ndef\r\n");
    EXPECT_STREQ(doc.getText({0, 2}, {0, 9}).data(), "gh\r\n");
    EXPECT_EQ(doc.measureText({1, 0}, {2, 1}), 7);
}

TEST(sourceDocument, ChecksRefuseWhatWouldMakeALineLongerThanTheLimit)
{
    sourceTestDoc doc("abcd\nefgh");
    doc.maxLineLength = 6;
    EXPECT_TRUE(doc.canInsertChar(4, 0, 0));
    EXPECT_TRUE(doc.canInsertChar(5, 0, 1));
    EXPECT_FALSE(doc.canInsertChar(6, 0, 0)); // padding counts
    EXPECT_FALSE(doc.canInsertChar(7, 0, 1));
    EXPECT_TRUE(doc.canInsertText({2, 0}, s("xy")));
    EXPECT_FALSE(doc.canInsertText({2, 0}, s("xyz")));
    EXPECT_TRUE(doc.canInsertText({2, 0}, s("wxyz\nq")));  // the tail goes with the last piece
    EXPECT_FALSE(doc.canInsertText({2, 0}, s("w\nqrstu")));
    EXPECT_FALSE(doc.canInsertText({6, 0}, s("")));
    // A line break taken along joins the next line.
    EXPECT_FALSE(doc.canDelete({4, 0}, {5, 0}));
    EXPECT_TRUE(doc.canDelete({2, 0}, {5, 0}));
    EXPECT_TRUE(doc.canDelete({4, 0}, {3, 1}));
}

TEST(sourceDocument, InsertCharSplitsPadsOverwritesAndIgnoresABreakInOverwriteMode)
{
    sourceTestDoc doc("abcd");
    EXPECT_EQ(doc.insertChar(2, 0, '\n', 1), 'c');
    EXPECT_EQ(doc.text(), "abcd");
    doc.insertChar(2, 0, '\n', 0);
    EXPECT_EQ(doc.text(), "ab\ncd");
    doc.insertChar(0, 1, '\n', 0);
    EXPECT_EQ(doc.text(), "ab\n\ncd");
    EXPECT_EQ(doc.insertChar(0, 2, 'X', 1), 'c');
    doc.insertChar(4, 2, 'Y', 0);
    EXPECT_EQ(doc.text(), "ab\n\nXd  Y");
}

TEST(sourceDocument, FindHonoursDirectionCaseAndWholeWords)
{
    sourceTestDoc doc("x ab y\nx-ab y\nAB ab");
    struct search {
        const char* pattern;
        CSourcePosition start;
        int backward, matchCase, wholeWord;
        int found;
        CSourcePosition at;
    };
    const search cases[] = {
        {"ab", {0, 0}, 0, 0, 0, 1, {2, 0}},
        {"ab", {3, 0}, 0, 0, 0, 1, {2, 1}},
        {"ab", {3, 0}, 0, 0, 1, 1, {0, 2}},  // x-ab is no whole word
        {"ab", {0, 2}, 0, 1, 0, 1, {3, 2}},
        {"ab", {3, 2}, 1, 1, 0, 1, {3, 2}},  // backwards, exactly at the start column
        {"ab", {2, 2}, 1, 1, 0, 1, {2, 1}},
        {"ab", {1, 0}, 1, 0, 0, 0, {0, 0}},
        {"", {4, 1}, 0, 0, 0, 1, {0, 1}},
        {"zz", {0, 0}, 0, 0, 0, 0, {0, 0}},
        {"ab", {0, 99}, 1, 0, 0, 1, {0, 2}},  // the start line is the last
        {"ab", {1, 2}, 0, 1, 1, 1, {3, 2}},   // a whole word that ends the text
        {"y", {6, 0}, 1, 0, 1, 1, {5, 0}},    // a whole word that ends its line
    };
    for (const search& c : cases) {
        CSourceFindParams p;
        p.pattern = c.pattern;
        p.patternLength = static_cast<int32_t>(std::strlen(c.pattern));
        p.startColumn = c.start.column;
        p.startLine = c.start.line;
        p.backward = c.backward;
        p.matchCase = c.matchCase;
        p.wholeWord = c.wholeWord;
        CSourcePosition at;
        EXPECT_EQ(doc.find(p, at), c.found) << c.pattern << " from " << c.start.column << "," << c.start.line;
        if (c.found) {
            EXPECT_EQ(at, c.at) << c.pattern << " from " << c.start.column << "," << c.start.line;
        }
    }
}

TEST(sourceDocument, BookmarksWrapAroundAndSurviveTheTokenizerState)
{
    sourceTestDoc doc("a\nb\nc\nd");
    EXPECT_EQ(doc.nextBookmark(2), 2);
    doc.toggleBookmark(0);
    EXPECT_EQ(doc.nextBookmark(0), 0);
    EXPECT_EQ(doc.previousBookmark(0), 0);
    EXPECT_EQ(doc.nextBookmark(2), 0);
    EXPECT_EQ(doc.previousBookmark(2), 0);
    doc.toggleBookmark(2);
    EXPECT_EQ(doc.nextBookmark(0), 2);
    EXPECT_EQ(doc.previousBookmark(0), 2);
    EXPECT_EQ(doc.bookmarkCount, 2);
    EXPECT_EQ(doc.hints.back().flags, CSourceHint::redrawAll);
    doc.setLineWord(2, doc.getLineWord(2) | 0x05);
    doc.clearBookmarks();
    EXPECT_FALSE(doc.hasBookmarks());
    EXPECT_EQ(doc.getLineWord(2), 0x05);
    doc.toggleBookmark(1);
    doc.deleteText({0, 0}, {0, 2});
    EXPECT_EQ(doc.bookmarkCount, 0);
}

std::unique_ptr<CSourceUndoRecord> typed(int32_t column, char c)
{
    return std::make_unique<CSourceUndoChar>(column, 0, c, 0);
}

TEST(sourceDocument, TheUndoListKeepsTheLast256AndANewCommandCutsOffTheRedoable)
{
    sourceTestDoc doc;
    for (int i = 0; i < 257; ++i)
        ASSERT_TRUE(doc.execute(typed(i % 200, 'a')));
    EXPECT_EQ(doc.undoCount(), 256);
    for (int i = 0; i < 256; ++i)
        doc.undo();
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.text(), "a");

    sourceTestDoc cut;
    for (char c : std::string("abcd"))
        cut.execute(typed(static_cast<int32_t>(cut.getLineLength(0)), c));
    cut.undo();
    cut.undo();
    EXPECT_TRUE(cut.canRedo());
    cut.execute(typed(2, 'x'));
    EXPECT_FALSE(cut.canRedo());
    EXPECT_EQ(cut.undoCount(), 3);
    EXPECT_EQ(cut.text(), "abx");
}

TEST(sourceDocument, AReadOnlyDocumentRefusesCommandsButStillUndoes)
{
    sourceTestDoc doc;
    doc.execute(typed(0, 'a'));
    doc.readOnly = 1;
    EXPECT_FALSE(doc.execute(typed(1, 'b')));
    EXPECT_EQ(doc.error, CSourceDoc::errorReadOnly);
    doc.undo();
    EXPECT_EQ(doc.text(), "");
    doc.redo();
    EXPECT_EQ(doc.text(), "a");
}

TEST(sourceDocument, WithUndoDisabledPerformedRecordsAreNotKept)
{
    sourceTestDoc doc;
    doc.undoEnabled = 0;
    EXPECT_TRUE(doc.execute(typed(0, 'a')));
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.text(), "a");
}

} // namespace
