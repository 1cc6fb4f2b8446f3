#include "batch/batchOperations.h"

#include "foundation/gmessageService.h"
#include "foundation/messageBoxes.h"
#include "store/gstationState.h"

namespace {

constexpr int notInFindText = 20202;
constexpr int emptyNewTag = 22600;

void plainBox(const gstrSlice& text, int id) { messageService().messageBox(text, gbuttons::ok, gicon::none, id); }

} // namespace

const gstr& nameOf(const gtitledObject& object) { return object.getTitle(true); }

int replaceInTitle(gtitledObject& object, const gbatchFind& find)
{
    gstr title(nameOf(object));
    if (!find.replaceFirstIn(title))
        return 0;
    object.setTitle(title == object.getTag() ? gstrSlice::empty : gstrSlice(title));
    return 1;
}

int replaceInOwnTitle(gtitledObject& object, const gbatchFind& find)
{
    return object.hasTitle() ? replaceInTitle(object, find) : 0;
}

void reportFound(const gbatchTexts& texts, int count, const gstrSlice& find)
{
    gstr text;
    if (count == 0)
        return plainBox(text.format(texts.foundNone, find), texts.foundNone);
    if (count == 1)
        return informationBox(texts.foundOne);
    informationBox(text.format(texts.foundMany, count), texts.foundMany);
}

// Most dialogs name the find text in their Replace All texts; the register
// dialog's give only the count.
void reportReplaced(const gbatchTexts& texts, int total, const gstrSlice& find)
{
    int id = total == 0 ? texts.replacedNone : total == 1 ? texts.replacedOne : texts.replacedMany;
    gstr text;
    if (gstr(text.loadString(id)).find("%s", false, true) >= 0)
        text.format(id, find, total);
    else
        text.format(id, total);
    if (total == 0)
        return warningBox(text, id);
    informationBox(text, id);
}

void reportCreated(const gbatchTexts& texts, int count)
{
    gstr text;
    if (count == 0)
        return warningBox(texts.createdNone);
    if (count == 1)
        return informationBox(texts.createdOne);
    informationBox(text.format(texts.createdMany, count), texts.createdMany);
}

void showLog(const gstrSlice& log)
{
    if (!log.isEmpty())
        showWarningDialog(log, false);
}

bool confirmDelete(const gbatchTexts& texts, int count)
{
    gstr text;
    int id = count == 1 ? texts.deleteOne : count == 2 ? texts.deleteTwo : texts.deleteMore;
    text.format(id, count);
    return messageService().messageBox(text, gbuttons::okCancel, gicon::none, id) == ganswer::ok;
}

void reportKept(const gbatchTexts& texts, int deleted)
{
    int id = deleted > 0 ? texts.keptSome : texts.keptAll;
    if (id != 0)
        plainBox(gstr().loadString(id), id);
}

gbatchCopies copyObjects(const gbatchKind& kind, const std::vector<gtitledObject*>& selected,
                         const gbatchFind& find, bool names)
{
    gbatchCopies copies{kind.newTable(), {}, gstr("")};
    jhashDatabaseTable& station = kind.stationTable();
    for (gtitledObject* object : selected) {
        gstr tag(object->getTag());
        gstr line;
        if (!find.replaceFirstIn(tag)) {
            copies.log.append(line.format(notInFindText, object->getTag(), nameOf(*object)));
            continue;
        }
        // The loader refuses an object without a tag.
        if (tag.isEmpty()) {
            copies.log.append(line.format(emptyNewTag, object->getTag(), nameOf(*object)));
            continue;
        }
        if (station.findEntry(tag) || copies.table->findEntry(tag)) {
            copies.log.append(line.format(kind.texts().tagTaken, tag, nameOf(*object)));
            continue;
        }
        gtitledObject* copy = kind.copyOf(*object);
        if (!names && !object->hasTitle())
            copy->setTitle(object->getTag());
        copy->setName(tag);
        copies.table->insert(copy);
        copies.order.push_back(copy);
    }
    return copies;
}

std::vector<gtitledObject*> addCopies(const gbatchKind& kind, gbatchCopies& copies)
{
    std::vector<gtitledObject*> added;
    if (!copies.log.isEmpty() && !showWarningDialog(copies.log, true)) {
        copies.table->deleteAll();
        copies.order.clear();
        return added;
    }
    for (gtitledObject* copy : copies.order) {
        copies.table->remove(copy);
        if (kind.stationTable().insert(copy))
            added.push_back(copy);
        else
            delete copy;
    }
    copies.order.clear();
    reportCreated(kind.texts(), static_cast<int>(added.size()));
    if (!added.empty())
        stationState().modified = 1;
    return added;
}
