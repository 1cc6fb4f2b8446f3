#include "g2driver/model/g2driverCommandBuilder.h"

#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandData.h"
#include "g2driver/model/g2driverCommandElement.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverParameter.h"
#include "ports/gcommandRequest.h"
#include "ports/gdevice.h"

g2driverCommandBuilder::g2driverCommandBuilder(const gcommandRequest& request, gdevice* defaultDevice)
    : request_(&request), device_(request.getDevice() ? request.getDevice() : defaultDevice)
{
    if (g2driverCommand* command = request.getCommand())
        driver_ = command->getDriver();
}

g2driverCommandBuilder::~g2driverCommandBuilder() = default;

g2driverCommand* g2driverCommandBuilder::getCommand() const noexcept { return request_->getCommand(); }

const g2driverParameterValue* g2driverCommandBuilder::findParameter(const g2driverParameter& parameter) const
{
    const gstr& tag = parameter.getName();
    switch (parameter.getScope()) {
    case g2parameterScope::driver: return device_ ? device_->parameterValues().find(tag) : nullptr;
    case g2parameterScope::templateOf: {
        g2driverCommand* command = getCommand();
        return command ? command->templateValues().find(tag) : nullptr;
    }
    case g2parameterScope::command: return request_->values().find(tag);
    default: return nullptr;
    }
}

void g2driverCommandBuilder::build(const garray<g2driverCommandElement>& elements, g2driverCommandOutput& output)
{
    outputs_.clear();
    const int32_t n = elements.size();
    for (int32_t i = 0; i < n; ++i) {
        element_ = i;
        outputs_.push_back(std::make_unique<g2driverCommandOutput>());
        if (g2driverCommandElement* e = elements[i])
            e->encode(*this, 1, *outputs_.back());
    }
    for (int32_t i = 0; i < n; ++i) {
        element_ = i;
        if (g2driverCommandElement* e = elements[i])
            e->encode(*this, 2, *outputs_[static_cast<size_t>(i)]);
    }
    for (const auto& o : outputs_)
        output.append(*o);
}

void g2driverCommandBuilder::buildCommand(g2driverCommandOutput& output)
{
    outputs_.clear();
    output.clear();
    g2driverCommand* command = getCommand();
    g2driverCommandTemplate* shape = command ? command->getTemplate() : nullptr;
    if (shape)
        build(shape->elements(), output);
}

void g2driverCommandBuilder::buildData(const gstrSlice& tag, g2driverCommandOutput& output)
{
    output.clear();
    g2driverCommand* command = getCommand();
    const g2driverCommandData* data = command ? command->data().find(tag) : nullptr;
    if (!data)
        return;
    g2driverCommandBuilder content(*request_, device_);
    content.build(data->elements(), output);
}
