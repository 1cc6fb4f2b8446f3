#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <functional>
#include <string>
#include <vector>

class CObjectFile;

// What a writer puts into a station file, its CR LF line ends read back as
// "\n".
std::string writtenText(const std::function<void(CObjectFile&)>& write);

// Each keyword line of the text as the station-file reader delivers it,
// handed to receive; the answers in line order. A line whose first word is no
// keyword answers -1; empty and comment lines are skipped.
std::vector<gloadStatus> feedLines(const std::string& text,
                                   const std::function<gloadStatus(int token, gstr& value)>& receive);

// As feedLines, but like the station-file reader it stops at the first answer
// other than accepted: a refusal, or the record's own END. When lines are
// left unread after it, the answers end with refusedEarly, so that a check of
// the last answer cannot pass over a line refused before the last.
constexpr gloadStatus refusedEarly = -2;
std::vector<gloadStatus> feedUntilRefused(const std::string& text,
                                          const std::function<gloadStatus(int token, gstr& value)>& receive);
