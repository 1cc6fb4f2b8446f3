#include "registers/sources/gsourceSummary.h"

#include "registers/gregisterBatchOptions.h"
#include "registers/gregisterSet.h"
#include "registers/gregisterSupplement.h"
#include "registers/registerTestSupport.h"
#include "store/gstationState.h"

#include <string>

namespace {

std::string block(const char* kind, const char* source, const std::string& fields)
{
    return std::string(kind) + " R\n\tLEVEL\t\tNONE\n\tSOURCE\t\t" + source + "\n" + fields + "\tEND\nEND\n";
}

class summaryTest : public registerTest {
protected:
    // Registers A, B and C of level NONE, each with a grand summary.
    static void defineRegisters(std::initializer_list<const char*> tags)
    {
        for (const char* tag : tags)
            loadRegister(std::string("BISTATE_REG ") + tag + "\nLEVEL NONE\nEND\n");
    }

    static gsourceSummaryPart& partOf(const char* tag)
    {
        return *summaryPart(station::registers().find(tag)->getSupplement()->getSource());
    }

    static std::string tags(const gsourceSummaryPart& part)
    {
        std::string text;
        for (const gregister* reg : part.registers())
            text += std::string(reg->getTag().view()) + ' ';
        return text;
    }
};

TEST_F(summaryTest, SummarySourcesWriteWhatTheyRead)
{
    struct {
        const char* kind;
        const char* source;
        const char* fields;
    } cases[] = {
        {"BISTATE_REG", "SUMMARY", "\t\tREGISTER\tA\n\t\tREGISTER\tB\n"},
        {"DIGITAL_REG", "SUMMARY", "\t\tPROGRAM\n\t\t\tPROGRAM\t\tSum\n\t\t\tARGUMENT\tN, 1\n\t\tEND\n\t\tREGISTER\tA\n"},
        {"ANALOG_REG", "SUMMARY", "\t\tPROGRAM\n\t\t\tPROGRAM\t\tSum\n\t\tEND\n\t\tVALUES\t\tNO\n\t\tREGISTER\tB\n"},
        {"STRING_REG", "SUMMARY", "\t\tREGISTER\t\"a, b\"\n"},
        {"BISTATE_REG", "GRAND SUMMARY", ""},
    };
    for (auto [kind, source, fields] : cases) {
        emptyAll();
        program("Sum");
        defineRegisters({"A", "B", "a, b"});
        std::string text = block(kind, source, fields);
        EXPECT_EQ(roundTrip(text), text);
    }
    // The short form reads the program without arguments and is written as
    // a block; VALUES YES and VALUES without a program are not written.
    emptyAll();
    defineRegisters({"A"});
    program("Sum");
    EXPECT_EQ(roundTrip("STRING_REG R\nLEVEL NONE\nSOURCE SUMMARY\nREGISTER A\nVALUES YES\nPROGRAM Sum\nEND\nEND\n"),
              block("STRING_REG", "SUMMARY", "\t\tPROGRAM\n\t\t\tPROGRAM\t\tSum\n\t\tEND\n\t\tREGISTER\tA\n"));
    emptyAll();
    defineRegisters({"A"});
    EXPECT_EQ(roundTrip("STRING_REG R\nLEVEL NONE\nSOURCE SUMMARY\nVALUES NO\nREGISTER A\nEND\nEND\n"),
              block("STRING_REG", "SUMMARY", "\t\tREGISTER\tA\n"));
    EXPECT_EQ(partOf("R").getUpdateOnAnyChange(), 0);
}

TEST_F(summaryTest, SummarySourceRefusals)
{
    struct {
        const char* lines;
        gloadStatus status;
    } cases[] = {
        {"REGISTER A\nREGISTER A\n", gload::invalidValue},
        {"REGISTER \"\"\n", gload::invalidValue},
        {"REGISTER A, B\n", gload::invalidValue},
        {"PROGRAM Sum\nPROGRAM Sum\n", gload::alreadyLoaded},
        {"PROGRAM\nPROGRAM Sum\nEND\nPROGRAM\n", gload::alreadyLoaded},
        {"PROGRAM a, b\n", gload::invalidValue},
        {"PROGRAM\nARGUMENT N, 1\nEND\n", gload::incomplete},
        {"VALUES NO\nVALUES NO\n", gload::alreadyLoaded},
        {"VALUES 1\n", gload::invalidValue},
        {"PROGRAM Sum\nEND\n", gload::incomplete},
        {"ADDRESS 10.0.0.1\n", gload::unknownKeyword},
    };
    for (auto [lines, status] : cases) {
        emptyAll();
        EXPECT_EQ(loadRegister(std::string("BISTATE_REG R\nSOURCE SUMMARY\n") + lines).last(), status) << lines;
    }
    EXPECT_EQ(loadRegister("BISTATE_REG G\nSOURCE GRAND SUMMARY\nREGISTER A\n").last(), gload::unknownKeyword);
}

// The listed registers and the program know the source's register as a
// user; a copy links its own uses.
TEST_F(summaryTest, ListedRegistersAndProgramAreInUse)
{
    gsclProgram* sum = program("Sum");
    defineRegisters({"A", "B"});
    gregister* reg = loadRegister("DIGITAL_REG R\nTITLE Total\nSOURCE SUMMARY\nPROGRAM Sum\nREGISTER A\nEND\nEND\n").reg;
    gregister* a = station::registers().find("A");
    EXPECT_EQ(users(a->usedBy()), "\nThe register Total");
    EXPECT_EQ(users(*sum), "\nThe register Total");
    {
        gregister copy(*reg);
        EXPECT_EQ(users(a->usedBy()), "\nThe register Total\nThe register Total");
    }
    gregister* other = loadRegister("DIGITAL_REG D\nEND\n").reg;
    station::registers().find("B")->copySourceFrom(*reg);
    EXPECT_EQ(users(*sum), "\nThe register Total");
    other->copySourceFrom(*reg);
    EXPECT_EQ(users(*sum), "\nThe register Total\nThe register D");
    reg->getSupplement()->newSource(2);
    EXPECT_EQ(users(a->usedBy()), "\nThe register D");
}

TEST_F(summaryTest, DeletedRegistersLeaveTheSummary)
{
    defineRegisters({"A", "B", "C"});
    loadRegister("BISTATE_REG S\nSOURCE SUMMARY\nREGISTER A\nREGISTER B\nREGISTER C\nEND\nEND\n");
    loadRegister("BISTATE_REG T\nSOURCE SUMMARY\nREGISTER A\nREGISTER B\nEND\nEND\n");
    gregister* s = station::registers().find("S");
    gregister* t = station::registers().find("T");

    // A summary that loses nothing stays as it is.
    t->dropSourceIfEmptied(gregisterSet{station::registers().find("C")});
    EXPECT_EQ(tags(partOf("T")), "A B ");
    EXPECT_EQ(stationState().modified, 0);

    gregisterSet gone{station::registers().find("A"), station::registers().find("B")};
    s->dropSourceIfEmptied(gone);
    t->dropSourceIfEmptied(gone);
    EXPECT_EQ(tags(partOf("S")), "C ");
    EXPECT_EQ(t->sourceTypeCode(), 0);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_TRUE(station::registers().find("A")->usedBy().isUnused());

    // Kept registers keep their order.
    loadRegister("BISTATE_REG U\nSOURCE SUMMARY\nREGISTER A\nREGISTER B\nREGISTER C\nEND\nEND\n");
    station::registers().find("U")->dropSourceIfEmptied(gregisterSet{station::registers().find("B")});
    EXPECT_EQ(tags(partOf("U")), "A C ");
}

TEST_F(summaryTest, RebindingFollowsTheTagReplacement)
{
    program("Sum1");
    program("Sum2");
    defineRegisters({"A1", "B1", "A2", "B2", "C1"});
    loadRegister("BISTATE_REG S1\nTITLE Total\nSOURCE SUMMARY\nPROGRAM\nPROGRAM Sum1\nARGUMENT N$, \"x1\"\nEND\n"
                 "REGISTER A1\nREGISTER B1\nREGISTER C1\nREGISTER B2\nEND\nEND\n");
    gregister* s1 = station::registers().find("S1");
    gregisterBatchOptions options;
    options.find.assign("1");
    options.replace.assign("2");
    gstr log("");
    // Nothing switched on: nothing changes.
    EXPECT_EQ(s1->getSupplement()->replaceText(options, log, nullptr), 0);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(tags(partOf("S1")), "A1 B1 C1 B2 ");

    options.registersInSources = true;
    options.programsInSources = true;
    options.programArgumentsInSources = true;
    // Switched on, a text that no tag holds changes nothing either: the
    // registers keep their order.
    gregisterBatchOptions absent = options;
    absent.find.assign("Q");
    EXPECT_EQ(s1->getSupplement()->replaceText(absent, log, nullptr), 0);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(tags(partOf("S1")), "A1 B1 C1 B2 ");

    // Taken from the last: B2 stays; C2 does not exist; B1 becomes B2,
    // already listed, and goes; A1 becomes A2; the program becomes Sum2;
    // the argument changes. The registers keep their order.
    EXPECT_EQ(s1->getSupplement()->replaceText(options, log, nullptr), 4);
    EXPECT_EQ(tags(partOf("S1")), "A2 C1 B2 ");
    EXPECT_EQ(log.view(), "\nThe register with tag C2 specified by Total does not exist: retained register C1"
                          "\nThe register with tag B2 is specified more than once for Total: duplicate removed");
    EXPECT_EQ(partOf("S1").getCall().getProgram()->programTag().view(), "Sum2");
    EXPECT_TRUE(station::registers().find("B1")->usedBy().isUnused());

    // The register's own tag is not taken; a program that does not exist
    // is kept.
    gregisterBatchOptions self;
    self.find.assign("A2");
    self.replace.assign("S1");
    self.registersInSources = true;
    gstr selfLog("");
    EXPECT_EQ(s1->getSupplement()->replaceText(self, selfLog, nullptr), 0);
    EXPECT_EQ(selfLog.view(), "\nThe register Total specifies to use itself: retained A2");
    EXPECT_EQ(tags(partOf("S1")), "A2 C1 B2 ");

    // A duplicate run finds the registers it is creating.
    jhashTypedDatabaseTable<gregister> creating(5);
    creating.define("D1");
    gregisterBatchOptions dup;
    dup.find.assign("A2");
    dup.replace.assign("D1");
    dup.registersInSources = true;
    gstr dupLog("");
    EXPECT_EQ(s1->getSupplement()->replaceText(dup, dupLog, &creating), 1);
    EXPECT_EQ(tags(partOf("S1")), "D1 C1 B2 ");
    EXPECT_TRUE(dupLog.isEmpty());
}

// Whole word passes over an occurrence inside a word and takes the next one.
TEST_F(summaryTest, WholeWordRebindingSkipsPartsOfWords)
{
    defineRegisters({"Pumps Pump", "Pumps Fan"});
    loadRegister("BISTATE_REG S\nSOURCE SUMMARY\nREGISTER \"Pumps Pump\"\nEND\nEND\n");
    gregisterBatchOptions options;
    options.find.assign("Pump");
    options.replace.assign("Fan");
    options.wholeWord = true;
    options.matchCase = true;
    options.registersInSources = true;
    gstr log("");
    gregister* s = station::registers().find("S");
    EXPECT_EQ(s->getSupplement()->replaceText(options, log, nullptr), 1) << log.view();
    EXPECT_EQ(tags(partOf("S")), "Pumps Fan ");
}

} // namespace
