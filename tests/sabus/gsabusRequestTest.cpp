#include "sabus/gsabusRequest.h"

#include "registers/gregister.h"
#include "sabus/gsabusParameterKinds.h"
#include "sabus/gsabusProcessorData.h"
#include "sabus/gsabusRegisterData.h"
#include "sabus/gsabusReplaceOptions.h"
#include "sabus/gsabusRequestBody.h"
#include "scl/gsclProgram.h"
#include "store/gkeyword.h"
#include "sabusTestSupport.h"

namespace {

class request : public sabusStation {
protected:
    void SetUp() override
    {
        sabusStation::SetUp();
        ASSERT_EQ(loadWithObjects(""), gloadError::none);
    }

    // The statuses of the lines given to a request of its own.
    static std::vector<gloadStatus> feed(gsabusRequest& r, const std::string& lines)
    {
        return feedLines(lines, [&](int token, gstr& value) { return r.loadLine(token, value); });
    }
    static std::string written(const gsabusRequest& r)
    {
        return writtenText([&](CObjectFile& file) { r.writeEmbedded(file, 0); });
    }
    static gsabusRequest* find(const char* tag) { return station::requests().find(tag); }
    static gregister* reg(const char* tag) { return station::registers().find(tag); }
    static gsclProgram* program(const char* tag) { return station::programs().find(tag); }
};

TEST_F(request, StationOfEveryKindRoundTripsByteForByte)
{
    ASSERT_EQ(loadFile(fixture("requests.stn")), gloadError::none) << messages.lastText();
    std::string first = savedStation();
    EXPECT_EQ(first, fileBytes(fixture("requests.expected.stn")));

    emptyAll();
    ASSERT_EQ(loadFile(fixture("requests.expected.stn")), gloadError::none) << messages.lastText();
    EXPECT_EQ(savedStation(), first);

    // The registers and programs list the requests that name them.
    // One link per item that names it.
    EXPECT_EQ(usersOf(reg("Pump")->usedBy()),
              "\nThe SABus request Every kind, \"quoted\"\nThe SABus request Every kind, \"quoted\"");
    EXPECT_EQ(usersOf(*program("Report")),
              "\nThe SABus request Every kind, \"quoted\"\nThe SABus request AllParameters");
    EXPECT_EQ(usersOf(*program("SetLevel")), "\nThe SABus request C1");
}

TEST_F(request, WrittenAsTheLinesOfTheExample)
{
    ASSERT_EQ(loadWithObjects("REQUEST Q1\n\tTITLE Levels\n\tOPCODE L\n\tPARAMETERS x,y\n\tTYPE QUERY\n"
                       "\t\tDATA FIXED STRING\n\t\t\tSTRING OK\n\t\tEND\n\tEND\nEND\n"
                       "REQUEST C1\n\tOPCODE S\n\tTYPE COMMAND\n\t\tPROGRAM SetLevel\n"
                       "\t\tPARAMETER NUMBER\n\t\t\tVARIABLE LEVEL\n\t\t\tFORMAT 10, UNSIGNED, NO\n\t\tEND\n"
                       "\tEND\nEND\n"),
              gloadError::none);
    EXPECT_EQ(written(*find("Q1")), "REQUEST Q1\n"
                                    "\tTITLE\t\tLevels\n"
                                    "\tOPCODE\t\tL\n"
                                    "\tPARAMETERS\tx, y\n"
                                    "\tTYPE\t\tQUERY\n"
                                    "\t\tDATA\t\tFIXED STRING\n"
                                    "\t\t\tSTRING\t\tOK\n"
                                    "\t\tEND\n"
                                    "\tEND\n"
                                    "END\n");
    // The older one-line PROGRAM form is written as the block.
    EXPECT_EQ(written(*find("C1")), "REQUEST C1\n"
                                    "\tOPCODE\t\tS\n"
                                    "\tTYPE\t\tCOMMAND\n"
                                    "\t\tPROGRAM\n"
                                    "\t\t\tPROGRAM\t\tSetLevel\n"
                                    "\t\tEND\n"
                                    "\t\tPARAMETER\tNUMBER\n"
                                    "\t\t\tVARIABLE\tLEVEL\n"
                                    "\t\t\tFORMAT\t\t10, UNSIGNED, NO\n"
                                    "\t\tEND\n"
                                    "\tEND\n"
                                    "END\n");
    EXPECT_EQ(find("C1")->getKind(), 2);
    EXPECT_EQ(find("C1")->getCommand()->call().getProgram(), program("SetLevel"));
}

TEST_F(request, OpcodeLines)
{
    struct {
        const char* value;
        gloadStatus status;
        char opcode;
    } cases[] = {
        {"u", gload::accepted, 'u'},     {"a", gload::accepted, 'a'},       {"U", gload::invalidValue, 0},
        {"A", gload::invalidValue, 0},   {"ab", gload::invalidValue, 0},    {"", gload::invalidValue, 0},
        {"\" \"", gload::accepted, ' '}, {"\",\"", gload::accepted, ','},   {"\"\\x01\"", gload::invalidValue, 0},
        {"\"\\xE9\"", gload::invalidValue, 0}, {"x, y", gload::invalidValue, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        gsabusRequest r;
        gstr value(c.value);
        EXPECT_EQ(r.loadLine(kw::OPCODE, value), c.status);
        EXPECT_EQ(r.getOpcode(), c.opcode);
    }
    gsabusRequest twice;
    EXPECT_EQ(feed(twice, "OPCODE x\nOPCODE y\n"), (std::vector<gloadStatus>{gload::accepted, gload::alreadyLoaded}));

    // Opcodes the bare form cannot carry are written quoted and read back.
    for (char c : {' ', ',', '"', '\\'}) {
        gsabusRequest r;
        r.setOpcode(c);
        std::string lines = written(r);
        std::string value = lines.substr(lines.find("OPCODE") + 8);
        value = value.substr(0, value.find('\n'));
        gsabusRequest back;
        gstr v(value.c_str());
        EXPECT_EQ(back.loadLine(kw::OPCODE, v), gload::accepted) << value;
        EXPECT_EQ(back.getOpcode(), c);
    }
}

TEST_F(request, IncompleteRequestsAndBodiesFailAtTheirEnd)
{
    struct {
        const char* lines;
        std::vector<gloadStatus> statuses;
    } cases[] = {
        {"OPCODE x\nEND\n", {0, 5}},
        {"TYPE QUERY\nDATA FIXED STRING\nSTRING s\nEND\nEND\nEND\n", {0, 0, 0, 0, 0, 5}},
        {"OPCODE x\nTYPE QUERY\nEND\n", {0, 0, 5}},
        {"OPCODE x\nTYPE COMMAND\nPARAMETER BIT FIELD\nVARIABLE 1, b%\nEND\nEND\n", {0, 0, 0, 0, 0, 5}},
        {"OPCODE x\nTYPE COMMAND\nPROGRAM\nARGUMENT n, 1\nEND\n", {0, 0, 0, 0, 5}},
        {"OPCODE x\nTYPE COMMAND\nPROGRAM Report\nPROGRAM SetLevel\nEND\nEND\n", {0, 0, 0, 4, 0, 1}},
        {"OPCODE x\nTYPE QUERY, COMMAND\n", {0, 3}},
        {"OPCODE x\nTYPE PROGRAM\n", {0, 3}},
        {"OPCODE x\nTYPE QUERY\nDATA STRINGS\n", {0, 0, 3}},
        {"OPCODE x\nTYPE COMMAND\nPARAMETER PROCESSOR\n", {0, 0, 3}},
        {"OPCODE x\nTYPE COMMAND\nPROGRAM \"a\", b\n", {0, 0, 3}},
        {"OPCODE x\nTITLE t\nDATA FIXED STRING\n", {0, 0, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        gsabusRequest r;
        EXPECT_EQ(feed(r, c.lines), c.statuses);
    }
}

TEST_F(request, FixedParameters)
{
    gsabusRequest r;
    EXPECT_EQ(feed(r, "PARAMETERS a, , b\nPARAMETERS c\n"),
              (std::vector<gloadStatus>{gload::accepted, gload::alreadyLoaded}));
    ASSERT_EQ(r.parameterCount(), 3);
    EXPECT_EQ(text(r.getParameter(1)), "");
    EXPECT_EQ(text(r.getParameter(2)), "b");

    gsabusRequest bad;
    EXPECT_EQ(feed(bad, "PARAMETERS a, \"b\\tc\"\nPARAMETERS \"open\n"),
              (std::vector<gloadStatus>{gload::invalidValue, gload::invalidValue}));
    EXPECT_EQ(bad.parameterCount(), 0);

    gsabusRequest withComma;
    withComma.addParameter("1, 2");
    withComma.addParameter(" x");
    std::string lines = written(withComma);
    EXPECT_NE(lines.find("\tPARAMETERS\t\"1, 2\", \" x\"\n"), std::string::npos) << lines;
    gsabusRequest back;
    feed(back, lines.substr(lines.find("\tPARAMETERS")));
    ASSERT_EQ(back.parameterCount(), 2);
    EXPECT_EQ(text(back.getParameter(0)), "1, 2");
    EXPECT_EQ(text(back.getParameter(1)), " x");
}

TEST_F(request, RequestsMayShareAnOpcode)
{
    ASSERT_EQ(loadWithObjects("REQUEST A1\n\tOPCODE Z\n\tTYPE QUERY\n\t\tDATA FIXED STRING\n\t\t\tSTRING a\n\t\tEND\n"
                       "\tEND\nEND\n"
                       "REQUEST A2\n\tOPCODE Z\n\tTYPE COMMAND\n\t\tPROGRAM Report\n\tEND\nEND\n"),
              gloadError::none)
        << messages.lastText();
    EXPECT_EQ(find("A1")->getOpcode(), find("A2")->getOpcode());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(request, DuplicateHasTheSameBodyAndIsListedAsAUser)
{
    ASSERT_EQ(loadFile(fixture("requests.stn")), gloadError::none);
    gsabusRequest* source = find("AllParameters");
    std::unique_ptr<gsabusRequest> copy(source->clone());
    EXPECT_EQ(copy->getTag(), source->getTag());
    EXPECT_TRUE(copy->isDefined());
    EXPECT_EQ(written(*copy), written(*source));
    EXPECT_NE(copy->getCommand()->getParameter(0), source->getCommand()->getParameter(0));
    EXPECT_EQ(usersOf(*program("Report")), "\nThe SABus request Every kind, \"quoted\""
                                           "\nThe SABus request AllParameters"
                                           "\nThe SABus request AllParameters");

    std::unique_ptr<gsabusRequest> query(find("Everything")->clone());
    EXPECT_EQ(written(*query), written(*find("Everything")));
    EXPECT_EQ(usersOf(reg("Label")->usedBy()),
              "\nThe SABus request Every kind, \"quoted\"\nThe SABus request Every kind, \"quoted\""
              "\nThe SABus request Every kind, \"quoted\"\nThe SABus request Every kind, \"quoted\"");
    query.reset();
    copy.reset();
    EXPECT_EQ(usersOf(reg("Label")->usedBy()),
              "\nThe SABus request Every kind, \"quoted\"\nThe SABus request Every kind, \"quoted\"");

    // A deleted request leaves the lists of what it used.
    gsabusRequest* everything = find("Everything");
    station::requests().remove(everything);
    delete everything;
    EXPECT_EQ(usersOf(reg("Label")->usedBy()), "");
    EXPECT_EQ(usersOf(*program("Report")), "\nThe SABus request AllParameters");
}

TEST_F(request, BodiesAreMadeByTheirFirstUse)
{
    gsabusRequest fresh;
    EXPECT_EQ(fresh.getKind(), 0);
    EXPECT_NE(fresh.getQuery(), nullptr);
    EXPECT_EQ(fresh.getKind(), 1);
    EXPECT_EQ(fresh.getCommand(), nullptr);

    gsabusRequest command;
    EXPECT_NE(command.getCommand(), nullptr);
    EXPECT_EQ(command.getQuery(), nullptr);
    EXPECT_EQ(command.getKind(), 2);
}

class findAndReplace : public request {
protected:
    void SetUp() override
    {
        request::SetUp();
        ASSERT_EQ(loadWithObjects("DIGITAL_REG Level2\nEND\nANALOG_REG Level3\nEND\n"
                           "PROGRAM SetLevel2\nEND\n"
                           "REQUEST C\n\tTITLE\t\tSet Level\n\tOPCODE c\n\tPARAMETERS Level, Level Level\n"
                           "\tTYPE COMMAND\n\t\tPROGRAM\n\t\t\tPROGRAM SetLevel\n"
                           "\t\t\tARGUMENT Name$, \"Level\"\n\t\tEND\n\tEND\nEND\n"
                           "REQUEST Q\n\tOPCODE q\n\tTYPE QUERY\n"
                           "\t\tDATA ANALOG NUMBER\n\t\t\tREGISTER Level\n\t\t\tFORMAT SIGNED, 0\n\t\tEND\n"
                           "\t\tDATA REGISTER STATUS\n\t\t\tREGISTER Level\n\t\t\tOFF_STRING 0\n"
                           "\t\t\tON_STRING 1\n\t\tEND\n"
                           "\t\tDATA BIT FIELD\n\t\t\tREGISTER 0, Level\n\t\t\tREGISTER 1, Mode\n\t\tEND\n"
                           "\t\tDATA PROCESSOR\n\t\t\tPROGRAM SetLevel\n\t\t\tARGUMENT Tag$, Level\n\t\tEND\n"
                           "\tEND\nEND\n"),
                  gloadError::none)
            << messages.lastText();
        options.find.assign("Level");
        options.replace.assign("Level2");
        options.matchCase = true;
    }

    gsabusReplaceOptions options;
    gstr log{""};
};

TEST_F(findAndReplace, CommandProgramsRebindWhenTheNewTagExists)
{
    gsabusRequest* c = find("C");
    options.commandPrograms = true;
    EXPECT_EQ(c->findAndReplace(options, log), 1);
    EXPECT_EQ(c->getCommand()->call().getProgram(), program("SetLevel2"));
    EXPECT_EQ(usersOf(*program("SetLevel")), "\nThe SABus request Q");
    EXPECT_EQ(usersOf(*program("SetLevel2")), "\nThe SABus request Set Level");
    EXPECT_EQ(text(log), "");

    options.find.assign("SetLevel2");
    options.replace.assign("Missing");
    EXPECT_EQ(c->findAndReplace(options, log), 0);
    EXPECT_EQ(text(log), "\nThe program with tag Missing specified by Set Level does not exist: retained program "
                         "SetLevel2");
    EXPECT_EQ(c->getCommand()->call().getProgram(), program("SetLevel2"));
}

TEST_F(findAndReplace, NamesFixedParametersAndArguments)
{
    gsabusRequest* c = find("C");
    options.names = true;
    options.fixedParameters = true;
    options.commandProgramArguments = true;
    EXPECT_EQ(c->findAndReplace(options, log), 5);
    EXPECT_EQ(text(c->getTitle(false)), "Set Level2");
    EXPECT_EQ(text(c->getParameter(0)), "Level2");
    EXPECT_EQ(text(c->getParameter(1)), "Level2 Level2");
    EXPECT_EQ(text(c->getCommand()->call().getArgument(0)->string()), "Level2");
    EXPECT_EQ(c->getCommand()->call().getProgram(), program("SetLevel"));
}

TEST_F(findAndReplace, QueryRegistersKeepTheirClassAndProgramsRebind)
{
    gsabusRequest* q = find("Q");
    options.registersInQueries = true;
    options.programsInQueries = true;
    options.programArgumentsInQueries = true;
    // Level2 is digital: the analog item keeps Level; status and bit field
    // take any class; the processor finds SetLevel2 and changes its argument.
    EXPECT_EQ(q->findAndReplace(options, log), 4);
    gsabusQuery* query = q->getQuery();
    EXPECT_EQ(static_cast<gsabusRegisterData*>(query->getItem(0))->getRegister(), reg("Level"));
    EXPECT_EQ(static_cast<gsabusRegisterData*>(query->getItem(1))->getRegister(), reg("Level2"));
    EXPECT_EQ(text(log), "\nThe register Level2 specified by Q is not an analog register: retained register "
                         "Tank level");
    auto* processor = static_cast<gsabusProcessorData*>(query->getItem(3));
    EXPECT_EQ(processor->call().getProgram(), program("SetLevel2"));
    EXPECT_EQ(text(processor->call().getArgument(0)->string()), "Level2");
    EXPECT_EQ(usersOf(reg("Level")->usedBy()), "\nThe SABus request Q");
    EXPECT_EQ(usersOf(reg("Level2")->usedBy()), "\nThe SABus request Q\nThe SABus request Q");

    // No register of the new tag: one line per binding kept.
    log.assign("");
    options.find.assign("Mode");
    options.replace.assign("Nothing");
    EXPECT_EQ(q->findAndReplace(options, log), 0);
    EXPECT_EQ(text(log), "\nThe register with tag Nothing specified by Q does not exist: retained register Mode");
}

} // namespace
