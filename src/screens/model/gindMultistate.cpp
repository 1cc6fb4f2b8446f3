#include "screens/model/gindMultistate.h"

#include "foundation/valueParsers.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregister.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int notDigitalText = 20142;
constexpr int fixedTokens[3] = {kw::MASKED_STATE, kw::ERROR_STATE, kw::BLINK_STATE};

} // namespace

gindMultistate::gindMultistate(const gindMultistate& source, int32_t dx, int32_t dy, fscreen* screen,
                               bool linkReferences)
    : gindShapeIndicator(source, dx, dy, screen), register_(source.register_)
{
    for (int i = 0; i < 3; ++i) {
        if (source.fixed_[i])
            fixed_[i] = source.fixed_[i]->clone();
    }
    for (const auto& [number, record] : source.numbered_)
        numbered_[number] = record->clone();
    if (linkReferences)
        linkRegister(boundRegister());
}

int gindMultistate::headerToken() const { return kw::MULTISTATE_IND; }

gregister* gindMultistate::boundRegister() const { return register_ ? &register_->getRegister() : nullptr; }

void gindMultistate::setRegister(gdigitalSupplement* part)
{
    register_ = part;
    linkRegister(boundRegister());
}

const gindObjectInfo* gindMultistate::fixedRecord(int state) const noexcept
{
    return state >= 0 && state < 3 ? fixed_[state].get() : nullptr;
}

const gindObjectInfo* gindMultistate::numberedRecord(uint32_t number) const
{
    auto it = numbered_.find(number);
    return it == numbered_.end() ? nullptr : it->second.get();
}

const gindObjectInfo* gindMultistate::choose(use purpose) const
{
    const gpreviewValues& preview = previewValues();
    int k = preview.multistateState;
    if (k == gstate::masked || k == gstate::error)
        return fixed_[k].get();
    const gindObjectInfo* blink = fixed_[gstate::blink].get();
    bool alarm = registerLevel(boundRegister()) >= 3;
    if (k == gstate::blink && alarm) {
        if (purpose == use::text)
            return blink;
        if (preview.blinkPhase == 1 && (blink || purpose != use::hit))
            return blink;
    }
    if (k != gstate::blink && k != gstate::numbered)
        return nullptr;
    if (const gindObjectInfo* record = numberedRecord(preview.multistateNumber))
        return record;
    if (k == gstate::blink && purpose == use::hit && alarm)
        return blink;
    return nullptr;
}

void gindMultistate::forEachRecord(const std::function<void(gindObjectInfo&)>& f) const
{
    for (const auto& each : fixed_) {
        if (each)
            f(*each);
    }
    for (const auto& entry : numbered_)
        f(*entry.second);
}

void gindMultistate::writeFields(CObjectFile& file, int indent) const
{
    gindShapeIndicator::writeFields(file, indent);
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getRegisterTag().write(file, 1);
    }
    for (int i = 0; i < 3; ++i)
        writeRecord(file, indent, fixedTokens[i], fixed_[i].get());
    for (const auto& [number, record] : numbered_) {
        writeKeyOf(file, indent, kw::STATE);
        file.writeUnsigned(number, 1);
        record->writeEmbedded(file, indent);
    }
}

gloadStatus gindMultistate::loadField(int token, gstr& value)
{
    for (int i = 0; i < 3; ++i) {
        if (token == fixedTokens[i])
            return loadRecord(fixed_[i]);
    }
    switch (token) {
    case kw::STATE: return loadNumbered(value);
    case kw::REGISTER: {
        if (register_)
            return gload::alreadyLoaded;
        gregister* reg = readRegisterTag(value);
        gdigitalSupplement* part = reg ? reg->getDigitalSupplement() : nullptr;
        if (!part)
            return gload::invalidValue;
        setRegister(part);
        return gload::accepted;
    }
    default: return gindShapeIndicator::loadField(token, value);
    }
}

gloadStatus gindMultistate::loadNumbered(const gstr& value)
{
    uint32_t number = 0;
    if (parseUnsignedItem(value.data(), number) != itemResult::end)
        return gload::invalidValue;
    std::unique_ptr<gindObjectInfo>& slot = numbered_[number];
    if (slot)
        return gload::alreadyLoaded;
    return loadRecord(slot);
}

