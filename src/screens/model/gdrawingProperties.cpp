#include "screens/model/gdrawingProperties.h"

void gdrawingProperties::reset()
{
    userLevel.set(1);
    staticSet.setDefault();
    rect3d.setDefault();
    bistate.setDefault();
    multistate.setDefault();
    analog.setDefault();
    dial.setDefault();
    graph.setDefault();
    digital.setDefault();
    string.setDefault();
    marker.setDefault();
    control.setDefault();
    label.setDefault();
}

void gdrawingProperties::clearAll()
{
    userLevel.reset();
    staticSet.clear();
    rect3d.clear();
    bistate.clear();
    multistate.clear();
    analog.clear();
    dial.clear();
    graph.clear();
    digital.clear();
    string.clear();
    marker.clear();
    control.clear();
    label.clear();
}

bool gdrawingProperties::isComplete(int tool) const
{
    switch (tool) {
    case 4: return bistate.isComplete();
    case 5: return multistate.isComplete();
    case 6: return digital.isComplete();
    case 7: return analog.isComplete();
    case 8: return string.isComplete();
    case 9: return dial.isComplete();
    case 10: return graph.isComplete();
    case 11: return marker.isComplete();
    case 12: return control.isComplete();
    case 13: return label.isComplete();
    default: return true;
    }
}

void gdrawingProperties::mergeFrom(const gdrawingProperties& other)
{
    staticSet.merge(other.staticSet);
    rect3d.merge(other.rect3d);
    bistate.merge(other.bistate);
    multistate.merge(other.multistate);
    analog.merge(other.analog);
    dial.merge(other.dial);
    graph.merge(other.graph);
    digital.merge(other.digital);
    string.merge(other.string);
    marker.merge(other.marker);
    control.merge(other.control);
    label.merge(other.label);
}

void gdrawingProperties::detachReferences()
{
    bistate.detachRegister();
    multistate.detachRegister();
    analog.detachRegister();
    dial.detachRegister();
    graph.detachRegister();
    digital.detachRegister();
    string.detachRegister();
    marker.detachRegisters();
    control.detachTargets();
    label.detachRegister();
}

void gdrawingProperties::reattachReferences()
{
    bistate.reattachRegister();
    multistate.reattachRegister();
    analog.reattachRegister();
    dial.reattachRegister();
    graph.reattachRegister();
    digital.reattachRegister();
    string.reattachRegister();
    marker.reattachRegisters();
    control.reattachTargets();
    label.reattachRegister();
}

void gdrawingProperties::resolveImages()
{
    staticSet.resolveImages();
    bistate.resolveImages();
    multistate.resolveImages();
    dial.resolveImages();
    graph.resolveImages();
    marker.resolveImages();
}

void gdrawingProperties::forgetRegister(const gregister* deleted)
{
    bistate.forgetRegister(deleted);
    multistate.forgetRegister(deleted);
    analog.forgetRegister(deleted);
    dial.forgetRegister(deleted);
    graph.forgetRegister(deleted);
    digital.forgetRegister(deleted);
    marker.forgetRegister(deleted);
    string.forgetRegister(deleted);
    label.forgetRegister(deleted);
}

gdrawingProperties& drawingDefaults()
{
    static gdrawingProperties defaults;
    return defaults;
}

int32_t defaultUserLevel()
{
    int32_t level = 1;
    drawingDefaults().userLevel.getOr(level, 1);
    return level;
}
