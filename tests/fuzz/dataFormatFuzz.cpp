// Arbitrary text read as the lines of every encoder and decoder kind and of
// the format records with their extended keywords, and arbitrary bytes read
// as device data by every input format. Besides not crashing: what loads
// writes lines that load again to the same lines, a read never moves the
// cursor outside the data or on a failure, and outputs stay within their
// bound.
//
// The input is record lines up to the first NUL and device data after it;
// without a NUL the whole input serves as both. The first data bytes also
// choose the settings of formats built directly, so that decoding is tried
// beyond the formats that the lines happen to describe.
#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "formats/gexponentNotation.h"
#include "formats/gintegerType.h"
#include "store/CObjectFile.h"

#include "fieldLinesFuzzing.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzzing::check;
using fuzzing::keywordLine;
using fuzzing::splitLines;
using fuzzing::written;

// Feeds the lines to a storable until it finishes or refuses one; a coder
// still open gets its END. True when it finished.
bool load(gstorable& object, const std::vector<keywordLine>& lines)
{
    for (const keywordLine& line : lines) {
        if (line.token < 0)
            return false;
        gstr value(line.value.c_str());
        gloadStatus status = object.loadLine(line.token, value);
        if (status == gload::finished)
            return true;
        if (status != gload::accepted)
            return false;
    }
    gstr none("");
    return object.loadLine(kw::END, none) == gload::finished;
}

// A coder that loaded writes lines that load a coder of its kind again,
// which writes the same lines.
template <class Coder>
void checkRoundTrip(const Coder& coder)
{
    std::string first = written([&](CObjectFile& file) { coder.writeEmbedded(file, 0); });
    size_t header = first.find('\n');
    check(header != std::string::npos);
    std::unique_ptr<Coder> again(Coder::create(gcoderKind::keywordToken(coder.getKind())));
    check(again && load(*again, splitLines(std::string_view(first).substr(header + 1))));
    check(written([&](CObjectFile& file) { again->writeEmbedded(file, 0); }) == first);
}

struct cursorCheck {
    const char* begin;
    const char* end;
    void after(const char* cursor, int result) const
    {
        check(cursor >= begin && cursor <= end);
        check(result != 0 || cursor == begin);
    }
};

void decodeWith(const gintegerInputFormat& format, std::string_view data)
{
    const char* cursor = data.data();
    uint32_t value = 0;
    int result = format.decode(cursor, static_cast<int32_t>(data.size()), value);
    cursorCheck{data.data(), data.data() + data.size()}.after(cursor, result);
}

void decodeWith(const gnumberInputFormat& format, std::string_view data)
{
    const char* cursor = data.data();
    double value = 0;
    int marker = 7;
    int result = format.decode(cursor, static_cast<int32_t>(data.size()), value, marker);
    cursorCheck{data.data(), data.data() + data.size()}.after(cursor, result);
    check(result == 0 || (std::isfinite(value) && marker >= -1 && marker <= 1));
}

void decodeWith(const gdecoder& decoder, std::string_view data)
{
    const char* cursor = data.data();
    const char* end = data.data() + data.size();
    auto size = static_cast<int32_t>(data.size());
    int result = 0;
    switch (decoder.getKind()) {
    case gcoderKind::bistate: {
        int state = -1;
        result = static_cast<const gdecoderBistate&>(decoder).record().match(cursor, end, state) ? 1 : 0;
        check(result == 0 || state == 0 || state == 1);
        break;
    }
    case gcoderKind::digitalNumber:
        decodeWith(static_cast<const gdecoderDigitalNumber&>(decoder).record(), data);
        return;
    case gcoderKind::digitalStrings: {
        uint32_t value = 0;
        result = static_cast<const gdecoderDigitalStrings&>(decoder).record().match(cursor, size, value);
        break;
    }
    case gcoderKind::analogNumber:
        decodeWith(static_cast<const gdecoderAnalogNumber&>(decoder).record(), data);
        return;
    default: {
        gstr value;
        result = static_cast<const gdecoderString&>(decoder).record().match(cursor, size, value);
        check(result == 0 || value.length() <= size);
        break;
    }
    }
    cursorCheck{data.data(), end}.after(cursor, result);
}

void encodeWith(const gencoder& encoder, std::string_view data)
{
    uint32_t number = 0;
    double real = 0;
    std::memcpy(&number, data.data(), std::min(data.size(), sizeof number));
    std::memcpy(&real, data.data(), std::min(data.size(), sizeof real));
    gstr out;
    if (encoder.getKind() == gcoderKind::digitalNumber)
        out = static_cast<const gencoderDigitalNumber&>(encoder).record().encode(number);
    else if (encoder.getKind() == gcoderKind::analogNumber)
        out = static_cast<const gencoderAnalogNumber&>(encoder).record().format(real);
    else
        return;
    // Digits, separators, prefixes and pad: never beyond a few fields' worth.
    check(out.length() <= 4 * gintegerType::maxOutputWidth + 2048);
}

