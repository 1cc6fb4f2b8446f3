#include "store/gprocessorCall.h"

#include "g2driver/model/g2driverProgram.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

class processorCall : public emptyStation {
protected:
    static gloadStatus line(gprocessorCall& call, int token, const char* value)
    {
        gstr v(value);
        return call.loadLine(token, v);
    }
    std::string written(const gprocessorCall& call)
    {
        CObjectFile file;
        EXPECT_EQ(file.open(folder.path("out").c_str(), CObjectFile::modeWrite, false), 1);
        call.writeFields(file, 1);
        EXPECT_TRUE(file.close());
        return fileBytes(folder.path("out"));
    }

    tempFolder folder;
    recordingMessages messages;
};

TEST_F(processorCall, LinesAndTheirStatuses)
{
    gprocessorCall call;
    EXPECT_FALSE(call.isComplete());
    EXPECT_EQ(written(call), "");

    EXPECT_EQ(line(call, kw::PROGRAM, ""), gload::invalidValue);
    EXPECT_EQ(line(call, kw::PROGRAM, "A, B"), gload::invalidValue);
    EXPECT_EQ(line(call, kw::PROGRAM, "Later"), gload::accepted);
    EXPECT_EQ(line(call, kw::PROGRAM, "Other"), gload::alreadyLoaded);
    EXPECT_EQ(line(call, kw::ARGUMENT, "Speed, 2"), gload::accepted);
    EXPECT_EQ(line(call, kw::ARGUMENT, "SPEED, 3"), gload::alreadyLoaded);
    EXPECT_EQ(line(call, kw::ARGUMENT, "Mode%, 3"), gload::invalidValue);
    EXPECT_EQ(line(call, kw::ARGUMENT, "Mode$, \"auto\""), gload::accepted);
    EXPECT_EQ(line(call, kw::TITLE, "x"), gload::unknownKeyword);
    EXPECT_EQ(call.argumentCount(), 2);
    EXPECT_TRUE(call.isComplete());
    EXPECT_EQ(written(call), "\tPROGRAM\t\tLater\r\n\tARGUMENT\tSpeed, 2\r\n\tARGUMENT\tMode$, auto\r\n");

    // The tag was referred to before its program was read.
    gsclProgram* placeholder = station::programs().find("Later");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(stationState().unresolved, 1);
    EXPECT_EQ(station::programs().define("Later"), placeholder);
    EXPECT_EQ(call.getProgram(), placeholder);
}

TEST_F(processorCall, DriverCallsLookUpTheDriversPrograms)
{
    jhashTypedDatabaseTable<g2driverProgram> driverPrograms(5);
    gprocessorCall call;
    call.setProgramTable(&driverPrograms);
    EXPECT_EQ(line(call, kw::PROGRAM, "Init"), gload::accepted);
    EXPECT_EQ(call.getProgram(), driverPrograms.find("Init"));
    EXPECT_EQ(station::programs().find("Init"), nullptr);

    gprocessorCall copy(call);
    EXPECT_EQ(copy.getProgram(), call.getProgram());
    EXPECT_EQ(copy.getProgramTable(), &driverPrograms);
}

TEST_F(processorCall, ArgumentList)
{
    gprocessorCall call;
    for (const char* text : {"A, 1", "B$, x", "C%, TRUE"}) {
        auto* a = new gprogramArgument();
        ASSERT_EQ(a->parse(text), 1);
        EXPECT_EQ(call.addArgument(a, true), 1);
    }
    gprogramArgument sameName;
    sameName.parse("b$, y");
    EXPECT_EQ(call.addArgumentCopy(sameName, true), 0);
    EXPECT_EQ(call.findArgument(sameName), 1);
    EXPECT_EQ(call.addArgumentCopy(sameName, false), 1);
    EXPECT_EQ(call.findArgument(sameName), 3);

    EXPECT_EQ(call.replaceInArguments("x", "z", false, true), 1);
    call.removeArgument(1);
    EXPECT_EQ(call.getArgument(1), nullptr);
    call.packArguments();
    ASSERT_EQ(call.argumentCount(), 3);
    EXPECT_EQ(call.getArgument(1)->name().view(), "C%");

    gprocessorCall other;
    other.assign(call);
    EXPECT_EQ(other.argumentCount(), 3);
    EXPECT_NE(other.getArgument(0), call.getArgument(0));
    gprocessorCall taken;
    taken.takeFrom(other);
    EXPECT_EQ(taken.argumentCount(), 3);
    EXPECT_EQ(other.argumentCount(), 0);
    taken.clear();
    EXPECT_FALSE(taken.isSet());
    EXPECT_EQ(taken.argumentCount(), 0);
}

TEST_F(processorCall, LongArgumentListsStillRefuseDuplicates)
{
    gprocessorCall call;
    for (int i = 0; i < 100; ++i) {
        gstr text;
        text.format("V%d, %d", i, i);
        EXPECT_EQ(line(call, kw::ARGUMENT, text.data()), gload::accepted);
    }
    EXPECT_EQ(line(call, kw::ARGUMENT, "v7, 1"), gload::alreadyLoaded);
    call.removeArgument(7);
    EXPECT_EQ(line(call, kw::ARGUMENT, "v7, 1"), gload::accepted);
    EXPECT_EQ(line(call, kw::ARGUMENT, "V99, 1"), gload::alreadyLoaded);
}

} // namespace
