#include "shell/valueNamesDialog.h"

namespace {

valueNamesRunner& installed()
{
    static valueNamesRunner runner;
    return runner;
}

} // namespace

void installValueNamesDialog(valueNamesRunner runner) { installed() = std::move(runner); }

bool editValueNames(std::map<uint32_t, gstr>& names, QWidget* parent)
{
    return installed() && installed()(names, parent);
}
