#include "g2driver/editor/driverEditorDialogs.h"

namespace {

template <class Runner>
Runner& installed()
{
    static Runner runner;
    return runner;
}

} // namespace

void installParameterDialog(parameterDialogRunner runner) { installed<parameterDialogRunner>() = std::move(runner); }

g2driverParameter* runParameterDialog(const parameterDialogRequest& request)
{
    auto& runner = installed<parameterDialogRunner>();
    return runner ? runner(request) : nullptr;
}

void installCommandElementDialogs(commandElementDialogRunner runner)
{
    installed<commandElementDialogRunner>() = std::move(runner);
}

g2driverCommandElement* runCommandElementDialog(CCommandDialogBase& owner, int typeId,
                                                g2driverCommandElement* source, g2driverCommandElement* target)
{
    auto& runner = installed<commandElementDialogRunner>();
    return runner ? runner(owner, typeId, source, target) : nullptr;
}

void installResponseElementTypeDialog(responseElementTypeRunner runner)
{
    installed<responseElementTypeRunner>() = std::move(runner);
}

int runResponseElementTypeDialog(CResponseElementsPage& page)
{
    auto& runner = installed<responseElementTypeRunner>();
    return runner ? runner(page) : -1;
}

void installResponseElementDialogs(responseElementDialogRunner runner)
{
    installed<responseElementDialogRunner>() = std::move(runner);
}

g2driverResponseElement* runResponseElementDialog(CResponseElementsPage& page, int typeId,
                                                  g2driverResponseElement* source, g2driverResponseElement* target)
{
    auto& runner = installed<responseElementDialogRunner>();
    return runner ? runner(page, typeId, source, target) : nullptr;
}

void installDataObjectDialog(dataObjectDialogRunner runner) { installed<dataObjectDialogRunner>() = std::move(runner); }

g2driverDataObject* runDataObjectDialog(CEditG2DeviceDriverDialog& owner, g2driverDataObject* source,
                                        g2driverDataObject* target)
{
    auto& runner = installed<dataObjectDialogRunner>();
    return runner ? runner(owner, source, target) : nullptr;
}
