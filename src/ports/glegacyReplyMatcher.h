#pragma once

#include <cstdint>

class gregexp;
class glegacyResponse;
class jbuffer;

// How a legacy response is recognised in the bytes received: the prefix,
// pattern and suffix one after the other anywhere in the buffer (a valid
// response, tested first), else the error pattern alone. A mask's own
// prefix, suffix and error pattern win over its driver's.
class glegacyReplyMatcher {
public:
    glegacyReplyMatcher(const gregexp* prefix, const gregexp* pattern, const gregexp* suffix,
                        const gregexp* errorPattern) noexcept;
    // The patterns of the response's mask and driver.
    explicit glegacyReplyMatcher(const glegacyResponse& response) noexcept;

    // After a byte was appended: valid (6) with the buffer replaced by the
    // bytes the pattern matched, error (7) with the buffer replaced by the
    // error pattern's match, or 0 to go on reading.
    int match(jbuffer& buffer) const;

private:
    const gregexp* prefix_;
    const gregexp* pattern_;
    const gregexp* suffix_;
    const gregexp* errorPattern_;
};
