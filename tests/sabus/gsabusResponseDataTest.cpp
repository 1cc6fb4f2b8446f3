#include "sabus/gsabusResponseData.h"

#include "registers/gregister.h"
#include "sabus/gsabusBitFieldData.h"
#include "sabus/gsabusFixedStringData.h"
#include "sabus/gsabusProcessorData.h"
#include "sabus/gsabusRegisterData.h"
#include "sabus/gsabusRequest.h"
#include "sabus/gsabusRequestBody.h"
#include "scl/gsclProgram.h"
#include "store/gkeyword.h"
#include "sabusTestSupport.h"

#include <cmath>

namespace {

class responseData : public sabusStation {
protected:
    void SetUp() override
    {
        sabusStation::SetUp();
        ASSERT_EQ(loadWithObjects(""), gloadError::none);
    }

    // The statuses of an item block: the DATA line makes a new item by the
    // factory, which takes the following lines.
    std::vector<gloadStatus> feed(const std::string& lines)
    {
        items.emplace_back();
        return feedLines(lines, [&](int token, gstr& value) -> gloadStatus {
            std::unique_ptr<gsabusResponseData>& item = items.back();
            if (item)
                return item->loadLine(token, value);
            int kind = 0;
            parseKeywordItem(value.data(), kind);
            item = createSabusResponseData(kind);
            return token == kw::DATA && item ? gload::accepted : gload::invalidValue;
        });
    }
    gsabusResponseData* last() const { return items.back().get(); }
    template <class T>
    T* lastAs() const
    {
        return dynamic_cast<T*>(last());
    }
    static std::string written(const gsabusResponseData& item)
    {
        return writtenText([&](CObjectFile& file) { item.writeEmbedded(file, 0); });
    }
    static gregister* reg(const char* tag) { return station::registers().find(tag); }

