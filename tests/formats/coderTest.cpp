#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The answers of a coder to its lines, END included.
template <class Coder>
std::vector<gloadStatus> load(Coder& coder, const std::string& lines)
{
    return feedLines(lines, [&](int token, gstr& value) { return coder.loadLine(token, value); });
}

template <class Coder>
std::string fields(const Coder& coder)
{
    return writtenText([&](CObjectFile& file) { coder.writeFields(file, 1); });
}

TEST(coders, CreateByKindKeyword)
{
    struct {
        int token;
        int kind;
    } const cases[] = {
        {kw::BISTATE, 1}, {kw::V_DIGITAL_NUMBER, 2}, {kw::V_DIGITAL_STRINGS, 3}, {kw::V_ANALOG_NUMBER, 4},
        {kw::STRING, 5},  {kw::TYPE, 0},             {kw::DIGITAL, 0},
    };
    for (const auto& c : cases) {
        std::unique_ptr<gencoder> encoder(gencoder::create(c.token));
        std::unique_ptr<gdecoder> decoder(gdecoder::create(c.token));
        EXPECT_EQ(encoder ? encoder->getKind() : 0, c.kind) << c.token;
        EXPECT_EQ(decoder ? decoder->getKind() : 0, c.kind) << c.token;
    }
    std::unique_ptr<gdecoder> analog(gdecoder::create(kw::V_ANALOG_NUMBER));
    EXPECT_EQ(writtenText([&](CObjectFile& file) { analog->writeHeader(file, 3); }), "ANALOG NUMBER\n");
}

// Lines each kind accepts, written back as they were read, and whether the
// coder is complete at its END.
struct coderCase {
    int kindToken;
    const char* lines;
    std::vector<gloadStatus> answers;
};

const gloadStatus ok = gload::accepted;
const gloadStatus done = gload::finished;

