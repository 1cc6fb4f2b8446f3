#include "screens/model/gindShapeIndicator.h"

#include "registers/gregister.h"
#include "screens/model/gdrawContext.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gindShapeIndicator::gindShapeIndicator(const gindShapeIndicator& source, int32_t dx, int32_t dy, fscreen* screen)
    : gindObject(source, dx, dy, screen), shape_(source.shape_->clone(dx, dy))
{
}

gindShapeIndicator::~gindShapeIndicator() = default;

void gindShapeIndicator::writeHeader(CObjectFile& file, int indent) const
{
    writeKeyOf(file, indent, headerToken());
    shape_->writeKind(file, 1);
}

void gindShapeIndicator::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    shape_->writeFields(file, indent);
}

gloadStatus gindShapeIndicator::loadField(int token, gstr& value)
{
    gloadStatus status = shape_->loadField(token, value);
    if (status != gload::unknownKeyword)
        return status;
    return ggraphObject::loadField(token, value);
}

void gindShapeIndicator::afterLoad()
{
    recalcBounds();
    shape_->afterLoad();
}

void gindShapeIndicator::draw(gdrawContext& dc) const
{
    if (const gindObjectInfo* record = drawRecord())
        shape_->draw(dc, *record, registerTitle(boundRegister()), getTransform());
}

void gindShapeIndicator::recalcBounds()
{
    grect bounds;
    forEachRecord([&](gindObjectInfo& record) { bounds.uniteWith(shape_->getBounds(record, getTransform())); });
    setBounds(bounds);
}

int gindShapeIndicator::hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const
{
    const gindObjectInfo* record = hitRecord();
    return record ? shape_->hitTest(x, y, *record, getTransform(), reshape, bodyOnly) : 0;
}

bool gindShapeIndicator::isInsideRect(const grect& rect) const
{
    const gindObjectInfo* record = hitRecord();
    return record && shape_->isInsideRect(rect, *record, getTransform());
}

void gindShapeIndicator::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    shape_->transform(cx2, cy2, rotation, flipH, flipV);
}

void gindShapeIndicator::endGeometryChange()
{
    shape_->endGeometryChange(getTransform());
    resetTransform();
}

int gindShapeIndicator::endCreate(bool moved)
{
    ggraphObject::endCreate(moved);
    return shape_->endCreate(moved);
}

void gindShapeIndicator::refreshPreview(bool blinkTick)
{
    if (blinkTick && registerLevel(boundRegister()) <= 2)
        return;
    invalidate(getBounds());
}

bool gindShapeIndicator::hasEditableText() const
{
    const gindObjectInfo* record = textRecord();
    return record && record->hasEditableText();
}

bool gindShapeIndicator::editText()
{
    gindObjectInfo* record = textRecord();
    return record && record->editText();
}

void gindShapeIndicator::imagesUnloading()
{
    if (!shape_->usesImages())
        return;
    invalidate(getBounds());
    forEachRecord([](gindObjectInfo& record) { record.imagesUnloading(); });
    recalcBounds();
    invalidate(getBounds());
}

void gindShapeIndicator::imagesLoaded(bool quiet)
{
    if (!shape_->usesImages())
        return;
    if (!quiet)
        invalidate(getBounds());
    forEachRecord([quiet](gindObjectInfo& record) { record.imagesLoaded(quiet); });
    recalcBounds();
    if (!quiet)
        invalidate(getBounds());
}

void gindShapeIndicator::collectImages() const
{
    forEachRecord([](gindObjectInfo& record) { record.collectImages(); });
}

gloadStatus gindShapeIndicator::loadRecord(std::unique_ptr<gindObjectInfo>& slot)
{
    if (slot)
        return gload::alreadyLoaded;
    slot = shape_->makeStateRecord();
    loadEmbeddedObject(slot.get());
    return gload::accepted;
}

void gindShapeIndicator::writeRecord(CObjectFile& file, int indent, int token, const gindObjectInfo* record) const
{
    if (!record)
        return;
    writeKeywordLine(file, indent, token);
    record->writeEmbedded(file, indent);
}

int gindShapeIndicator::replaceInRecords(const gscreenBatchChange& change)
{
    int count = 0;
    forEachRecord([&](gindObjectInfo& record) { count += record.replaceText(change); });
    return count;
}
