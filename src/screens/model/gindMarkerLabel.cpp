#include "screens/model/gindMarkerLabel.h"

#include "screens/model/gbezier.h"
#include "screens/model/gbitmap.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpropStates.h"
#include "screens/model/gscreenBatchChange.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

void traceNodes(const gmarkerPlacement& place, grect& a, grect& b)
{
    const gpoint* p = place.trace;
    a = grect{p[0].x, p[0].y, p[1].x, p[1].y};
    b = grect{p[3].x, p[3].y, p[2].x, p[2].y};
}

grect traceBox(const gmarkerPlacement& place)
{
    grect box;
    for (const gpoint& p : place.trace)
        box.uniteWith(grect{p.x, p.y, p.x, p.y});
    return box;
}

grect xLeaderRect(const gmarkerPlacement& place) { return grect{place.x, place.plot.top, place.x, place.plot.bottom}; }

grect yLeaderRect(const gmarkerPlacement& place) { return grect{place.plot.left, place.y, place.plot.right, place.y}; }

} // namespace

void gindMarkerLabel::writeHeader(CObjectFile&, int) const {}

void gindMarkerLabel::writeFields(CObjectFile& file, int indent) const
{
    if (image_.hasName()) {
        writeKeyOf(file, indent, kw::IMAGE);
        image_.name().write(file, 1);
    }
    writeAppearance(file, indent, kw::X_LEADER, xLeader_);
    writeAppearance(file, indent, kw::Y_LEADER, yLeader_);
    writeAppearance(file, indent, kw::LINE, trace_);
    if (!hasLabelText())
        return;
    writeAppearance(file, indent, kw::STYLE, labelStyle_);
    writeKeyOf(file, indent, kw::TEXT);
    labelText_.write(file, 1);
}

gloadStatus gindMarkerLabel::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::IMAGE: {
        gloadStatus status = image_.load(value, true);
        if (status == gload::accepted)
            image_.find();
        return status;
    }
    case kw::X_LEADER: return loadAppearance(xLeader_, value);
    case kw::Y_LEADER: return loadAppearance(yLeader_, value);
    case kw::LINE: return loadAppearance(trace_, value);
    case kw::STYLE: return loadAppearance(labelStyle_, value);
    case kw::TEXT: {
        if (hasLabelText())
            return gload::alreadyLoaded;
        gstr text;
        if (!text.parseValue(value.data()) || text.isEmpty())
            return gload::invalidValue;
        labelText_.adopt(text);
        return gload::accepted;
    }
    default: return gstorable::loadField(token, value);
    }
}

bool gindMarkerLabel::isComplete() const { return image_.hasName() && hasLabelText() == labelStyle_.isSet(); }

void gindMarkerLabel::takeLabelText(const gpropMarkerValues& record)
{
    if (record.labelText.hasValue() && !record.labelText.getValue().isEmpty())
        labelText_.assign(record.labelText.getValue());
    else
        labelText_.clear();
}

void gindMarkerLabel::apply(const gpropMarkerValues& record)
{
    const gtriStateString& name = record.image.name;
    image_.setName(name.hasValue() ? static_cast<const gstrSlice&>(name.getValue()) : noImageName());
    image_.find();
    glineInfo* lines[3] = {&xLeader_, &yLeader_, &trace_};
    for (int i = 0; i < 3; ++i) {
        if (record.useLine[i].isTrue())
            lines[i]->apply(record.lines[i]);
        else
            lines[i]->reset();
    }
    takeLabelText(record);
    if (hasLabelText())
        labelStyle_.apply(record.labelValues);
    else
        labelStyle_ = gtextInfo();
}

