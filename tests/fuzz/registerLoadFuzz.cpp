// Arbitrary text read as the field lines of a register of each class. Besides
// not crashing: a register that loads writes lines that load a register of
// its class again, which writes the same lines; its duplicate writes them
// too; and after a find and replace over every scope it still writes lines
// that load back to themselves.
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include "fieldLinesFuzzing.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzzing::check;
using fuzzing::keywordLine;
using fuzzing::splitLines;

std::string written(const gregister& reg)
{
    return fuzzing::written([&reg](CObjectFile& file) { reg.writeEmbedded(file, 0); });
}

void emptyStation()
{
    station::registers().deleteAll();
    station::programs().deleteAll();
}

// Defines the register and feeds it the lines until it finishes or refuses
// one. Null unless it finished.
gregister* load(const gobjectType& type, const std::vector<keywordLine>& lines)
{
    auto* reg = static_cast<gregister*>(type.defineObject("R", false));
    check(reg && reg->getObjectType() == &type);
    for (const keywordLine& line : lines) {
        if (line.token < 0)
            return nullptr;
        gstr value(gstrSlice(line.value.data(), static_cast<int32_t>(line.value.size())));
        gloadStatus status = reg->loadLine(line.token, value);
        if (status == gload::finished)
            return reg;
        if (status != gload::accepted)
            return nullptr;
    }
    return nullptr;
}

// What the register writes loads a register of the class again that writes
// the same.
void checkRoundTrip(const gobjectType& type, const std::string& first)
{
    size_t header = first.find('\n');
    check(header != std::string::npos);
    emptyStation();
    gregister* again = load(type, splitLines(std::string_view(first).substr(header + 1)));
    check(again != nullptr);
    check(written(*again) == first);
}

gregisterBatchOptions everyScope()
{
    gregisterBatchOptions options;
    options.find.assign("A");
    options.replace.assign("B,\"");
    options.names = options.logStrings = options.automaticControls = options.controlArguments = true;
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<keywordLine> lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    static const gregisterBatchOptions options = everyScope();
    for (const gobjectType* type : {&objectTypes::bistateRegister(), &objectTypes::digitalRegister(),
                                    &objectTypes::analogRegister(), &objectTypes::stringRegister()}) {
        emptyStation();
        gregister* reg = load(*type, lines);
        if (!reg)
            continue;
        std::string first = written(*reg);
        std::unique_ptr<gregister> copy(reg->clone());
        check(written(*copy) == first);
        gstr log("");
        copy->replaceText(options, log, nullptr);
        std::string replaced = written(*copy);
        copy.reset();
        checkRoundTrip(*type, first);
        checkRoundTrip(*type, replaced);
    }
    emptyStation();
    return 0;
}