void tryCoders(const std::vector<keywordLine>& lines, std::string_view data)
{
    for (int kind = gcoderKind::bistate; kind <= gcoderKind::string; ++kind) {
        int token = gcoderKind::keywordToken(kind);
        std::unique_ptr<gdecoder> decoder(gdecoder::create(token));
        if (load(*decoder, lines))
            checkRoundTrip(*decoder);
        decodeWith(*decoder, data);
        std::unique_ptr<gdecoder> copy(decoder->clone());
        decoder.reset();
        decodeWith(*copy, data);

        std::unique_ptr<gencoder> encoder(gencoder::create(token));
        if (load(*encoder, lines))
            checkRoundTrip(*encoder);
        encodeWith(*encoder, data);
    }
}

// The records with the keywords that no coder takes: the number input
// format with GREATER_LESS and SEPARATOR, and the exponent notation.
void tryExtendedRecords(const std::vector<keywordLine>& lines, std::string_view data)
{
    gnumberInputFormat format;
    bool accepted = true;
    for (const keywordLine& line : lines) {
        gstr value(line.value.c_str());
        if (line.token < 0 || format.readKeyword(line.token, value, true) != gload::accepted) {
            accepted = false;
            break;
        }
    }
    format.afterLoad();
    decodeWith(format, data);
    if (accepted && format.isValid()) {
        std::string first = written([&](CObjectFile& file) { format.write(file, 0); });
        gnumberInputFormat again;
        for (const keywordLine& line : splitLines(first)) {
            gstr value(line.value.c_str());
            check(line.token >= 0 && again.readKeyword(line.token, value, true) == gload::accepted);
        }
        again.afterLoad();
        check(written([&](CObjectFile& file) { again.write(file, 0); }) == first);
    }

    gexponentNotation notation;
    if (!lines.empty())
        notation.parseHeader(gstr(lines.front().value.c_str()));
    if (load(notation, lines))
        written([&](CObjectFile& file) { notation.writeEmbedded(file, 0); });
}

// Formats whose settings come from the data's first bytes.
class settings {
public:
    explicit settings(std::string_view data) : data_(data) {}

    uint8_t next() { return at_ < data_.size() ? static_cast<uint8_t>(data_[at_++]) : 0; }
    char character() { return static_cast<char>(next()); }
    gcharOption option()
    {
        uint8_t b = next();
        return b % 3 == 0 ? gcharOption() : b % 3 == 1 ? gcharOption::makeNone() : gcharOption(character());
    }
    gstr set()
    {
        uint8_t kind = next() % 4;
        if (kind == 0)
            return gstr();
        gstr text("");
        for (int i = 1; i < kind; ++i)
            text.append(character());
        return text;
    }
    std::string_view rest() const { return data_.substr(std::min(at_, data_.size())); }

private:
    std::string_view data_;
    size_t at_ = 0;
};

void tryBuiltFormats(std::string_view data)
{
    settings s(data);
    gnumberInputFormat input;
    input.setType(s.next() % 12);
    input.setWidth(static_cast<int32_t>(s.next() % 10) - 1);
    input.setLeading(s.set());
    input.setTrailing(s.set());
    for (int i = 0; i < 4; ++i)
        input.setSymbol(i, s.option());
    if (s.next() % 2)
        input.setExponent(s.set(), s.set());
    input.setDecimals(static_cast<int32_t>(s.next() % 40) - 1);
    input.setMarkers(s.option(), s.option());
    std::string_view rest = s.rest();
    decodeWith(input, rest);
    decodeWith(static_cast<const gintegerInputFormat&>(input), rest);

    gnumberOutputFormat output;
    output.setType(s.next() % 12);
    output.field().width = static_cast<int32_t>(s.next() % 24) - 1;
    output.field().alignment = s.next() % 4;
    output.field().pad = s.option();
    output.setHexCase(s.next() % 2 ? 'a' : 'A');
    for (int i = 0; i < 3; ++i)
        output.setSymbol(i, s.option());
    output.setDecimals(static_cast<int32_t>(s.next() % 48) - 8, s.option());
    output.setExponent(static_cast<int32_t>(s.next() % 6) - 1, s.next() % 6, s.set(), s.set());
    double value = 0;
    std::string_view bytes = s.rest();
    std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
    check(output.format(value).length() <= 4 * gintegerType::maxOutputWidth + 2048);
    uint32_t number = 0;
    std::memcpy(&number, bytes.data(), std::min(bytes.size(), sizeof number));
    output.isValidFor(static_cast<int32_t>(number));
    output.encode(number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(bytes), size);
    size_t nul = input.find('\0');
    std::string_view text = input.substr(0, nul);
    std::string_view data = nul == std::string_view::npos ? input : input.substr(nul + 1);
    std::vector<keywordLine> lines = splitLines(text);
    tryCoders(lines, data);
    tryExtendedRecords(lines, data);
    tryBuiltFormats(data);
    return 0;
}
