#include "registers/ganalogLogInfo.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gstringLogInfo.h"
#include "registers/gvalueLogInfo.h"

#include "store/CObjectFile.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The answer to the last line fed (the record's END when the text ends with
// it; refusedEarly when a line before it was refused), and what the record
// writes after loading.
struct outcome {
    gloadStatus last;
    std::string written;
};

template <class Record>
outcome feed(Record& record, const std::string& lines)
{
    std::vector<gloadStatus> answers =
        feedUntilRefused(lines, [&](int token, gstr& value) { return record.loadLine(token, value); });
    std::string written = writtenText([&](CObjectFile& file) { record.writeFields(file, 0); });
    return {answers.empty() ? -1 : answers.back(), written};
}

struct lineCase {
    const char* lines;
    gloadStatus last;
    const char* written; // null: not checked
};

template <class Record>
void runCases(const std::vector<lineCase>& cases)
{
    for (const lineCase& c : cases) {
        SCOPED_TRACE(c.lines);
        Record record;
        outcome o = feed(record, c.lines);
        EXPECT_EQ(o.last, c.last);
        if (c.written) {
            EXPECT_EQ(o.written, c.written);
        }
    }
}

TEST(ganalogLogInfo, LinesStatusesAndWrittenForms)
{
    runCases<ganalogLogInfo>({
        {"VALUES STRICTLY INSIDE\nMINIMUM 1\nEND\n", gload::finished, "VALUES\t\tSTRICTLY INSIDE\nMINIMUM\t\t1\n"},
        {"VALUES OUTSIDE\nMAXIMUM 3\nMIN_CHANGE_DB 2\nEND\n", gload::finished,
         "VALUES\t\tOUTSIDE\nMAXIMUM\t\t3\nMIN_CHANGE_DB\t2\n"},
        {"VALUES ALL\nPRECISION 0\nFACTOR 1\nOFFSET 0\nEND\n", gload::finished, "VALUES\t\tALL\n"},
        {"VALUES ALL\nEXPONENT \"*10^\"\nPLUS_SIGN YES\nEND\nEND\n", gload::finished,
         "VALUES\t\tALL\nEXPONENT\t*10^\n\tPLUS_SIGN\tYES\nEND\n"},
        {"VALUES NONE\nEND\n", gload::finished, ""},
        {"END\n", gload::finished, ""},
        // Limits and the limit modes go together.
        {"VALUES INSIDE\nEND\n", gload::incomplete, nullptr},
        {"VALUES ALL\nMINIMUM 1\nEND\n", gload::incomplete, nullptr},
        // In mode NONE nothing else may be given.
        {"VALUES NONE\nPRECISION 2\nEND\n", gload::incomplete, nullptr},
        {"PREFIX x\nEND\n", gload::incomplete, nullptr},
        {"VALUES SOME\n", gload::invalidValue, nullptr},
        {"VALUES ALL\nVALUES NONE\n", gload::alreadyLoaded, nullptr},
        {"PRECISION -1\n", gload::invalidValue, nullptr},
        {"MIN_CHANGE 0\n", gload::invalidValue, nullptr},
        {"MIN_CHANGE 1\nMIN_CHANGE_DB 1\n", gload::alreadyLoaded, nullptr},
        {"MINIMUM -1.7976931348623157e308\n", gload::invalidValue, nullptr},
        {"VALUES ALL\nFACTOR 1.7976931348623155e308\nOFFSET -1.797693134862315e308\nEND\n", gload::finished,
         "VALUES\t\tALL\nFACTOR\t\t1.7976931348623155E+308\nOFFSET\t\t-1.797693134862315E+308\n"},
        {"FACTOR nan\n", gload::invalidValue, nullptr},
        {"EXPONENT \"\"\n", gload::invalidValue, nullptr},
        {"EXPONENT E\nWIDTH -1\n", gload::invalidValue, nullptr},
        {"EXPONENT E\nEND\nEXPONENT F\n", gload::alreadyLoaded, nullptr},
        {"PREFIX a\nPREFIX b\n", gload::alreadyLoaded, nullptr},
    });
}

