#include "scl/gsclTokenizer.h"

#include "scl/sclTokenScanner.h"
#include "sourceedit/CSourceTextDoc.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "ports/gserialPort.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A document holding the text, lines split at "\n".
class sclDoc : public CSourceTextDoc {
public:
    explicit sclDoc(const std::string& text)
    {
        clear();
        insertText({0, 0}, gstrSlice(text.data(), static_cast<int32_t>(text.size())));
    }
};

// The line's tokens as "[text]class" separated by blanks.
std::string colours(gsclTokenizer& tokenizer, CSourceDoc& doc, int32_t line)
{
    std::string text = doc.lineText(line);
    std::string out;
    tokenizer.beginLine(doc, line);
    for (int guard = 0; guard < 1000; ++guard) {
        int32_t start = -1, length = -1;
        int colour = tokenizer.nextToken(start, length);
        if (colour == sclColour::endOfLine) {
            EXPECT_EQ(length, 0);
            EXPECT_EQ(tokenizer.endLine(), 0);
            return out;
        }
        if (!out.empty())
            out += ' ';
        out.push_back('[');
        out.append(text.substr(static_cast<size_t>(start), static_cast<size_t>(length)));
        out.push_back(']');
        out.append(std::to_string(colour));
    }
    ADD_FAILURE() << "no end of line";
    return out;
}

TEST(sclTokenizer, ColourClasses)
{
    sclDoc doc("10 A$ = \"x\": REM done\n"
               "PRINT X \\ anything goes  here\n"
               "  20 B% = TRUE% OR RESULT & 1.5 ; LEN(TIME) @\n"
               "\\\n"
               "\n"
               "GOTO 10");
    gsclTokenizer& tokenizer = sclStationTokenizer();
    EXPECT_EQ(colours(tokenizer, doc, 0), "[10]8 [ ]1 [A$]33 [ ]1 [=]38 [ ]1 [\"x\"]6 [:]5 [ ]1 [REM done]7");
    EXPECT_EQ(colours(tokenizer, doc, 1), "[PRINT]39 [ ]1 [X]35 [ ]1 [\\]5 [ ]1 [anything]32 [ ]1 [goes]32 [  ]1 "
                                          "[here]32");
    EXPECT_EQ(colours(tokenizer, doc, 2), "[  ]1 [20]8 [ ]1 [B%]34 [ ]1 [=]38 [ ]1 [TRUE%]10 [ ]1 [OR]38 [ ]1 "
                                          "[RESULT]37 [ ]1 [&]4 [ ]1 [1.5]4 [ ]1 [;]5 [ ]1 [LEN]40 [(]5 [TIME]36 "
                                          "[)]5 [ ]1 [@]32");
    // Nothing carries over from a backslash at the end of a line.
    EXPECT_EQ(colours(tokenizer, doc, 3), "[\\]5");
    EXPECT_EQ(colours(tokenizer, doc, 4), "");
    EXPECT_EQ(colours(tokenizer, doc, 5), "[GOTO]39 [ ]1 [10]4");
}

TEST(sclTokenizer, ObjectNamesByMode)
{
    station::serialPorts().define("COM1");
    sclDoc doc("RUN \"COM1\"");
    EXPECT_EQ(colours(sclStationTokenizer(), doc, 0), "[RUN]39 [ ]1 [\"COM1\"]41");
    EXPECT_EQ(colours(sclDriverTokenizer(), doc, 0), "[RUN]39 [ ]1 [\"COM1\"]6");
    clearObjectDatabase(false);
}

TEST(sclTokenizer, EveryKindHasAClass)
{
    int expected[] = {32, 0, 1, 5, 5, 8, 6, 4, 33, 34, 35, 10, 36, 37, 38, 39, 40, 7, 41};
    for (int kind = 0; kind <= sclToken::objectName; ++kind)
        EXPECT_EQ(sclColourClass(kind), expected[kind]) << kind;
}

} // namespace