bool gindMultistate::isComplete() const { return gindShapeIndicator::isComplete() && register_ && !numbered_.empty(); }

int gindMultistate::beginCreate(int32_t x, int32_t y)
{
    const gpropMultistate& set = drawingDefaults().multistate;
    setRegister(referredObject(set.reg));
    for (int i = 0; i < 3; ++i) {
        fixed_[i].reset();
        if (set.states[i].enable.isTrue()) {
            fixed_[i] = shape_->makeStateRecord();
            fixed_[i]->apply(set.states[i].values);
        }
    }
    numbered_.clear();
    for (const auto& [number, state] : set.numbered) {
        if (!state->enable.isTrue())
            continue;
        std::unique_ptr<gindObjectInfo> record = shape_->makeStateRecord();
        record->apply(state->values);
        numbered_[number] = std::move(record);
    }
    return shape_->beginCreate(x, y);
}

void gindMultistate::setProperties(const gpropMultistate& set, int id, int stateId, uint32_t stateNumber)
{
    if (id == gprop::registerRef) {
        setRegister(referredObject(set.reg));
        return;
    }
    const gstateAppearance* state = nullptr;
    std::unique_ptr<gindObjectInfo>* slot = nullptr;
    if (stateId >= 0 && stateId < 3) {
        state = &set.states[stateId];
        slot = &fixed_[stateId];
    } else if (stateId == gstate::numbered) {
        state = set.findState(stateNumber);
        auto it = numbered_.find(stateNumber);
        slot = it == numbered_.end() ? nullptr : &it->second;
    }
    if (!state)
        return;
    if (id != gprop::enable) {
        if (slot && *slot)
            (*slot)->applyOne(state->values, id);
        return;
    }
    if (!state->enable.hasValue())
        return;
    if (state->enable.isTrue()) {
        if (slot && *slot)
            return;
        std::unique_ptr<gindObjectInfo> record = shape_->makeStateRecord();
        record->apply(state->values);
        if (stateId == gstate::numbered)
            numbered_[stateNumber] = std::move(record);
        else
            *slot = std::move(record);
        return;
    }
    if (stateId != gstate::numbered) {
        slot->reset();
        return;
    }
    if (slot && numbered_.size() > 1)
        numbered_.erase(stateNumber);
}

void gindMultistate::collectProperties(gdrawingProperties& record) const
{
    gpropMultistate& set = record.multistate;
    set.reg.merge(register_);
    for (int i = 0; i < 3; ++i) {
        set.states[i].enable.merge(fixed_[i] ? 1 : 0);
        if (fixed_[i])
            fixed_[i]->mergeInto(set.states[i].values);
    }
    bool earlier = set.isGathered();
    for (const auto& [number, state] : numbered_) {
        bool made = !set.findState(number);
        gstateAppearance& target = set.ensureState(number, false);
        if (made) {
            // A record made now starts from nothing gathered; the objects
            // gathered before lacked this state.
            target.clear();
            if (earlier)
                target.enable.merge(0);
        }
        target.enable.merge(1);
        state->mergeInto(target.values);
    }
    for (auto& [number, target] : set.numbered) {
        if (!numbered_.count(number))
            target->enable.merge(0);
    }
    set.setGathered();
}

void gindMultistate::collectStateNames(gstateNameMap& names, int& started) const
{
    if (started == 0) {
        if (register_)
            register_->getValueNames(names);
    } else {
        for (auto it = names.begin(); it != names.end();) {
            bool same = register_ && register_->getValueName(it->first).compare(it->second) == 0;
            it = same ? std::next(it) : names.erase(it);
        }
    }
    started = 1;
}

void gindMultistate::addStateNumbers(gpropMultistate& set) const
{
    for (const auto& entry : numbered_)
        set.ensureState(entry.first, false);
}

ggraphObject* gindMultistate::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindMultistate(*this, dx, dy, screen, linkReferences);
}

int gindMultistate::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = rebindByTag(change, log, boundRegister(), notDigitalText, [this](gregister& reg) {
        gdigitalSupplement* part = reg.getDigitalSupplement();
        if (!part)
            return false;
        setRegister(part);
        return true;
    });
    return count + replaceInRecords(change);
}
