#pragma once

// The result of one command exchange on a test line.
namespace gexchangeResult {
constexpr int nothingSent = 2; // a sequence run that has sent nothing yet
constexpr int sent = 3;        // sent; no response expected, or none described
constexpr int timedOut = 4;    // no complete valid or error response in time
constexpr int valid = 6;       // a valid response was recognised
constexpr int error = 7;       // an error response was recognised
} // namespace gexchangeResult
