#include "g2driver/model/g2driverCommandBuilder.h"

#include "g2driver/model/g2driverCommand.h"
#include "ports/gcommandRequest.h"

g2driverCommandBuilder::g2driverCommandBuilder(const gcommandRequest& request, gdevice* device)
    : request_(&request), device_(request.getDevice() ? request.getDevice() : device)
{
    if (g2driverCommand* command = request.getCommand())
        driver_ = command->getDriver();
}

g2driverCommandBuilder::~g2driverCommandBuilder() = default;

g2driverCommand* g2driverCommandBuilder::getCommand() const noexcept { return request_->getCommand(); }

void g2driverCommandBuilder::buildCommand(g2driverCommandOutput& output) { output.clear(); }
