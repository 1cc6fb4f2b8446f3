#include "sourceTestDoc.h"

#include "sourceedit/CSourceTokenizer.h"

#include <gtest/gtest.h>

namespace {

// A C-like tokenizer with every option.
class cTokenizer : public CSourceTokenizer {
public:
    explicit cTokenizer(int options = continueLines | directives | extendedNumbers | charLiterals | escapes)
    {
        blockCommentOpen.assign("/*");
        blockCommentClose.assign("*/");
        lineCommentOpen.assign("//");
        quoteChar = '"';
        scanOptions = options;
    }
    int isKeyword(const char* text, int32_t length) override { return std::string(text, size_t(length)) == "int"; }
};

class tokenizedDoc : public sourceTestDoc {
public:
    tokenizedDoc(const std::string& text, CSourceTokenizer* tokenizer) : sourceTestDoc(text), tokenizer_(tokenizer)
    {
        retokenize(0, getLineCount());
    }
    CSourceTokenizer* getTokenizer() override { return tokenizer_; }

    // "kind:text" for each token of the line.
    std::vector<std::string> tokens(int32_t line)
    {
        std::vector<std::string> out;
        tokenizer_->beginLine(*this, line);
        int32_t start, length;
        while (int kind = tokenizer_->nextToken(start, length))
            out.push_back(std::to_string(kind) + ":" + std::string(lineText(line) + start, size_t(length)));
        tokenizer_->endLine();
        return out;
    }

private:
    CSourceTokenizer* tokenizer_;
};

using tokens = std::vector<std::string>;

TEST(sourceTokenizer, ABlockCommentCarriesToTheNextLineThroughTheStoredState)
{
    cTokenizer c;
    tokenizedDoc doc("a /* b\nc */ d", &c);
    EXPECT_EQ(doc.getLineWord(0) & 0xFF, CSourceTokenizer::inBlockComment);
    EXPECT_EQ(doc.tokens(0), (tokens{"5:a", "1: ", "7:/* b"}));
    EXPECT_EQ(doc.tokens(1), (tokens{"7:c */", "1: ", "5:d"}));
}

TEST(sourceTokenizer, RecolouringRunsUntilTheStateStopsChanging)
{
    cTokenizer c;
    tokenizedDoc doc("/* a\nb\nc\nd */\ne\nf", &c);
    doc.deleteText({0, 0}, {2, 0});
    EXPECT_EQ(doc.retokenizeLine(0), 3); // line 3 is recoloured, and its state stays
    for (int32_t line = 0; line < 6; ++line)
        EXPECT_EQ(doc.getLineWord(line) & 0xFF, 0) << line;
    doc.toggleBookmark(1);
    doc.insertText({0, 0}, "/*");
    EXPECT_EQ(doc.retokenize(0, 0), 3);
    EXPECT_EQ(doc.getLineWord(1), CSourceDoc::bookmarkBit | CSourceTokenizer::inBlockComment);
}

TEST(sourceTokenizer, CutsTokensAsItsOptionsSay)
{
    struct line {
        int options;
        const char* text;
        tokens expected;
    };
    const int all = 0x1F;
    const line cases[] = {
        {all, "\"a\\\"b\" x", {"6:\"a\\\"b\"", "1: ", "5:x"}},
        {all & ~0x10, "\"a\\\"b\"", {"6:\"a\\\"", "5:b", "6:\""}},
        {all, "1.5e+3f 0x1F 12L 7", {"4:1.5e+3f", "1: ", "3:0x1", "5:F", "1: ", "3:12L", "1: ", "3:7"}},
        {0, "1.5e+3f 12L", {"4:1.5", "5:e", "2:+", "3:3", "5:f", "1: ", "3:12", "5:L"}},
        {all, "'c' 'x int", {"9:'c'", "1: ", "2:'", "5:x", "1: ", "10:int"}},
        {all, "#define X \"/*\" // c", {"8:#define X \"/*\" ", "7:// c"}},
        {all, "a // b /* c", {"5:a", "1: ", "7:// b /* c"}},
    };
    for (const line& l : cases) {
        cTokenizer c(l.options);
        tokenizedDoc doc(l.text, &c);
        EXPECT_EQ(doc.tokens(0), l.expected) << l.text;
    }
}

TEST(sourceTokenizer, StringsAndDirectivesEndWithTheirLineUnlessContinued)
{
    cTokenizer plain(0x02);
    tokenizedDoc open("\"abc\nd", &plain);
    EXPECT_EQ(open.getLineWord(0) & 0xFF, 0);
    EXPECT_EQ(open.tokens(1), (tokens{"5:d"}));

    cTokenizer continued(0x03);
    tokenizedDoc doc("x = \"abc \\ \nd\" e\n#if a \\\nb\nc", &continued);
    EXPECT_EQ(doc.getLineWord(0) & 0xFF, CSourceTokenizer::inString);
    EXPECT_EQ(doc.tokens(1), (tokens{"6:d\"", "1: ", "5:e"}));
    EXPECT_EQ(doc.getLineWord(2) & 0xFF, CSourceTokenizer::inDirective);
    EXPECT_EQ(doc.tokens(3), (tokens{"8:b"}));
    EXPECT_EQ(doc.tokens(4), (tokens{"5:c"}));
}

TEST(sourceTokenizer, TheDefaultTokenizerKnowsNoDelimiters)
{
    tokenizedDoc doc("a1 /* \"s\" # 'c' 2.5", &defaultSourceTokenizer());
    EXPECT_EQ(doc.tokens(0), (tokens{"5:a1", "1: ", "2:/", "2:*", "1: ", "2:\"", "5:s", "2:\"", "1: ", "2:#", "1: ",
                                     "2:'", "5:c", "2:'", "1: ", "4:2.5"}));
}

} // namespace
