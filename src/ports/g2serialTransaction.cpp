#include "ports/g2serialTransaction.h"

#include "foundation/gfault.h"
#include "foundation/gregexp.h"
#include "foundation/gregexpMatch.h"
#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "ports/gexchangeResult.h"
#include "ports/gnamedValue.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr const char* duplicateValue = "duplicate value name in g2serialTransaction::setValue()";

// The end of the last pattern of a run that found one, or -1.
int32_t lastEnd(const std::vector<int32_t>& ends)
{
    for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
        if (g2responseMatcher::isReal(*it))
            return *it;
    }
    return -1;
}

} // namespace

g2serialTransaction::g2serialTransaction(const gcommandRequest& request, gdevice* device)
    : g2driverCommandBuilder(request, device)
{
    g2driverCommand* command = getCommand();
    template_ = command ? command->getTemplate() : nullptr;
    if (template_)
        gnamedValue::copyAll(template_->defaultValues(), values_);
    int32_t size = command ? command->getBufferSize() : 0;
    if (size == 0 && template_)
        size = template_->getBufferSize();
    if (size <= 0)
        return;
    windowSize_ = std::min(size, maxWindowSize);
    window_.assign(static_cast<size_t>(windowSize_), '\0');
    const g2driverResponseList* responses = template_ ? &template_->responses() : nullptr;
    const g2driverResponseList* errors = template_ ? &template_->errors() : nullptr;
    response_.matcher = std::make_unique<g2responseMatcher>(responses);
    response_.spare = std::make_unique<g2responseMatcher>(responses);
    error_.matcher = std::make_unique<g2responseMatcher>(errors);
    error_.spare = std::make_unique<g2responseMatcher>(errors);
    current_ = response_.matcher.get();
}

g2serialTransaction::~g2serialTransaction() { values_.deleteAll(); }

gmilliseconds g2serialTransaction::getTimeout() const
{
    g2driverCommand* command = getCommand();
    if (command && command->getTimeout().isSet())
        return command->getTimeout();
    return template_ ? template_->getTime() : gmilliseconds::notSet;
}

int32_t g2serialTransaction::responseCount() const noexcept
{
    return template_ ? template_->responses().count() : 0;
}

int g2serialTransaction::receiveByte(char byte)
{
    if (windowSize_ == 0)
        return gexchangeResult::timedOut;
    if (used_ < windowSize_) {
        window_[static_cast<size_t>(used_++)] = byte;
    } else {
        std::move(window_.begin() + 1, window_.end(), window_.begin());
        window_.back() = byte;
        response_.matcher->shift();
        error_.matcher->shift();
    }
    if (matchAll(error_) == 1)
        return gexchangeResult::error;
    if (matchAll(response_) == 1)
        return gexchangeResult::valid;
    return gexchangeResult::timedOut;
}

int g2serialTransaction::finish()
{
    int result = responseCount() > 0 ? gexchangeResult::timedOut : gexchangeResult::sent;
    if (windowSize_ == 0)
        return result;
    g2responseMatcher& response = *response_.matcher;
    int32_t r = response.lastPosition(response.count());
    int32_t e = error_.matcher->lastPosition(error_.matcher->count());
    if (e != g2responseMatcher::skipped && (r == g2responseMatcher::skipped || r < e)) {
        current_ = error_.matcher.get();
        return result;
    }
    current_ = &response;
    if (r != g2responseMatcher::skipped || response.count() == 0)
        return result;
    response.setPosition(0, 0);
    bool marked = false;
    for (int32_t k = 1; k < response.count(); ++k)
        marked = marked || response.position(k) != g2responseMatcher::skipped;
    if (!marked)
        response.setPosition(1, g2responseMatcher::notFound);
    return result;
}

g2serialTransaction::patternRun g2serialTransaction::formRun(const g2responseMatcher& m, int32_t first) const
{
    patternRun run;
    int32_t i = first;
    for (; i < m.count(); ++i) {
        const g2driverResponseElement& e = m.element(i);
        const gregexp* pattern = e.getLocatingPattern();
        if (!pattern)
            break;
        bool holds = !e.hasCondition() || e.conditionHolds(m.values());
        run.patterns.push_back(holds && pattern->isSet() ? pattern : nullptr);
    }
    run.end = i;
    return run;
}

