#include "platform/fileDialog.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>
#include <cstdio>

namespace {

std::vector<std::string> splitFields(const std::string& filter)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar = filter.find('|'); bar != std::string::npos; bar = filter.find('|', start)) {
        fields.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    if (start < filter.size())
        fields.push_back(filter.substr(start));
    return fields;
}

std::string qtPatterns(const std::string& patterns)
{
    std::string out;
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t semicolon = patterns.find(';', start);
        size_t length = semicolon == std::string::npos ? std::string::npos : semicolon - start;
        std::string one = patterns.substr(start, length);
        if (!one.empty()) {
            if (!out.empty())
                out += ' ';
            out += one == "*.*" ? "*" : one;
        }
        if (semicolon == std::string::npos)
            break;
        start = semicolon + 1;
    }
    return out;
}

QString fromBytes(const std::string& text)
{
    return toUiText(gstrSlice(text.data(), static_cast<int32_t>(text.size())));
}

QString fromPathBytes(const std::string& path)
{
    return toUiPath(gstrSlice(path.data(), static_cast<int32_t>(path.size())));
}

std::optional<gstr> showDialog(const fileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow());
    bool saving = request.mode == fileDialogMode::save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mode == fileDialogMode::openExisting ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
    QStringList filters;
    for (const std::string& f : fileDialogFilters(request.filter))
        filters.append(fromBytes(f));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(fromBytes(request.defaultExtension));
    if (!request.folder.empty())
        dialog.setDirectory(fromPathBytes(request.folder));
    if (!request.fileName.empty())
        dialog.selectFile(fromPathBytes(request.fileName));
    if (!request.title.empty())
        dialog.setWindowTitle(fromBytes(request.title));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fromUiPath(dialog.selectedFiles().first());
}

} // namespace

std::vector<std::string> fileDialogFilters(const std::string& filter)
{
    std::vector<std::string> fields = splitFields(filter);
    std::vector<std::string> out;
    for (size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i].empty())
            break;
        out.push_back(fields[i] + " (" + qtPatterns(fields[i + 1]) + ")");
    }
    return out;
}

std::optional<gstr> runFileDialog(const fileDialogRequest& request)
{
    if (modalResponder* responder = installedModalResponder())
        return responder->answerFileDialog(request);
    if (modalRunsUnattended()) {
        std::fprintf(stderr, "file dialog not run: no display\n");
        return std::nullopt;
    }
    return showDialog(request);
}
