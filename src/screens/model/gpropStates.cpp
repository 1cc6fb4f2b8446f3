#include "screens/model/gpropStates.h"

namespace {

void takeEnable(gtriStateBool& to, const gtriStateBool& from, int mode)
{
    if (mode == gmergeMode::everything && from.hasValue())
        to = from;
}

} // namespace

void gstateAppearance::setStateDefault(int kind)
{
    enable.setByObjectType(kind, 1);
    values.setStateDefault(kind);
}

void gstateAppearance::clear()
{
    enable.reset();
    values.clear();
}

void gstateAppearance::merge(const gstateAppearance& other, int mode)
{
    takeEnable(enable, other.enable, mode);
    values.merge(other.values, mode);
}

void gstateText::setStateDefault(int kind)
{
    enable.setByObjectType(kind, 0);
    textValues.setStateDefault(kind);
    text.setEmpty();
}

void gstateText::clear()
{
    enable.reset();
    textValues.clear();
    text.reset();
}

void gstateText::merge(const gstateText& other, int mode, bool textAllowed)
{
    takeEnable(enable, other.enable, mode);
    textValues.merge(other.textValues, mode);
    if (textAllowed && mode != gmergeMode::shapeOnly && other.text.hasValue())
        text.set(other.text.getValue());
}

void gstateFill::setStateDefault(int kind)
{
    enable.setByObjectType(kind, 0);
    line.setStateDefault(kind);
    if (kind <= 7) {
        fill.setStateDefault(kind);
        return;
    }
    useImage.set(0);
    image.setDefault();
}

void gstateFill::clear()
{
    enable.reset();
    line.clear();
    fill.clear();
    useImage.reset();
    image.clear();
}

void gstateFill::merge(const gstateFill& other, int mode)
{
    takeEnable(enable, other.enable, mode);
    line.merge(other.line, mode);
    fill.merge(other.fill, mode);
    if (other.useImage.hasValue())
        useImage = other.useImage;
    image.merge(other.image, mode);
}

void gpropMarkerValues::setStateDefault(int kind)
{
    enable.setByObjectType(kind, 1);
    image.setDefault();
    for (int i = 0; i < 3; ++i) {
        useLine[i].set(0);
        lines[i].setStateDefault(kind);
    }
    labelValues.setStateDefault(kind);
    labelText.clear();
}

void gpropMarkerValues::clear()
{
    enable.reset();
    image.clear();
    for (int i = 0; i < 3; ++i) {
        useLine[i].reset();
        lines[i].clear();
    }
    labelValues.clear();
    labelText.reset();
}

void gpropMarkerValues::merge(const gpropMarkerValues& other, int mode)
{
    takeEnable(enable, other.enable, mode);
    image.merge(other.image, mode);
    for (int i = 0; i < 3; ++i) {
        if (other.useLine[i].hasValue())
            useLine[i] = other.useLine[i];
        lines[i].merge(other.lines[i], mode);
    }
    labelValues.merge(other.labelValues, mode);
    if (mode != gmergeMode::shapeOnly && other.labelText.hasValue())
        labelText.set(other.labelText.getValue());
}

void gpropValueText::setDefault()
{
    for (int i = 0; i < 5; ++i)
        states[i].setStateDefault(i);
    prefix.setEmpty();
    suffix.setEmpty();
}

void gpropValueText::clear()
{
    for (gstateText& state : states)
        state.clear();
    prefix.reset();
    suffix.reset();
}

void gpropValueText::merge(const gpropValueText& other)
{
    if (other.prefix.hasValue())
        prefix.set(other.prefix.getValue());
    if (other.suffix.hasValue())
        suffix.set(other.suffix.getValue());
    for (int i = 0; i < 5; ++i)
        states[i].merge(other.states[i], i <= 1 ? gmergeMode::noColours : gmergeMode::shapeOnly, true);
}

bool gpropValueText::hasEnabledValueState() const
{
    return states[2].enable.isTrue() || states[3].enable.isTrue() || states[4].enable.isTrue();
}