// Matches the run's patterns one after the other from the offset. On a
// match every pattern's end is known; otherwise the longest leading part of
// the run that matches gives the ends found, and missing is the run index of
// the first pattern that found none.
int g2serialTransaction::matchRun(const patternRun& run, int32_t from, bool anchored, std::vector<int32_t>& ends,
                                  int32_t& missing)
{
    std::vector<const gregexp*> present;
    std::vector<int32_t> index;
    for (size_t k = 0; k < run.patterns.size(); ++k) {
        if (run.patterns[k]) {
            present.push_back(run.patterns[k]);
            index.push_back(static_cast<int32_t>(k));
        }
    }
    ends.assign(run.patterns.size(), g2responseMatcher::skipped);
    const int n = static_cast<int>(present.size());
    const char* text = window_.data() + from;
    const int32_t length = used_ - from;
    if (n == 0)
        return 1;
    gregexpMatch match;
    auto record = [&](int j) {
        for (int k = 0; k < j; ++k)
            ends[static_cast<size_t>(index[static_cast<size_t>(k)])] =
                static_cast<int32_t>(match.end(k) - window_.data());
    };
    if (match.matchSequence(present.data(), n, text, length, anchored, 0)) {
        record(n);
        return 1;
    }
    for (int j = 1; j < n; ++j) {
        if (!match.matchSequence(present.data(), j, text, length, anchored, 0)) {
            missing = index[static_cast<size_t>(j - 1)];
            return 0;
        }
        record(j);
    }
    missing = index[static_cast<size_t>(n - 1)];
    return 0;
}

bool g2serialTransaction::stepRun(g2responseMatcher& m, int32_t i, bool& progress)
{
    patternRun run = formRun(m, i);
    std::vector<int32_t> ends;
    int32_t missing = -1;
    int matched = matchRun(run, m.getCursor(), true, ends, missing);
    for (size_t k = 0; k < run.patterns.size(); ++k) {
        int32_t slotIndex = i + static_cast<int32_t>(k) + 1;
        if (!run.patterns[k]) {
            m.setPosition(slotIndex, g2responseMatcher::skipped);
            continue;
        }
        if (!g2responseMatcher::isReal(ends[k])) {
            m.setPosition(slotIndex, g2responseMatcher::notFound);
            break;
        }
        m.setPosition(slotIndex, ends[k]);
        progress = true;
    }
    if (!matched)
        return false;
    m.setNext(run.end);
    if (int32_t end = lastEnd(ends); end >= 0)
        m.setCursor(end);
    return true;
}

bool g2serialTransaction::stepDecode(g2responseMatcher& m, int32_t i, bool& progress)
{
    const char* start = window_.data() + m.getCursor();
    const char* cursor = start;
    int answer = g2driverResponseElement::badData;
    try {
        answer = m.element(i).decode(*this, cursor, used_ - m.getCursor());
    } catch (const gfault& fault) {
        // Two value elements that decode one name: the second is a bad
        // response element rather than the end of the exchange.
        if (std::string_view(fault.what()) != duplicateValue)
            throw;
    }
    if (answer == g2driverResponseElement::decoded && (cursor < start || cursor > window_.data() + used_))
        answer = g2driverResponseElement::badData;
    if (answer != g2driverResponseElement::decoded) {
        m.setPosition(i + 1, answer == g2driverResponseElement::badData ? g2responseMatcher::badElement
                                                                        : g2responseMatcher::notFound);
        return false;
    }
    m.setCursor(static_cast<int32_t>(cursor - window_.data()));
    m.setPosition(i + 1, m.getCursor());
    m.setNext(i + 1);
    progress = true;
    return true;
}