TEST(ganalogLogInfo, LoggingModesFillInTheirDefaults)
{
    ganalogLogInfo info;
    ASSERT_EQ(feed(info, "VALUES ON_STATE\nEXPONENT E\nEND\nEND\n").last, gload::finished);
    EXPECT_EQ(info.getMode(), ganalogLogInfo::onState);
    EXPECT_EQ(info.getFactor(), 1.0);
    EXPECT_EQ(info.getOffset(), 0.0);
    EXPECT_EQ(info.getPrecision(), 0);
    EXPECT_EQ(info.getPlusSign(), 0);
    EXPECT_FALSE(info.getSuffix2().isNull());
    // The exponent's plus sign, not written when off, reads back off.
    ASSERT_NE(info.getExponent(), nullptr);
    EXPECT_EQ(info.getExponent()->getPlusSign(), 0);
    EXPECT_EQ(info.getExponent()->getDigits(), 1);

    ganalogLogInfo none;
    ASSERT_EQ(feed(none, "END\n").last, gload::finished);
    EXPECT_EQ(none.getMode(), ganalogLogInfo::none);
    EXPECT_EQ(none.getFactor(), ganalogLogInfo::notGiven);
    EXPECT_TRUE(none.getPrefix().isNull());
}

TEST(ganalogLogInfo, CopyKeepsTheExponentTransferTakesIt)
{
    ganalogLogInfo edited;
    ASSERT_EQ(feed(edited, "VALUES INSIDE\nMINIMUM 2\nEXPONENT E\nWIDTH 3\nEND\nEND\n").last, gload::finished);
    ganalogLogInfo copy(edited);
    ASSERT_NE(copy.getExponent(), nullptr);
    EXPECT_NE(copy.getExponent(), edited.getExponent());
    EXPECT_EQ(copy.getExponent()->getDigits(), 3);

    const gexponentFormat* exponent = edited.getExponent();
    ganalogLogInfo target;
    target.transferFrom(edited);
    EXPECT_EQ(target.getExponent(), exponent);
    EXPECT_EQ(edited.getExponent(), nullptr);
    EXPECT_EQ(target.getMinimum(), 2.0);
    EXPECT_EQ(target.getMode(), ganalogLogInfo::inside);
}

TEST(gvalueLogInfo, LinesStatusesAndWrittenForms)
{
    runCases<gvalueLogInfo>({
        {"VALUES INCLUDE, 5, 1\nBASE 8\nEND\n", gload::finished, "VALUES\t\tINCLUDE, 5, 1\nBASE\t\t8\n"},
        {"VALUES ON_STATE\nBASE 10\nUSE_VALUE_NAMES YES\nEND\n", gload::finished, "VALUES\t\tON_STATE\n"},
        // Value log strings alone: complete, and written in mode NONE.
        {"VALUE_LOG_STR 9, nine\nVALUE_LOG_STR 2, \"two, too\"\nEND\n", gload::finished,
         "VALUE_LOG_STR\t2, \"two, too\"\nVALUE_LOG_STR\t9, nine\n"},
        {"VALUES NONE\nWIDTH 3\nEND\n", gload::finished, ""},
        {"VALUES NONE\nBASE 2\nEND\n", gload::incomplete, nullptr},
        {"PREFIX a\nEND\n", gload::incomplete, nullptr},
        {"VALUES INCLUDE,\n", gload::invalidValue, nullptr},
        {"VALUES INCLUDE\n", gload::invalidValue, nullptr},
        {"VALUES ALL, 3\n", gload::invalidValue, nullptr},
        {"VALUES EXCLUDE, 1, x\n", gload::invalidValue, nullptr},
        {"BASE 12\n", gload::invalidValue, nullptr},
        {"BASE 2\nBASE 8\n", gload::alreadyLoaded, nullptr},
        {"WIDTH 0\n", gload::invalidValue, nullptr},
        {"VALUE_LOG_STR 3\n", gload::invalidValue, nullptr},
        {"VALUE_LOG_STR 3, a, b\n", gload::invalidValue, nullptr},
        {"VALUE_LOG_STR 3, a\nVALUE_LOG_STR 3, b\n", gload::alreadyLoaded, nullptr},
        {"USE_VALUE_NAMES maybe\n", gload::invalidValue, nullptr},
    });
}

