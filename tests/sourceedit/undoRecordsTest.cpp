#include "sourceTestDoc.h"

#include "sourceedit/CSourceColumnMap.h"
#include "sourceedit/CSourceUndoColumn.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/CSourceUndoReplaceAll.h"

#include <functional>
#include <optional>
#include <gtest/gtest.h>

namespace {

// Edits made as the view makes them, from the caret the document's
// notifications leave.
struct editor {
    sourceTestDoc& doc;

    int run(std::unique_ptr<CSourceUndoRecord> record) { return doc.execute(std::move(record)); }
    int type(char c, int overwrite = 0)
    {
        return run(std::make_unique<CSourceUndoChar>(doc.caret.column, doc.caret.line, c, overwrite));
    }
    int backspace()
    {
        CSourcePosition c = doc.caret;
        if (c.column == 0)
            return run(std::make_unique<CSourceUndoDelete>(doc.getLineLength(c.line - 1), c.line - 1, 0, c.line));
        return run(std::make_unique<CSourceUndoDelete>(c.column - 1, c.line, c.column, c.line));
    }
    int del()
    {
        CSourcePosition c = doc.caret;
        auto record = std::make_unique<CSourceUndoDelete>(c.column, c.line, c.column + 1, c.line);
        record->undoCaretAtStart = 1;
        return run(std::move(record));
    }
    int paste(const char* text)
    {
        return run(std::make_unique<CSourceUndoInsert>(doc.caret.column, doc.caret.line, gstrSlice(text)));
    }
};

struct snapshot {
    std::string text;
    CSourcePosition caret;
    int modified;
};

snapshot take(sourceTestDoc& doc) { return {doc.text(), doc.caret, doc.isModified()}; }

void expectSame(const snapshot& a, const snapshot& b, const std::string& where)
{
    EXPECT_EQ(a.text, b.text) << where;
    EXPECT_EQ(a.caret, b.caret) << where;
    EXPECT_EQ(a.modified, b.modified) << where;
}

TEST(sourceUndo, UndoAndRedoRestoreTextCaretAndModifiedFlagExactly)
{
    sourceTestDoc doc("\tfirst\nsecond line\nlast");
    editor e{doc};
    struct step {
        std::optional<CSourcePosition> moveTo;
        std::function<int()> edit;
    };
    const std::vector<step> steps = {
        {CSourcePosition{3, 1}, [&] { return e.type('X'); }},
        {{}, [&] { return e.type('\n'); }},
        {{}, [&] { return e.type('Y', 1); }},
        {{}, [&] { return e.backspace(); }},
        {{}, [&] { return e.backspace(); }},   // joins two lines
        {{}, [&] { return e.backspace(); }},
        {{}, [&] { return e.del(); }},
        {{}, [&] { return e.paste("p\r\nq\nr"); }},
        {CSourcePosition{9, 2}, [&] { return e.type('Z'); }},  // past the end of a line
        {CSourcePosition{8, 3}, [&] { return e.paste("tail\n"); }},
        {CSourcePosition{30, 1}, [&] { return e.del(); }},   // a Delete in virtual space joins
        {{}, [&] { return e.type('\t'); }},
    };
    std::vector<snapshot> before, after;
    for (const step& s : steps) {
        if (s.moveTo)
            doc.caret = *s.moveTo;
        before.push_back(take(doc));
        ASSERT_TRUE(s.edit()) << before.size();
        after.push_back(take(doc));
    }
    for (size_t i = steps.size(); i-- > 0;) {
        doc.undo();
        expectSame(take(doc), before[i], "undo " + std::to_string(i));
    }
    EXPECT_EQ(doc.text(), "\tfirst\nsecond line\nlast");
    for (size_t i = 0; i < steps.size(); ++i) {
        doc.redo();
        expectSame(take(doc), after[i], "redo " + std::to_string(i));
    }
}

TEST(sourceUndo, TypingInOverwriteModeReplacesAndAppendsAndUndoesEither)
{
    sourceTestDoc doc("abc");
    editor e{doc};
    doc.caret = {1, 0};
    e.type('X', 1);
    EXPECT_EQ(doc.text(), "aXc");
    doc.caret = {3, 0};
    e.type('Y', 1);
    EXPECT_EQ(doc.text(), "aXcY");
    doc.undo();
    EXPECT_EQ(doc.text(), "aXc");
    doc.undo();
    EXPECT_EQ(doc.text(), "abc");
}

TEST(sourceUndo, ALineBreakSplitsAndTheOtherViewsAreToldTheLinesBelowMoved)
{
    sourceTestDoc doc("abcdef\nnext");
    editor e{doc};
    doc.caret = {3, 0};
    e.type('\n');
    EXPECT_EQ(doc.text(), "abc\ndef\nnext");
    const CSourceHint& split = doc.hints.back();
    EXPECT_EQ(split.flags, 0x4b);
    EXPECT_EQ(split.rangeEnd, (CSourcePosition{0, 1}));
    doc.undo();
    EXPECT_EQ(doc.text(), "abcdef\nnext");
    const CSourceHint& join = doc.hints.back();
    EXPECT_EQ(join.flags, 0x8b);
    EXPECT_EQ(adjustForDeletion({2, 2}, join.rangeStart, join.rangeEnd), (CSourcePosition{2, 1}));
}

TEST(sourceUndo, APasteThatWouldMakeALineTooLongLeavesTheSelectionInPlace)
{
    sourceTestDoc doc("0123456789\nabc");
    doc.maxLineLength = 12;
    auto paste = std::make_unique<CSourceUndoInsert>(2, 0, "wxyz");
    paste->setReplaceRange({4, 0});
    EXPECT_TRUE(doc.execute(std::move(paste)));
    EXPECT_EQ(doc.text(), "01wxyz456789\nabc");
    auto tooLong = std::make_unique<CSourceUndoInsert>(2, 0, "vwxyz");
    tooLong->setReplaceRange({4, 0});
    EXPECT_FALSE(doc.execute(std::move(tooLong)));
    EXPECT_EQ(doc.error, CSourceDoc::errorLineTooLong);
    EXPECT_EQ(doc.text(), "01wxyz456789\nabc");
    EXPECT_EQ(doc.undoCount(), 1);
}

TEST(sourceUndo, TypingOverASelectionThatStartsPastItsLineKeepsTheRestInPlace)
{
    sourceTestDoc doc("abc\ndefgh");
    auto typed = std::make_unique<CSourceUndoInsert>(5, 0, "x");
    typed->setReplaceRange({2, 1});
    ASSERT_TRUE(doc.execute(std::move(typed)));
    EXPECT_EQ(doc.text(), "abc  xfgh");
    doc.undo();
    EXPECT_EQ(doc.text(), "abc\ndefgh");
    doc.redo();
    EXPECT_EQ(doc.text(), "abc  xfgh");
}

TEST(sourceUndo, AnInsertionPastTheEndOfTheDocumentIsTakenBackCompletely)
{
    sourceTestDoc doc("abc");
    ASSERT_TRUE(doc.execute(std::make_unique<CSourceUndoInsert>(6, 2, "xy")));
    EXPECT_EQ(doc.text(), "abc\n\n      xy");
    doc.undo();
    EXPECT_EQ(doc.text(), "abc");
    EXPECT_EQ(doc.caret, (CSourcePosition{3, 0}));
}

TEST(sourceUndo, ReplaceAllReplacesEachOccurrenceOnceAndOneUndoTakesAllBack)
{
    sourceTestDoc doc("cat cat\nthe cat");
    doc.setModified(0);
    auto all = std::make_unique<CSourceUndoReplaceAll>(0, 0, -1, -1, "cat", "concat");
    ASSERT_TRUE(doc.execute(std::move(all)));
    EXPECT_EQ(doc.text(), "concat concat\nthe concat");
    EXPECT_TRUE(doc.isModified());
    doc.undo();
    EXPECT_EQ(doc.text(), "cat cat\nthe cat");
    EXPECT_FALSE(doc.isModified());
    doc.redo();
    EXPECT_EQ(doc.text(), "concat concat\nthe concat");
}

TEST(sourceUndo, ReplaceAllStopsAtTheEndOfTheRangeAndReportsWhatItCouldNotDo)
{
    sourceTestDoc doc("a a a\na a");
    ASSERT_TRUE(doc.execute(std::make_unique<CSourceUndoReplaceAll>(2, 0, 0, 1, "a", "b")));
    EXPECT_EQ(doc.text(), "a b b\na a");

    auto up = std::make_unique<CSourceUndoReplaceAll>(0, 0, -1, -1, "a", "c");
    up->params.backward = 1;
    ASSERT_TRUE(doc.execute(std::move(up)));
    EXPECT_EQ(doc.text(), "c b b\nc c");

    EXPECT_FALSE(doc.execute(std::make_unique<CSourceUndoReplaceAll>(0, 0, -1, -1, "zz", "y")));
    EXPECT_EQ(doc.error, CSourceDoc::errorNotFound);
    EXPECT_FALSE(doc.execute(std::make_unique<CSourceUndoReplaceAll>(0, 0, -1, -1, "", "y")));

    doc.maxLineLength = 6;
    EXPECT_FALSE(doc.execute(std::make_unique<CSourceUndoReplaceAll>(0, 0, -1, -1, "b", "bb")));
    EXPECT_EQ(doc.error, CSourceDoc::errorLineTooLong);
    EXPECT_EQ(doc.text(), "c b b\nc c");
}

// The end of a range on one line moves with what the replacements before it
// add or take away, so the text after the range stays.
TEST(sourceUndo, ReplaceAllRangeEndFollowsTheReplacements)
{
    struct {
        const char* text;
        CSourcePosition start;
        CSourcePosition stop;
        const char* replace;
        const char* result;
    } const cases[] = {
        {"xxx", {0, 0}, {2, 0}, "", "x"},
        {"xxx", {0, 0}, {2, 0}, "yy", "yyyyx"},
        {"xxx\nxx", {1, 0}, {1, 1}, "", "x\nx"},
        {"xxx\nxx", {1, 0}, {1, 1}, "yy", "xyyyy\nyyx"},
    };
    for (const auto& c : cases) {
        sourceTestDoc doc(c.text);
        ASSERT_TRUE(doc.execute(std::make_unique<CSourceUndoReplaceAll>(c.start.column, c.start.line, c.stop.column,
                                                                        c.stop.line, "x", c.replace)));
        EXPECT_EQ(doc.text(), c.result) << c.text << " -> " << c.replace;
        doc.undo();
        EXPECT_EQ(doc.text(), c.text);
    }
}

// In a range only the matches that lie wholly inside it are replaced: one
// that starts inside and ends after it stays, also across lines.
TEST(sourceUndo, ReplaceAllInARangeTakesOnlyWholeMatches)
{
    struct {
        const char* text;
        CSourcePosition start;
        CSourcePosition stop;
        const char* result; // null: nothing replaced
    } const cases[] = {
        {"cat cats", {4, 0}, {6, 0}, nullptr},
        {"cat cats", {4, 0}, {7, 0}, "cat dogs"},
        {"cat cats", {0, 0}, {6, 0}, "dog cats"},
        {"cat\ncat", {0, 0}, {2, 1}, "dog\ncat"},
        {"cat\ncat", {0, 0}, {3, 1}, "dog\ndog"},
    };
    for (const auto& c : cases) {
        sourceTestDoc doc(c.text);
        bool done = doc.execute(std::make_unique<CSourceUndoReplaceAll>(c.start.column, c.start.line, c.stop.column,
                                                                        c.stop.line, "cat", "dog"));
        EXPECT_EQ(done, c.result != nullptr) << c.text;
        EXPECT_EQ(doc.text(), c.result ? c.result : c.text) << c.text;
    }
}

TEST(sourceUndo, ABlockPasteLinesItsPiecesUpAtOneDisplayColumn)
{
    sourceTestDoc doc("\tab\nx\nabcdefghij");
    CSourceTabColumns columns(doc, 4);
    ASSERT_TRUE(doc.execute(std::make_unique<CSourceUndoColumnInsert>(&columns, 2, 0, "11\r\n22\r\n33\r\n")));
    EXPECT_EQ(doc.text(), "\ta11b\nx    22\nabcde33fghij");
    doc.undo();
    EXPECT_EQ(doc.text(), "\tab\nx\nabcdefghij");
    doc.redo();
    EXPECT_EQ(doc.text(), "\ta11b\nx    22\nabcde33fghij");
}

TEST(sourceUndo, CuttingABlockLeavesLinesThatEndBeforeItAlone)
{
    sourceTestDoc doc("abcdefgh\nab\nabc\tdefg");
    CSourceTabColumns columns(doc, 4);
    EXPECT_STREQ(getColumnText(doc, columns, {3, 0}, {5, 2}).data(), "de\r\n\r\n\td\r\n");
    ASSERT_TRUE(doc.execute(std::make_unique<CSourceUndoColumnDelete>(&columns, 3, 0, 5, 2)));
    EXPECT_EQ(doc.text(), "abcfgh\nab\nabcefg");
    doc.undo();
    EXPECT_EQ(doc.text(), "abcdefgh\nab\nabc\tdefg");
}

TEST(sourceUndo, ACompoundCommandThatFailsHalfWayChangesNothing)
{
    sourceTestDoc doc("abc\n12345\nxy");
    doc.maxLineLength = 5;
    auto group = std::make_unique<CSourceUndoGroup>();
    for (int32_t line = 0; line < 3; ++line)
        group->records.push_back(std::make_unique<CSourceUndoChar>(0, line, '\t', 0));
    EXPECT_FALSE(doc.execute(std::move(group)));
    EXPECT_EQ(doc.text(), "abc\n12345\nxy");

    CSourceTabColumns columns(doc, 4);
    EXPECT_FALSE(doc.execute(std::make_unique<CSourceUndoColumnInsert>(&columns, 1, 0, "..\r\n..\r\n")));
    EXPECT_EQ(doc.text(), "abc\n12345\nxy");
}

TEST(sourceUndo, ALinkedMoveIsUndoneInOneStep)
{
    sourceTestDoc doc("one two three");
    auto removal = std::make_unique<CSourceUndoDelete>(4, 0, 8, 0);
    ASSERT_TRUE(removal->perform(doc));
    auto insert = std::make_unique<CSourceUndoInsertLinked>(9, 0, " two");
    CSourceUndoInsertLinked* move = insert.get();
    ASSERT_TRUE(doc.execute(std::move(insert)));
    move->setLinked(std::move(removal));
    EXPECT_EQ(doc.text(), "one three two");
    doc.undo();
    EXPECT_EQ(doc.text(), "one two three");
    doc.redo();
    EXPECT_EQ(doc.text(), "one three two");
}

} // namespace