    std::vector<std::unique_ptr<gsabusResponseData>> items;
};

TEST_F(responseData, LinesOfEveryKind)
{
    struct {
        const char* lines;
        std::vector<gloadStatus> statuses;
    } cases[] = {
        // REGISTER STATUS
        {"DATA REGISTER STATUS\nREGISTER Mode\nREGISTER Pump\nOFF_STRING\nOFF_STRING \"a\\tb\"\nOFF_STRING 0\n"
         "OFF_STRING 1\nON_STRING 1\nERROR_STRING\nERROR_STRING x\nMASKED_STRING \"\\x7F\"\nEND\n",
         {0, 0, 4, 3, 3, 0, 4, 0, 0, 4, 3, 1}},
        {"DATA REGISTER STATUS\nREGISTER Mode\nOFF_STRING 0\nEND\n", {0, 0, 0, 5}},
        {"DATA REGISTER STATUS\nREGISTER\nREGISTER \"\"\nREGISTER a, b\nOFF_STRING 0\nON_STRING 1\nEND\n",
         {0, 3, 3, 3, 0, 0, 5}},
        // DIGITAL NUMBER
        {"DATA DIGITAL NUMBER\nREGISTER Level\nREGISTER Mode\nFORMAT 12\nFORMAT 16, 0\nFORMAT 16, 2, 3\n"
         "FORMAT x\nFORMAT 16\nFORMAT 10\nEND\n",
         {0, 3, 0, 3, 3, 3, 3, 0, 4, 1}},
        {"DATA DIGITAL NUMBER\nREGISTER Mode\nEND\n", {0, 0, 5}},
        // DIGITAL STRINGS
        {"DATA DIGITAL STRINGS\nREGISTER Mode\nVALUE_STRING 1\nVALUE_STRING -1, a\nVALUE_STRING 1, \n"
         "VALUE_STRING 1, a, b\nVALUE_STRING 1, a\nVALUE_STRING 1, b\nDEFAULT_STRING\nDEFAULT_STRING d\n"
         "DEFAULT_STRING e\nEND\n",
         {0, 0, 3, 3, 3, 3, 0, 4, 3, 0, 4, 1}},
        {"DATA DIGITAL STRINGS\nREGISTER Mode\nDEFAULT_STRING d\nEND\n", {0, 0, 0, 5}},
        // ANALOG NUMBER
        {"DATA ANALOG NUMBER\nREGISTER Mode\nREGISTER Level, AVERAGE\nREGISTER Level, ALL, VALUE\n"
         "REGISTER Level, MINIMUM\nFORMAT SIGNED\nFORMAT SIGNED, -1\nFORMAT SIGNED, 2, 3\nFORMAT NO, 2\n"
         "FORMAT SIGNED, 2, 4\nFORMAT UNSIGNED, 0\nEND\n",
         {0, 3, 3, 3, 0, 3, 3, 3, 3, 0, 4, 1}},
        {"DATA ANALOG NUMBER\nREGISTER Level\nFORMAT UNSIGNED, 0, 1\nOFFSET 1e999\nOFFSET inf\nOFFSET 1, 2\n"
         "OFFSET -0\nOFFSET 1\nFACTOR 0x10\nFACTOR 3\nFACTOR 4\nEND\n",
         {0, 0, 0, 3, 3, 3, 0, 4, 3, 0, 4, 1}},
        {"DATA ANALOG NUMBER\nREGISTER Level\nFORMAT UNSIGNED, 1, 2\nEND\n", {0, 0, 3, 5}},
        // A separator is for every value only.
        {"DATA ANALOG NUMBER\nREGISTER Level, VALUE\nFORMAT UNSIGNED, 0\nSEPARATOR \";\"\nEND\n", {0, 0, 0, 0, 5}},
        {"DATA ANALOG NUMBER\nREGISTER Level, ALL\nFORMAT UNSIGNED, 0\nSEPARATOR\nSEPARATOR \"\\t\"\n"
         "SEPARATOR x\nEND\n",
         {0, 0, 0, 3, 0, 4, 1}},
        // STRING
        {"DATA STRING\nREGISTER Mode\nREGISTER Label\nFORMAT ab\nFORMAT \"\\t\"\nFORMAT x, 3\nFORMAT x, 0, LEFT\n"
         "FORMAT x, 3, CENTER\nFORMAT x, 3, LEFT, 1\nFORMAT x\nFORMAT y\nEND\n",
         {0, 3, 0, 3, 3, 3, 3, 3, 3, 0, 4, 1}},
        {"DATA STRING\nREGISTER Label\nEND\n", {0, 0, 5}},
        // BIT FIELD
        {"DATA BIT FIELD\nREGISTER 6, Pump\nREGISTER -1, Pump\nREGISTER 2\nREGISTER 2,\nREGISTER 2, Pump\n"
         "REGISTER 2, Mode\nSUBSTITUTE_BITS 64, 0\nSUBSTITUTE_BITS 1\nSUBSTITUTE_BITS 1, 2, 3\n"
         "SUBSTITUTE_BITS 1, 2\nSUBSTITUTE_BITS 0, 0\nMASK 64\nMASK -1\nMASK 63\nMASK 1\nEND\n",
         {0, 3, 3, 3, 3, 0, 4, 3, 3, 3, 0, 4, 3, 3, 0, 4, 1}},
        {"DATA BIT FIELD\nEND\n", {0, 1}},
        // PROCESSOR
        {"DATA PROCESSOR\nARGUMENT a, 1\nEND\n", {0, 0, 5}},
        {"DATA PROCESSOR\nPROGRAM Report\nPROGRAM Report\nARGUMENT a, 1\nARGUMENT A, 2\nOPCODE x\nEND\n",
         {0, 0, 4, 0, 4, 2, 1}},
        // FIXED STRING
        {"DATA FIXED STRING\nEND\n", {0, 5}},
        {"DATA FIXED STRING\nSTRING\nSTRING \"\\r\"\nSTRING a, b\nSTRING ab\nSTRING c\nEND x\nEND\n",
         {0, 3, 3, 3, 0, 4, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(feed(c.lines), c.statuses);
    }
}

TEST_F(responseData, ClassesOfTheRegisters)
{
    // A register referred to before its definition takes the item's class.
    EXPECT_EQ(feed("DATA ANALOG NUMBER\nREGISTER Later\nFORMAT SIGNED, 0\nEND\n"),
              (std::vector<gloadStatus>{0, 0, 0, 1}));
    EXPECT_EQ(station::registers().find("Later")->getObjectType(), &objectTypes::analogRegister());
    EXPECT_EQ(feed("DATA DIGITAL STRINGS\nREGISTER Later\n"), (std::vector<gloadStatus>{0, 3}));
    EXPECT_EQ(feed("DATA REGISTER STATUS\nREGISTER Unknown\n"), (std::vector<gloadStatus>{0, 0}));
    EXPECT_EQ(station::registers().find("Unknown")->getObjectType(), nullptr);

    EXPECT_EQ(loadText("REQUEST Q\n\tOPCODE q\n\tTYPE QUERY\n\t\tDATA STRING\n\t\t\tREGISTER R\n"
                       "\t\t\tFORMAT x\n\t\tEND\n\tEND\nEND\nDIGITAL_REG R\nEND\n"),
              gloadError::registerKindDiffers);
}

TEST_F(responseData, DefaultsAfterLoadingAndWhatIsWrittenBack)
{
    feed("DATA ANALOG NUMBER\nREGISTER Level\nFORMAT SIGNED, 0\nEND\n");
    auto* analog = lastAs<gsabusAnalogNumberData>();
    EXPECT_EQ(analog->getFactor(), 1.0);
    EXPECT_EQ(analog->getOffset(), 0.0);
    EXPECT_EQ(analog->getSelector(), gsabusAnalogNumberData::current);
    EXPECT_TRUE(analog->getSeparator().isNull());
    EXPECT_TRUE(analog->getErrorString().isEmpty() && !analog->getErrorString().isNull());
    EXPECT_EQ(written(*analog), "DATA\t\tANALOG NUMBER\n\tREGISTER\tLevel, VALUE\n\tFORMAT\t\tSIGNED, 0\nEND\n");
    analog->setOffset(-0.0);
    analog->setFactor(1.0);
    EXPECT_EQ(written(*analog), "DATA\t\tANALOG NUMBER\n\tREGISTER\tLevel, VALUE\n\tFORMAT\t\tSIGNED, 0\nEND\n");

    // Every value: the separator follows FORMAT, reads back and is copied.
    feed("DATA ANALOG NUMBER\nREGISTER Level, ALL\nFORMAT UNSIGNED, 2, 4\nSEPARATOR ;\nEND\n");
    std::string all = written(*last());
    EXPECT_EQ(all, "DATA\t\tANALOG NUMBER\n\tREGISTER\tLevel, ALL\n\tFORMAT\t\tUNSIGNED, 2, 4\n"
                   "\tSEPARATOR\t;\nEND\n");
    EXPECT_EQ(written(*last()->clone()), all);
    EXPECT_EQ(feed(all), (std::vector<gloadStatus>{0, 0, 0, 0, 1}));
    EXPECT_EQ(text(lastAs<gsabusAnalogNumberData>()->getSeparator()), ";");
    feed("DATA ANALOG NUMBER\nREGISTER Level, ALL\nFORMAT UNSIGNED, 0\nEND\n");
    EXPECT_EQ(text(lastAs<gsabusAnalogNumberData>()->getSeparator()), "");

    feed("DATA DIGITAL NUMBER\nREGISTER Mode\nFORMAT 16\nEND\n");
    EXPECT_EQ(written(*last()), "DATA\t\tDIGITAL NUMBER\n\tREGISTER\tMode\n\tFORMAT\t\t16\nEND\n");

    feed("DATA STRING\nREGISTER Label\nFORMAT \",\"\nEND\n");
    EXPECT_EQ(lastAs<gsabusStringData>()->getPadding(), ',');
    EXPECT_EQ(written(*last()), "DATA\t\tSTRING\n\tREGISTER\tLabel\n\tFORMAT\t\t\",\"\nEND\n");

    // Masks given as 0 are not written; masks not given become 0.
    feed("DATA BIT FIELD\nSUBSTITUTE_BITS 0, 0\nMASK 0\nEND\n");
    EXPECT_EQ(written(*last()), "DATA\t\tBIT FIELD\nEND\n");
    feed("DATA BIT FIELD\nREGISTER 3, Pump\nEND\n");
    auto* bits = lastAs<gsabusBitFieldData>();
    EXPECT_EQ(bits->getErrorBits() + bits->getMaskedBits() + bits->getInvertBits(), 0);

    feed("DATA DIGITAL STRINGS\nREGISTER Mode\nVALUE_STRING 1, a\nEND\n");
    EXPECT_TRUE(lastAs<gsabusDigitalStringsData>()->getDefaultString().isEmpty());
    EXPECT_FALSE(lastAs<gsabusDigitalStringsData>()->getDefaultString().isNull());
}

TEST_F(responseData, ListTexts)
{
    ASSERT_EQ(loadFile(fixture("requests.stn")), gloadError::none);
    gsabusQuery* everything = station::requests().find("Everything")->getQuery();
    std::vector<std::string> texts;
    for (int i = 0; i < everything->itemCount(); ++i)
        texts.push_back(text(everything->getItem(i)->describe()));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Pump running (on/off state)", "Mode (number)", "Mode (number)", "Mode (strings)",
                         "Tank level", "Tank level", "Tank level", "Label", "Label", "2 register status bits",
                         "0 register status bits", "Processor (Daily report)", "\"\\\\\""}));
    gsabusBitFieldData one;
    one.setRegister(3, station::registers().find("Pump"));
    EXPECT_EQ(text(one.describe()), "One register status bit");
    EXPECT_EQ(one.registerCount(), 1);
    EXPECT_THROW(one.setRegister(6, nullptr), gfault);
}