int g2serialTransaction::step(g2responseMatcher& m)
{
    bool progress = false;
    for (int32_t i = m.getNext(); i < m.count(); i = m.getNext()) {
        setCurrentElement(i);
        const g2driverResponseElement& e = m.element(i);
        if (e.hasCondition() && !e.conditionHolds(m.values())) {
            m.setPosition(i + 1, g2responseMatcher::skipped);
            m.setNext(i + 1);
            progress = true;
            continue;
        }
        bool going = e.getLocatingPattern() ? stepRun(m, i, progress) : stepDecode(m, i, progress);
        if (!going)
            return progress ? 1 : 0;
    }
    return 2;
}

// A quick test over the whole window: every run of patterns must be found
// somewhere, in order, or no candidate can complete.
bool g2serialTransaction::precheck(g2responseMatcher& m)
{
    int32_t from = 0;
    for (int32_t i = 0; i < m.count();) {
        if (!m.element(i).getLocatingPattern()) {
            ++i;
            continue;
        }
        patternRun run = formRun(m, i);
        std::vector<int32_t> ends;
        int32_t missing = -1;
        if (!matchRun(run, from, false, ends, missing)) {
            int32_t k = i + missing + 1;
            if (!g2responseMatcher::isReal(m.position(k)))
                m.setPosition(k, g2responseMatcher::notFound);
            return false;
        }
        if (int32_t end = lastEnd(ends); end >= 0)
            from = end;
        i = run.end;
    }
    return true;
}

int g2serialTransaction::matchAll(slot& s)
{
    current_ = s.matcher.get();
    if (s.matcher->count() == 0 || !precheck(*s.matcher))
        return 0;
    int32_t start = -1;
    if (s.matcher->hasCandidate()) {
        start = s.matcher->position(0);
        if (step(*s.matcher) == 2)
            return 1;
    }
    for (int32_t p = 0; p < used_; ++p) {
        if (p == start)
            continue;
        g2responseMatcher& b = *s.spare;
        b.reset(p);
        current_ = &b;
        int answer = step(b);
        const g2responseMatcher& m = *s.matcher;
        bool keep = answer == 0
                    || (answer == 1 && m.hasCandidate()
                        && (b.getNext() < m.getNext() || (b.getNext() == m.getNext() && m.position(0) < p)));
        if (!keep) {
            b.setPosition(0, p);
            std::swap(s.matcher, s.spare);
        }
        current_ = s.matcher.get();
        if (answer == 2)
            return 1;
    }
    return 0;
}

void g2serialTransaction::setMatcherValue(gnamedValue* value)
{
    std::unique_ptr<gnamedValue> owned(value);
    if (!current_)
        return;
    if (current_->values().find(value->getName()))
        throw gfault(duplicateValue);
    if (current_->values().insert(owned.get()))
        owned.release();
}

void g2serialTransaction::setValue(const gstrSlice& name, uint32_t number)
{
    setMatcherValue(new gnamedValue(name, number));
}

void g2serialTransaction::setValue(const gstrSlice& name, const gstrSlice& text)
{
    setMatcherValue(new gnamedValue(name, text));
}

void g2serialTransaction::putValue(const gstrSlice& name, uint32_t number)
{
    if (auto* value = static_cast<gnamedValue*>(values_.find(name)))
        value->set(number);
    else
        values_.insert(new gnamedValue(name, number));
}

void g2serialTransaction::putValue(const gstrSlice& name, const gstrSlice& text)
{
    if (auto* value = static_cast<gnamedValue*>(values_.find(name)))
        value->set(text);
    else
        values_.insert(new gnamedValue(name, text));
}

void g2serialTransaction::describeValues(gstr& text) const
{
    std::vector<const gnamedValue*> sorted;
    jhashTypedIterator<gnamedValue> it(values_);
    gnamedValue* value = nullptr;
    while (it.get(value))
        sorted.push_back(value);
    if (sorted.empty())
        return;
    std::sort(sorted.begin(), sorted.end(),
              [](const gnamedValue* a, const gnamedValue* b) { return a->getName().compare(b->getName()) < 0; });
    text.append(" (");
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0)
            text.append(", ");
        text.append(sorted[i]->getName());
        text.append(" = ");
        sorted[i]->appendValueText(text);
    }
    text.append(')');
}
