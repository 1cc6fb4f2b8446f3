#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/jhashTable.h"
#include "g2driver/model/g2driverCommandBuilder.h"
#include "ports/g2responseMatcher.h"

#include <cstdint>
#include <memory>
#include <vector>

class g2driverCommandTemplate;
class g2driverResponseList;
class gnamedValue;
class gregexp;

// One exchange of a G2 command on a test line: the command is built from the
// request, and every byte received goes into a window of the command's
// buffer size, over which two matchers locate the template's error response
// and valid response. The transaction collects the named values its
// elements decode and answers with the exchange results (gexchangeResult).
class g2serialTransaction : public g2driverCommandBuilder {
public:
    // The largest window: the buffer size sizes memory and the matching work
    // after every byte.
    static constexpr int32_t maxWindowSize = 4096;

    // The device is the one a driver-sequence request (which names none) is
    // sent to; null otherwise.
    g2serialTransaction(const gcommandRequest& request, gdevice* device);
    ~g2serialTransaction() override;

    // The command's BUFFER_SIZE, else its template's, within the bound; 0
    // when no response is expected.
    int32_t getWindowSize() const noexcept { return windowSize_; }
    const char* windowStart() const noexcept { return window_.data(); }
    int32_t windowUsed() const noexcept { return used_; }
    // The command's TIMEOUT when set, else its template's DELAY.
    gmilliseconds getTimeout() const;
    // The command's bytes as built for sending, kept with the exchange so
    // that the port test can show what was sent beside the reply.
    g2driverCommandOutput& getOutput() noexcept { return output_; }

    // One byte received: error (7), valid (6) or timedOut (4) while
    // neither response is complete.
    int receiveByte(char byte);
    // At the deadline: the matcher that got further becomes current; sent
    // (3) when the template describes no valid response, else timedOut (4).
    int finish();

    // Called by value elements: a value of the current candidate; a name
    // already there is an internal fault.
    void setValue(const gstrSlice& name, uint32_t number);
    void setValue(const gstrSlice& name, const gstrSlice& text);
    // Called by error-code elements: the transaction's own value of that
    // name, added or replaced.
    void putValue(const gstrSlice& name, uint32_t number);
    void putValue(const gstrSlice& name, const gstrSlice& text);
    // " (name = value, ...)" sorted by name; empty without values.
    void describeValues(gstr& text) const;

    const jhashNamedObjectTable& values() const noexcept { return values_; }
    const g2responseMatcher* responseMatcher() const noexcept { return response_.matcher.get(); }
    const g2responseMatcher* errorMatcher() const noexcept { return error_.matcher.get(); }
    // The matcher shown to the user and read by element conditions.
    const g2responseMatcher* currentMatcher() const noexcept { return current_; }

private:
    // A list's matcher and the spare that tries other start positions.
    struct slot {
        std::unique_ptr<g2responseMatcher> matcher;
        std::unique_ptr<g2responseMatcher> spare;
    };
    // The patterns of a run of pattern elements: null where a condition
    // does not hold.
    struct patternRun {
        int32_t end = 0;
        std::vector<const gregexp*> patterns;
    };

    patternRun formRun(const g2responseMatcher& m, int32_t first) const;
    int matchRun(const patternRun& run, int32_t from, bool anchored, std::vector<int32_t>& ends, int32_t& missing);
    int step(g2responseMatcher& m);
    bool stepRun(g2responseMatcher& m, int32_t i, bool& progress);
    bool stepDecode(g2responseMatcher& m, int32_t i, bool& progress);
    bool precheck(g2responseMatcher& m);
    int matchAll(slot& s);
    int32_t responseCount() const noexcept;
    void setMatcherValue(gnamedValue* value);
    void putOwnValue(gnamedValue* value);

    g2driverCommandOutput output_;
    const g2driverCommandTemplate* template_ = nullptr;
    int32_t windowSize_ = 0;
    std::vector<char> window_;
    int32_t used_ = 0;
    slot response_;
    slot error_;
    g2responseMatcher* current_ = nullptr;
    jhashNamedObjectTable values_;
};
