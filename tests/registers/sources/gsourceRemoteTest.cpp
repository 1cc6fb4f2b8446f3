#include "registers/sources/gsourceRemoteRegister.h"
#include "registers/sources/gsourceRemoteStationAlarm.h"

#include "registers/registerTestSupport.h"

#include <string>

namespace {

std::string block(const char* kind, const char* source, const std::string& fields)
{
    return std::string(kind) + " R\n\tLEVEL\t\tNONE\n\tSOURCE\t\t" + source + "\n" + fields + "\tEND\nEND\n";
}

TEST_F(registerTest, RemoteSourcesWriteWhatTheyRead)
{
    struct {
        const char* kind;
        const char* source;
        const char* fields;
    } cases[] = {
        {"BISTATE_REG", "NETWORK2", "\t\tREGISTER\tPUMP\n\t\tADDRESS\t\t10.0.0.2\n"},
        {"DIGITAL_REG", "NETWORK2",
         "\t\tREGISTER\t\"a, b\"\n\t\tADDRESS\t\t192.168.1.20\n\t\tADDRESS\t\t127.0.0.1\n"
         "\t\tADDRESS\t\t192.168.1.20\n"},
        {"ANALOG_REG", "NETWORK2", "\t\tREGISTER\tFLOW\n\t\tADDRESS\t\t223.255.255.255\n"},
        {"STRING_REG", "NETWORK2", "\t\tREGISTER\tT\n\t\tADDRESS\t\t1.0.0.0\n"},
        {"BISTATE_REG", "NETWORK", "\t\tSTATION\t\tNorth\n"},
        {"BISTATE_REG", "NETWORK", "\t\tSTATION\t\t\"North, east\"\n\t\tREGISTER\tB7\n"},
    };
    for (auto [kind, source, fields] : cases) {
        emptyAll();
        std::string text = block(kind, source, fields);
        EXPECT_EQ(roundTrip(text), text);
    }
}

TEST_F(registerTest, RemoteSourceRefusals)
{
    struct {
        const char* lines;
        gloadStatus status;
    } cases[] = {
        {"SOURCE NETWORK2\nADDRESS 0.1.2.3\n", gload::invalidValue},
        {"SOURCE NETWORK2\nADDRESS 224.0.0.1\n", gload::invalidValue},
        {"SOURCE NETWORK2\nADDRESS 127.0.0.2\n", gload::invalidValue},
        {"SOURCE NETWORK2\nADDRESS 10.0.0.256\n", gload::invalidValue},
        {"SOURCE NETWORK2\nADDRESS 10.0.0\n", gload::invalidValue},
        {"SOURCE NETWORK2\nADDRESS 10.0.0.1, 10.0.0.2\n", gload::invalidValue},
        {"SOURCE NETWORK2\nREGISTER \"\"\n", gload::invalidValue},
        {"SOURCE NETWORK2\nREGISTER A\nREGISTER B\n", gload::alreadyLoaded},
        {"SOURCE NETWORK2\nREGISTER A\nEND\n", gload::incomplete},
        {"SOURCE NETWORK2\nADDRESS 10.0.0.1\nEND\n", gload::incomplete},
        {"SOURCE NETWORK\nREGISTER A\nEND\n", gload::incomplete},
        {"SOURCE NETWORK\nSTATION A\nSTATION B\n", gload::alreadyLoaded},
        {"SOURCE NETWORK\nSTATION A, B\n", gload::invalidValue},
        {"SOURCE NETWORK\nADDRESS 10.0.0.1\n", gload::unknownKeyword},
    };
    for (auto [lines, status] : cases) {
        emptyAll();
        EXPECT_EQ(loadRegister(std::string("BISTATE_REG R\n") + lines).last(), status) << lines;
    }
    // A remote station alarm is a bistate kind only.
    EXPECT_EQ(loadRegister("DIGITAL_REG D\nSOURCE NETWORK\n").last(), gload::invalidValue);
}

} // namespace