TEST(gvalueLogInfo, LoggingModesFillInTheirDefaults)
{
    gvalueLogInfo info;
    ASSERT_EQ(feed(info, "VALUES ALL\nEND\n").last, gload::finished);
    EXPECT_EQ(info.getBase(), 10);
    EXPECT_EQ(info.getUseValueNames(), 1);
    EXPECT_FALSE(info.getPrefix().isNull());
    EXPECT_TRUE(info.getPrefix().isEmpty());

    gvalueLogInfo target;
    target.transferFrom(info);
    EXPECT_EQ(target.getMode(), gvalueLogInfo::all);
    EXPECT_EQ(info.getMode(), gvalueLogInfo::notSet);
}

TEST(gstringLogInfo, LinesStatusesAndWrittenForms)
{
    runCases<gstringLogInfo>({
        {"VALUES EXCLUDE, OK#*\nSUFFIX \" .\"\nEND\n", gload::finished, "VALUES\t\tEXCLUDE, OK#*\nSUFFIX\t\t\" .\"\n"},
        {"VALUES OFF_STATE\nEND\n", gload::finished, "VALUES\t\tOFF_STATE\n"},
        {"VALUES NONE\nEND\n", gload::finished, ""},
        {"VALUES NONE\nPREFIX a\nEND\n", gload::incomplete, nullptr},
        // The pattern must not match an empty text and must end the line.
        {"VALUES INCLUDE, x*\n", gload::invalidValue, nullptr},
        {"VALUES INCLUDE, a, b\n", gload::invalidValue, nullptr},
        {"VALUES INCLUDE\n", gload::invalidValue, nullptr},
        {"VALUES ALL, a\n", gload::invalidValue, nullptr},
        {"SUFFIX a\nSUFFIX b\n", gload::alreadyLoaded, nullptr},
    });
}

TEST(logInfoRecords, ReplaceInTheirTexts)
{
    gregisterBatchOptions options;
    options.find.assign("old");
    options.replace.assign("new");

    // The analog and string records replace in the limit modes only, the
    // switches notwithstanding.
    ganalogLogInfo analog;
    feed(analog, "VALUES OUTSIDE\nMINIMUM 1\nPREFIX old old\nSUFFIX2 old\nEND\n");
    EXPECT_EQ(analog.replaceText(options), 3);
    EXPECT_EQ(analog.getPrefix().view(), "new new");
    ganalogLogInfo all;
    feed(all, "VALUES ALL\nPREFIX old\nEND\n");
    EXPECT_EQ(all.replaceText(options), 0);

    gstringLogInfo text;
    feed(text, "VALUES INCLUDE, a\nSUFFIX old\nEND\n");
    EXPECT_EQ(text.replaceText(options), 1);

    // The digital record replaces under the log-strings switch only: the
    // value log strings always, prefix and suffix in the list modes.
    gvalueLogInfo digital;
    feed(digital, "VALUE_LOG_STR 1, old\nVALUES ALL\nPREFIX old\nEND\n");
    EXPECT_EQ(digital.replaceText(options), 0);
    options.logStrings = true;
    EXPECT_EQ(digital.replaceText(options), 1);
    EXPECT_EQ(digital.valueLogStrings().at(1).view(), "new");
    EXPECT_EQ(digital.getPrefix().view(), "old");
}

} // namespace
