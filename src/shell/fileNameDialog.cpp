#include "shell/fileNameDialog.h"

#include "platform/fileDialog.h"
#include "resources/stringTable.h"
#include "store/gobjectType.h"

#include <string>

namespace {

struct kindSpec {
    int openFilterId;
    int saveFilterId;
    const char* extension;
};

constexpr kindSpec kinds[] = {
    {10204, 10241, "korvel-station"}, {10205, 10242, "korvel-drivers"}, {10206, 10243, "korvel-station"},
    {10207, 10244, "korvel-drivers"}, {10208, 10245, "korvel-images"},
};

fileDialogMode dialogMode(int mode)
{
    switch (mode) {
    case fileMode::openExisting: return fileDialogMode::openExisting;
    case fileMode::openAny: return fileDialogMode::openAny;
    default: return fileDialogMode::save;
    }
}

// The folder is the text before the last separator ("/" when that is the
// first character); the name the rest without its last extension.
void splitStart(const gstr& path, std::string& folder, std::string& name)
{
    std::string p(path.view());
    size_t slash = p.rfind('/');
    if (slash != std::string::npos) {
        folder = slash == 0 ? "/" : p.substr(0, slash);
        p.erase(0, slash + 1);
    }
    size_t dot = p.rfind('.');
    name = dot == std::string::npos ? p : p.substr(0, dot);
}

std::string textOf(int id)
{
    const char* text = stringTableText(id);
    return text ? text : "";
}

} // namespace

bool fileNameDialog(gfileName& file, int mode, int kind, int titleId)
{
    const kindSpec& spec = kinds[kind];
    fileDialogRequest request;
    request.mode = dialogMode(mode);
    request.filter = textOf(mode == fileMode::save ? spec.saveFilterId : spec.openFilterId);
    request.defaultExtension = spec.extension;
    if (!file.path().isEmpty())
        splitStart(file.path(), request.folder, request.fileName);
    if (titleId != 0)
        request.title = textOf(titleId);
    std::optional<gstr> chosen = runFileDialog(request);
    if (!chosen)
        return false;
    std::string_view full = chosen->view();
    size_t slash = full.rfind('/');
    std::string_view name = slash == std::string_view::npos ? full : full.substr(slash + 1);
    file.name.assign(name.data(), static_cast<int32_t>(name.size()));
    file.fullPath = *chosen;
    return true;
}

int stationSaveKind(bool libraryMode)
{
    if (libraryMode)
        return fileKind::libraryOrStation;
    return holdsOnlyDriverObjects() ? fileKind::stationOrLibrary : fileKind::station;
}
