#pragma once

#include "batch/batchText.h"
#include "batch/gbatchKind.h"

#include <functional>
#include <memory>
#include <vector>

// The steps the batch dialogs share, apart from their windows.

// The text shown for an object: its title, else its tag.
const gstr& nameOf(const gtitledObject& object);

// The title step of Replace All with the Names scope: an object without a
// title first takes its tag as title, the title gets a single replacement,
// and a title that then equals the tag (or is empty) is cleared. 1 when
// something was replaced.
int replaceInTitle(gtitledObject& object, const gbatchFind& find);
// The same on a copy, which keeps having no title when it has none.
int replaceInOwnTitle(gtitledObject& object, const gbatchFind& find);

// Reports of the common operations: Find All Tags (none in a plain box,
// else with the information icon), Replace All and Duplicate (none with
// the warning icon, else the information icon).
void reportFound(const gbatchTexts& texts, int count, const gstrSlice& find);
void reportReplaced(const gbatchTexts& texts, int total, const gstrSlice& find);
void reportCreated(const gbatchTexts& texts, int count);
// Shows a log (lines each starting with a line break) with OK only; nothing
// when it is empty.
void showLog(const gstrSlice& log);
// The Delete All question for count selected objects; true on OK.
bool confirmDelete(const gbatchTexts& texts, int count);
// After Delete All kept some objects: a plain box saying some or none
// could be deleted.
void reportKept(const gbatchTexts& texts, int deleted);

// Copies of selected objects under new tags, before they join the station.
struct gbatchCopies {
    std::unique_ptr<jhashDatabaseTable> table; // owns the copies until added
    std::vector<gtitledObject*> order;         // in the order of the selection
    gstr log;
};

// Copies each object, from the first; the first occurrence of the find text
// in the copy's tag is replaced. Without the Names scope a copy of an object
// without title takes the old tag as its title. A tag without the find text,
// a new tag that is empty or already used in the station or by an earlier
// copy, keeps the object from being copied and adds a log line.
gbatchCopies copyObjects(const gbatchKind& kind, const std::vector<gtitledObject*>& selected,
                         const gbatchFind& find, bool names);
// Hands the copies to the station's table once the log was empty or the
// user accepted it, reports the number added and marks the station
// modified. Answers the objects added, in order; on Cancel the copies are
// destroyed and none is reported.
std::vector<gtitledObject*> addCopies(const gbatchKind& kind, gbatchCopies& copies);
