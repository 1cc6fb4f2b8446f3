#include "registers/sources/g2driverDataSource.h"

#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverOnOffStringSource.h"
#include "g2driver/model/g2driverSummarySource.h"
#include "g2driver/model/g2driverValueLimitsSource.h"
#include "registers/sources/g2driverAnalogNumberSource.h"
#include "registers/sources/g2driverBitCollectionSource.h"
#include "registers/sources/g2driverBitMaskSource.h"
#include "registers/sources/g2driverDigitalNumberSource.h"
#include "registers/sources/g2driverDigitalStringsSource.h"
#include "registers/sources/g2driverMultipleSource.h"
#include "registers/sources/g2driverParameterSource.h"
#include "registers/sources/g2driverPatternMatchSource.h"
#include "registers/sources/g2driverProcessorSource.h"
#include "registers/sources/g2driverSearchStringSource.h"
#include "registers/sources/g2driverStringSource.h"
#include "registers/sources/g2driverThresholdsSource.h"
#include "registers/sources/g2driverValueListSource.h"
#include "resources/stringTable.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

using sourceMaker = std::unique_ptr<g2driverDataSource> (*)();

template <class S>
std::unique_ptr<g2driverDataSource> make()
{
    return std::make_unique<S>();
}

struct kindRow {
    int keyword;
    sourceMaker maker;
};

// The kinds by the keyword after SOURCE, in pane-type order.
constexpr kindRow kinds[] = {
    {kw::BISTATE, make<g2driverOnOffStringSource>},
    {kw::V_BIT_MASK, make<g2driverBitMaskSource>},
    {kw::V_SEARCH_STRING, make<g2driverSearchStringSource>},
    {kw::V_VALUE_LIST, make<g2driverValueListSource>},
    {kw::LIMIT, make<g2driverValueLimitsSource>},
    {kw::PATTERN, make<g2driverPatternMatchSource>},
    {kw::V_DIGITAL_NUMBER, make<g2driverDigitalNumberSource>},
    {kw::V_DIGITAL_STRINGS, make<g2driverDigitalStringsSource>},
    {kw::THRESHOLDS, make<g2driverThresholdsSource>},
    {kw::V_BIT_COLLECTION, make<g2driverBitCollectionSource>},
    {kw::V_ANALOG_NUMBER, make<g2driverAnalogNumberSource>},
    {kw::STRING, make<g2driverStringSource>},
    {kw::FILTER, make<g2driverFilterSource>},
    {kw::PROCESSOR, make<g2driverProcessorSource>},
    {kw::SUMMARY, make<g2driverSummarySource>},
    {kw::PARAMETER, make<g2driverParameterSource>},
    {kw::MULTIPLE, make<g2driverMultipleSource>},
};
static_assert(std::size(kinds) == g2sourcePane::last);

// Indexed by pane type.
constexpr int paneNameIds[] = {0,     20033, 20037, 20077, 20086, 20063, 20073, 20049, 20050,
                               20085, 20034, 20032, 20082, 20053, 20074, 20083, 20072, 20064};
constexpr int32_t paneValueKinds[] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 4, 4, 0, 0, 0, 0};
static_assert(std::size(paneNameIds) == g2sourcePane::last + 1);
static_assert(std::size(paneValueKinds) == g2sourcePane::last + 1);

} // namespace

g2driverDataSource::~g2driverDataSource() = default;

std::unique_ptr<g2driverDataSource> g2driverDataSource::create(const gstr& value, g2driverDataObject& object,
                                                               bool allowMultiple)
{
    int token = -1;
    const char* rest = nullptr;
    const int status = parseKeywordItem(value.data(), token, rest);
    if (status == 0 || (token == kw::MULTIPLE && !allowMultiple))
        return nullptr;
    for (const kindRow& kind : kinds) {
        if (kind.keyword != token)
            continue;
        std::unique_ptr<g2driverDataSource> source = kind.maker();
        if (!source->acceptsValueKind(object.getTypeCode()))
            return nullptr;
        source->setOwner(&object, object.parameters());
        source->bindDriver(object.getDriver());
        if (source->parseHeaderArguments(status, rest) != 1)
            return nullptr;
        return source;
    }
    return nullptr;
}

void g2driverDataSource::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::SOURCE).writeKey(file, indent);
    gkeyword::byToken(kindKeyword()).writeValue(file, 1);
}

int g2driverDataSource::parseHeaderArguments(int itemStatus, const char*) { return itemStatus; }

bool g2driverDataSource::hasGreaterLessSymbols() const { return false; }

void g2driverDataSource::setOwner(g2driverDataObject* owner, g2driverParameterTable&) { owner_ = owner; }

void g2driverDataSource::bindDriver(g2driver*) {}

void g2driverDataSource::collectUses(gusesList&) {}

void g2driverDataSource::resolveReferences() {}

g2driver* g2driverDataSource::getDriver() const { return owner_ ? owner_->getDriver() : nullptr; }

int32_t g2driverDataSource::ownerKind() const { return owner_ ? owner_->getTypeCode() : 0; }

const gstr& g2driverDataSource::kindNameText(int id)
{
    // One text per id, kept for the life of the program.
    static gstr texts[std::size(paneNameIds) + 2];
    static int ids[std::size(paneNameIds) + 2] = {};
    for (size_t i = 0; i < std::size(ids); ++i) {
        if (ids[i] == id)
            return texts[i];
        if (ids[i] == 0) {
            ids[i] = id;
            texts[i].loadString(id);
            return texts[i];
        }
    }
    static gstr none("");
    return none;
}

int g2sourcePane::nameId(int paneType)
{
    return paneType >= 1 && paneType <= last ? paneNameIds[paneType] : 0;
}

int32_t g2sourcePane::valueKind(int paneType)
{
    return paneType >= 1 && paneType <= last ? paneValueKinds[paneType] : 0;
}
