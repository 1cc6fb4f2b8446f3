#include "registers/sources/gsourceLegacyParameter.h"

#include "legacy/glegacyParameter.h"
#include "registers/ganalogSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gregisterSupplement.h"
#include "registers/registerTestSupport.h"

#include <string>

namespace {

glegacyParameter* parameter(const char* tag, const char* title = nullptr)
{
    auto* p = static_cast<glegacyParameter*>(objectTypes::legacyParameter().defineObject(tag, false));
    if (title)
        p->setTitle(title);
    return p;
}

TEST_F(registerTest, LegacyParameterSourcesWriteWhatTheyRead)
{
    for (const char* kind : {"BISTATE_REG", "DIGITAL_REG", "ANALOG_REG", "STRING_REG"}) {
        emptyAll();
        parameter("Speed, max");
        std::string text = std::string(kind) +
                           " R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tPARAMETER\n\t\tPARAMETER\t\"Speed, max\"\n\tEND\nEND\n";
        EXPECT_EQ(roundTrip(text), text);
    }
    // An analog register has the parameter's one value.
    emptyAll();
    parameter("P");
    gregister* reg = loadRegister("ANALOG_REG A\nSOURCE PARAMETER\nPARAMETER P\nEND\nEND\n").reg;
    EXPECT_EQ(reg->getAnalogSupplement()->elementCount(), 1);
}

TEST_F(registerTest, LegacyParameterSourceRefusals)
{
    struct {
        const char* lines;
        gloadStatus status;
    } cases[] = {
        {"PARAMETER P\nPARAMETER P\n", gload::alreadyLoaded},
        {"PARAMETER \"\"\n", gload::invalidValue},
        {"PARAMETER P, Q\n", gload::invalidValue},
        {"PARAMETER \"P\n", gload::invalidValue},
        {"END\n", gload::incomplete},
        {"PARAMETER P\nEND\n", gload::accepted},
    };
    for (auto [lines, status] : cases) {
        emptyAll();
        EXPECT_EQ(loadRegister(std::string("DIGITAL_REG R\nSOURCE PARAMETER\n") + lines).last(), status) << lines;
    }
    // A tag not yet defined is a placeholder the file must define.
    EXPECT_FALSE(station::legacyParameters().find("P")->isDefined());
}

TEST_F(registerTest, LegacyParameterInUseAndRebound)
{
    glegacyParameter* p1 = parameter("P1", "First");
    glegacyParameter* p2 = parameter("P2");
    gregister* reg = loadRegister("STRING_REG S\nTITLE Speed text\nSOURCE PARAMETER\nPARAMETER P1\nEND\nEND\n").reg;
    EXPECT_EQ(users(p1->usedBy()), "\nThe register Speed text");

    gregisterBatchOptions options;
    options.find.assign("1");
    options.replace.assign("3");
    gstr log("");
    EXPECT_EQ(reg->getSupplement()->replaceText(options, log, nullptr), 0);
    options.parametersInParameterSources = true;
    EXPECT_EQ(reg->getSupplement()->replaceText(options, log, nullptr), 0);
    EXPECT_EQ(log.view(), "\nThe parameter with tag P3 specified by Speed text does not exist: retained parameter First");
    options.replace.assign("2");
    EXPECT_EQ(reg->getSupplement()->replaceText(options, log, nullptr), 1);
    EXPECT_TRUE(p1->usedBy().isUnused());
    EXPECT_EQ(users(p2->usedBy()), "\nThe register Speed text");

    reg->getSupplement()->newSource(4);
    EXPECT_TRUE(p2->usedBy().isUnused());
}

} // namespace
