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