TEST(coders, EncodersReadWriteAndComplete)
{
    const coderCase cases[] = {
        {kw::BISTATE, "\tON_STRING\tON\n\tOFF_STRING\tOFF\n", {ok, ok, done}},
        {kw::BISTATE, "\tON_STRING\tON\n", {ok, done}},
        {kw::V_DIGITAL_NUMBER, "\tWIDTH\t\t4, RIGHT, 0\n\tTYPE\t\tHEX, a\n", {ok, ok, done}},
        {kw::V_DIGITAL_STRINGS, "\tDEFAULT_STRING\t?\n\tVALUE_STRING\t0, OFF\n\tVALUE_STRING\t1, ON\n",
         {ok, ok, ok, done}},
        {kw::V_ANALOG_NUMBER, "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\tNONE, -, NONE\n\tDECIMALS\t1, .\n", {ok, ok, ok, done}},
        {kw::V_ANALOG_NUMBER, "\tWIDTH\t\t1\n\tTYPE\t\tSIGNED BYTE\n", {ok, ok, done}},
        {kw::STRING, "\tWIDTH\t\t8, LEFT, \" \"\n\tREPLACEMENT\t?\n", {ok, ok, done}},
        {kw::STRING, "", {done}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<gencoder> coder(gencoder::create(c.kindToken));
        EXPECT_EQ(load(*coder, std::string(c.lines) + "END\n"), c.answers) << c.lines;
        EXPECT_EQ(fields(*coder), c.lines);
    }
}

TEST(coders, DecodersReadWriteAndComplete)
{
    const coderCase cases[] = {
        {kw::BISTATE, "\tON_STRING\tON\n\tOFF_STRING\tOFF\n", {ok, ok, done}},
        {kw::V_DIGITAL_NUMBER, "\tLEADING\t\t\n\tWIDTH\t\t4, \n\tTYPE\t\tDECIMAL\n", {ok, ok, ok, done}},
        {kw::V_DIGITAL_STRINGS, "\tVALUE_STRING\t0, OFF\n\tVALUE_STRING\t1, \"O[Nn],\"\n", {ok, ok, done}},
        {kw::V_ANALOG_NUMBER, "\tWIDTH\t\t2\n\tTYPE\t\tSIGNED MULTIBYTE HI-LO\n\tDECIMALS\t1\n", {ok, ok, ok, done}},
        {kw::STRING, "\tPREFIX\t\tV=\n\tPATTERN\t\t.*\n", {ok, ok, done}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<gdecoder> coder(gdecoder::create(c.kindToken));
        EXPECT_EQ(load(*coder, std::string(c.lines) + "END\n"), c.answers) << c.lines;
        EXPECT_EQ(fields(*coder), c.lines);
    }
}

TEST(coders, RefuseWhatTheirKindDoesNotTake)
{
    const gloadStatus bad = gload::invalidValue;
    const gloadStatus unknown = gload::unknownKeyword;
    const gloadStatus twice = gload::alreadyLoaded;
    const gloadStatus incomplete = gload::incomplete;
    const coderCase encoders[] = {
        {kw::V_DIGITAL_NUMBER, "TYPE SIGNED BYTE\n", {bad}},
        {kw::V_DIGITAL_NUMBER, "WIDTH 3, FULL RIGHT, 0\n", {bad}},
        {kw::V_DIGITAL_NUMBER, "TYPE DECIMAL\nWIDTH 3\nEND\n", {ok, ok, incomplete}},
        {kw::V_DIGITAL_STRINGS, "DEFAULT_STRING x\nEND\n", {ok, incomplete}},
        {kw::BISTATE, "END\n", {incomplete}},
        {kw::STRING, "WIDTH 3, FULL RIGHT, 0\nWIDTH 3\nREPLACEMENT \"\\x01\"\n", {bad, bad, bad}},
        {kw::V_ANALOG_NUMBER, "TYPE DECIMAL\nEND\n", {ok, incomplete}},
        {kw::BISTATE, "END now\nPATTERN x\n", {bad, unknown}},
    };
    for (const auto& c : encoders) {
        std::unique_ptr<gencoder> coder(gencoder::create(c.kindToken));
        EXPECT_EQ(load(*coder, c.lines), c.answers) << c.lines;
    }
    const coderCase decoders[] = {
        {kw::V_DIGITAL_NUMBER, "TYPE SIGNED BYTE\n", {bad}},
        {kw::V_ANALOG_NUMBER, "TYPE SIGNED BYTE\nGREATER_LESS >, <\nSEPARATOR ;\n", {ok, unknown, unknown}},
        {kw::STRING, "PATTERN x\nPATTERN y\nEND\n", {ok, twice, done}},
        {kw::STRING, "PREFIX x\nEND\n", {ok, incomplete}},
        {kw::BISTATE, "ON_STRING x\nEND\n", {ok, incomplete}},
        {kw::V_DIGITAL_STRINGS, "VALUE_STRING 1, a\nVALUE_STRING 1, b\nEND\n", {ok, twice, done}},
        {kw::V_DIGITAL_STRINGS, "END\n", {incomplete}},
        {kw::V_DIGITAL_NUMBER, "WIDTH 2\nTYPE BYTE\nEND\n", {ok, ok, incomplete}},
    };
    for (const auto& c : decoders) {
        std::unique_ptr<gdecoder> coder(gdecoder::create(c.kindToken));
        EXPECT_EQ(load(*coder, c.lines), c.answers) << c.lines;
    }
}

TEST(coders, SettleAtTheirEnd)
{
    std::unique_ptr<gencoder> bistate(gencoder::create(kw::BISTATE));
    load(*bistate, "ON_STRING on\nEND\n");
    const gonOffStrings& texts = static_cast<gencoderBistate&>(*bistate).record();
    EXPECT_TRUE(texts.offText().isEmpty() && !texts.offText().isNull());

    std::unique_ptr<gencoder> string(gencoder::create(kw::STRING));
    load(*string, "END\n");
    const gstringOutputFormat& format = static_cast<gencoderString&>(*string).record();
    EXPECT_EQ(format.field().width, 0);
    EXPECT_TRUE(format.replacement().isNone());

    std::unique_ptr<gdecoder> number(gdecoder::create(kw::V_DIGITAL_NUMBER));
    load(*number, "TYPE DECIMAL\nEND\n");
    EXPECT_EQ(static_cast<gdecoderDigitalNumber&>(*number).record().width(), 0);
}

TEST(coders, ClonesAreIndependent)
{
    std::unique_ptr<gdecoder> original(gdecoder::create(kw::V_DIGITAL_STRINGS));
    load(*original, "VALUE_STRING 1, ON\nEND\n");
    std::unique_ptr<gdecoder> copy(original->clone());
    static_cast<gdecoderDigitalStrings&>(*original).record().clear();
    original.reset();
    EXPECT_EQ(copy->getKind(), 3);
    EXPECT_TRUE(copy->isComplete());
    EXPECT_EQ(fields(*copy), "\tVALUE_STRING\t1, ON\n");

    std::unique_ptr<gencoder> encoder(gencoder::create(kw::V_ANALOG_NUMBER));
    load(*encoder, "TYPE DECIMAL\nSYMBOLS +, -, NONE\nEXPONENT 2, 1, E, E-\nEND\n");
    std::unique_ptr<gencoder> encoderCopy(encoder->clone());
    encoder.reset();
    EXPECT_EQ(fields(*encoderCopy), "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\t+, -, NONE\n\tEXPONENT\t2, 1, E, E-\n");
}

} // namespace