void gindMarkerLabel::applyOne(const gpropMarkerValues& record, int id)
{
    glineInfo* lines[3] = {&xLeader_, &yLeader_, &trace_};
    if (id >= gprop::lineStyle && id <= gprop::lineColour) {
        if (trace_.isSet())
            trace_.applyOne(record.lines[2], id);
    } else if (id >= gprop::font && id <= gprop::textColour) {
        if (hasLabelText())
            labelStyle_.applyOne(record.labelValues, id);
    } else if (id == gprop::text) {
        takeLabelText(record);
        if (!hasLabelText())
            labelStyle_ = gtextInfo();
        else if (!labelStyle_.isSet())
            labelStyle_.apply(record.labelValues);
    } else if (id == gprop::image) {
        if (record.image.name.hasValue()) {
            image_.setName(record.image.name.getValue());
            image_.find();
        }
    } else if (id >= gprop::useFirstLine && id <= gprop::useThirdLine) {
        int i = id - gprop::useFirstLine;
        if (!record.useLine[i].isTrue())
            lines[i]->reset();
        else if (!lines[i]->isSet())
            lines[i]->apply(record.lines[i]);
    } else if (id >= gprop::firstLineStyle && id <= gprop::firstLineColour) {
        if (xLeader_.isSet())
            xLeader_.applyOne(record.lines[0], id);
    } else if (id >= gprop::secondLineStyle && id <= gprop::secondLineColour) {
        if (yLeader_.isSet())
            yLeader_.applyOne(record.lines[1], id);
    }
}

void gindMarkerLabel::mergeInto(gpropMarkerValues& record) const
{
    record.image.name.merge(image_.name());
    const glineInfo* lines[3] = {&xLeader_, &yLeader_, &trace_};
    for (int i = 0; i < 3; ++i) {
        record.useLine[i].merge(lines[i]->isSet() ? 1 : 0);
        if (lines[i]->isSet())
            lines[i]->mergeInto(record.lines[i]);
    }
    record.labelText.merge(labelText_);
    if (hasLabelText())
        labelStyle_.mergeInto(record.labelValues);
}

grect gindMarkerLabel::imageRect(int32_t x, int32_t y) const
{
    const gbitmap* image = image_.drawn();
    return image ? image->getBounds().offset(x, y) : grect{};
}

grect gindMarkerLabel::area(const gmarkerPlacement& place) const
{
    grect box = imageRect(place.x, place.y);
    if (trace_.isSet())
        box.uniteWith(traceBox(place).inset(-trace_.getWidth()));
    if (xLeader_.isSet())
        box.uniteWith(xLeaderRect(place).normalized().inset(-xLeader_.getWidth()));
    if (yLeader_.isSet())
        box.uniteWith(yLeaderRect(place).normalized().inset(-yLeader_.getWidth()));
    return box;
}

void gindMarkerLabel::draw(gdrawContext& dc, const gmarkerPlacement& place) const
{
    if (trace_.isSet()) {
        grect a, b;
        traceNodes(place, a, b);
        dc.bezier(a, b, trace_);
    }
    if (xLeader_.isSet())
        dc.line(place.x, place.plot.top, place.x, place.plot.bottom, xLeader_);
    if (yLeader_.isSet())
        dc.line(place.plot.left, place.y, place.plot.right, place.y, yLeader_);
    if (hasLabelText() && !place.label.isEmpty()) {
        gstr shown;
        if (place.text && !place.text->isNull())
            shown.substitute(labelText_, *place.text);
        else
            shown.assign(labelText_);
        dc.text(place.label.offset(place.x, place.y), shown, labelStyle_);
    }
    if (const gbitmap* image = image_.drawn())
        dc.image(place.x, place.y, *image);
}

bool gindMarkerLabel::hitTest(const gmarkerPlacement& place, int32_t x, int32_t y) const
{
    if (imageRect(place.x, place.y).contains(x, y))
        return true;
    if (trace_.isSet()) {
        grect a, b;
        traceNodes(place, a, b);
        if (bezierHit(a, b, trace_.getWidth(), x, y))
            return true;
    }
    if (xLeader_.isSet() && xLeaderRect(place).normalized().inset(-xLeader_.getWidth()).contains(x, y))
        return true;
    if (yLeader_.isSet() && yLeaderRect(place).normalized().inset(-yLeader_.getWidth()).contains(x, y))
        return true;
    return hasLabelText() && place.label.offset(place.x, place.y).contains(x, y);
}

void gindMarkerLabel::imagesLoaded(bool quiet)
{
    if (image_.loaded() && !quiet)
        markStationModified();
}

int gindMarkerLabel::replaceText(const gscreenBatchChange& change)
{
    if (!change.text || !hasLabelText())
        return 0;
    return change.replaceAllIn(labelText_);
}