TEST_F(responseData, ClonesAreIndependentCopies)
{
    feed("DATA DIGITAL STRINGS\nERROR_STRING e\nREGISTER Mode\nDEFAULT_STRING d\nVALUE_STRING 3, c\n"
         "VALUE_STRING 1, a\nEND\n");
    feed("DATA PROCESSOR\nPROGRAM Report\nARGUMENT n, 1\nARGUMENT s$, x\nEND\n");
    for (const auto& item : items)
        EXPECT_EQ(written(*item->clone()), written(*item));
    auto* strings = static_cast<gsabusDigitalStringsData*>(items[0].get());
    std::unique_ptr<gsabusResponseData> copy = strings->clone();
    strings->setString("z", 3);
    strings->setString("y", 9);
    EXPECT_EQ(strings->strings().size(), 3u);
    EXPECT_EQ(text(static_cast<gsabusDigitalStringsData&>(*copy).strings().at(3)), "c");
    auto* processor = static_cast<gsabusProcessorData*>(items[1].get());
    std::unique_ptr<gsabusResponseData> call = processor->clone();
    EXPECT_NE(static_cast<gsabusProcessorData&>(*call).call().getArgument(0), processor->call().getArgument(0));
    EXPECT_EQ(static_cast<gsabusProcessorData&>(*call).call().getProgram(),
              static_cast<gprogramUsedByList*>(station::programs().find("Report")));
}

} // namespace
