#include "registers/sources/gsourcePing.h"

#include "registers/gbistateSupplement.h"
#include "registers/registerTestSupport.h"

#include <string>

namespace {

std::string block(const std::string& fields)
{
    return "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tPING\n" + fields + "\tEND\nEND\n";
}

TEST_F(registerTest, PingSourceWritesWhatItReads)
{
    const char* cases[] = {
        "\t\tADDRESS\t\t10.1.2.3\n\t\tINTERVAL\t30\n",
        "\t\tADDRESS\t\t127.0.0.1\n\t\tINTERVAL\t2.5\n\t\tTIMEOUT\t\t1\n\t\tRETRIES\t\t2\n\t\tERROR_AS_ALARM\tYES\n",
        "\t\tADDRESS\t\t10.1.2.3\n\t\tINTERVAL\t0.501\n\t\tTIMEOUT\t\t0.001\n",
    };
    for (const char* fields : cases) {
        emptyAll();
        EXPECT_EQ(roundTrip(block(fields)), block(fields));
    }
    // Defaults are not written back; 0.0005 s reads as 1 ms.
    emptyAll();
    EXPECT_EQ(roundTrip("BISTATE_REG R\nLEVEL NONE\nSOURCE PING\nADDRESS 10.1.2.3\nINTERVAL 0.501\nTIMEOUT 0.0005\n"
                        "RETRIES 1\nERROR_AS_ALARM NO\nEND\nEND\n"),
              block("\t\tADDRESS\t\t10.1.2.3\n\t\tINTERVAL\t0.501\n\t\tTIMEOUT\t\t0.001\n"));
    emptyAll();
    gregister* reg =
        loadRegister("BISTATE_REG R\nSOURCE PING\nADDRESS 10.1.2.3\nINTERVAL 1\nTIMEOUT 0.5\nEND\nEND\n").reg;
    auto& ping = sourceAs<gsourcePing>(reg->getBistateSupplement()->getSource());
    EXPECT_EQ(ping.getTimeout().get(), 500u);
    EXPECT_EQ(ping.getRetries(), 1u);
    EXPECT_EQ(ping.getErrorAsAlarm(), 0);
    EXPECT_EQ(writtenRegister(*reg).find("TIMEOUT"), std::string::npos);
}

TEST_F(registerTest, PingSourceRefusals)
{
    struct {
        const char* lines;
        gloadStatus status;
    } cases[] = {
        {"ADDRESS 0.0.0.1\n", gload::invalidValue},
        {"ADDRESS 10.0.0.1\nADDRESS 10.0.0.1\n", gload::alreadyLoaded},
        {"INTERVAL 0.499\n", gload::invalidValue},
        {"INTERVAL -1\n", gload::invalidValue},
        {"INTERVAL 4294967.295\n", gload::invalidValue},
        {"INTERVAL 1\nINTERVAL 1\n", gload::alreadyLoaded},
        {"TIMEOUT 0\n", gload::invalidValue},
        {"TIMEOUT 0.5\nTIMEOUT 0.5\n", gload::alreadyLoaded},
        {"RETRIES 0\n", gload::invalidValue},
        {"RETRIES -1\n", gload::invalidValue},
        {"RETRIES 2\nRETRIES 2\n", gload::alreadyLoaded},
        {"ERROR_AS_ALARM 1\n", gload::invalidValue},
        {"INTERVAL 30\nEND\n", gload::incomplete},
        {"ADDRESS 10.0.0.1\nEND\n", gload::incomplete},
        // The interval must cover the timeout times the retries and 0.5 s.
        {"ADDRESS 10.0.0.1\nINTERVAL 1\nRETRIES 2\nEND\n", gload::incomplete},
        {"ADDRESS 10.0.0.1\nINTERVAL 1.5\nRETRIES 2\nEND\n", gload::accepted},
        // 0.5 s is read; it suits no timeout.
        {"ADDRESS 10.0.0.1\nINTERVAL 0.5\n", gload::accepted},
        {"ADDRESS 10.0.0.1\nINTERVAL 0.5\nEND\n", gload::incomplete},
        {"ADDRESS 10.0.0.1\nINTERVAL 4294967.294\nTIMEOUT 4294967.294\nRETRIES 4294967295\nEND\n", gload::incomplete},
    };
    for (auto [lines, status] : cases) {
        emptyAll();
        EXPECT_EQ(loadRegister(std::string("BISTATE_REG R\nSOURCE PING\n") + lines).last(), status) << lines;
    }
}

} // namespace
