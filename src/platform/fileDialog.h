#pragma once

#include "foundation/gstr.h"

#include <optional>
#include <string>
#include <vector>

// The program's one open/save file dialog. Like the message box it goes
// through the installed modal responder when there is one, so that tests
// choose the file without a window.
enum class fileDialogMode {
    openExisting, // the file must exist
    openAny,      // any name; a missing file is left to the caller to report
    save,         // asks before an existing file is replaced
};

struct fileDialogRequest {
    fileDialogMode mode = fileDialogMode::openExisting;
    // Pairs of description and patterns, every field ended by '|' and the
    // whole by one more: "Station Files|*.korvel-station;*.stn|All Files|*.*||".
    std::string filter;
    // Added to a typed name that has no extension; without the dot.
    std::string defaultExtension;
    // Bytes of the file-name encoding; empty: none given.
    std::string folder;
    std::string fileName;
    // Empty: the dialog's own title.
    std::string title;
};

// The full path of the chosen file; nothing when the user cancelled.
std::optional<gstr> runFileDialog(const fileDialogRequest& request);

// The filter as the file dialog shows it: "Station Files (*.korvel-station
// *.stn)"; the pattern "*.*", which on the original platform also matched
// names without a dot, becomes "*".
std::vector<std::string> fileDialogFilters(const std::string& filter);
