#include "store/stationFile.h"

#include "foundation/jhashIterator.h"
#include "foundation/messageBoxes.h"
#include "foundation/textEncodings.h"
#include "screens/model/gdrawingDefaultsHooks.h"
#include "screens/model/stationScreens.h"
#include "store/CObjectFile.h"
#include "store/gloadProgress.h"
#include "store/gobjectType.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "store/gtitledObject.h"
#include "store/jhashDatabaseTable.h"

namespace {

constexpr int loadErrorTextBase = 20099;
constexpr int onLineOfFile = 20100;
constexpr int readErrorText = 10066;

// Walks the registry in its order, calling f for every type.
template <class F>
void forEachType(F&& f)
{
    jhashTypedIterator<gobjectType> it(objectTypeRegistry());
    gobjectType* type = nullptr;
    while (it.get(type))
        f(*type);
}

gtitledObject* titledEntry(jhashObject* entry)
{
    return static_cast<gtitledObject*>(static_cast<jhashDatabaseObject*>(entry));
}

// Values are read further as C text, which would end at a NUL byte and
// silently keep only what comes before it.
bool hasNulByte(const gstrSlice& value)
{
    return value.view().find('\0') != std::string_view::npos;
}

// One read of a file, line by line: an object's header line, then its field
// lines until it accepts its "END".
class stationReader {
public:
    stationReader(CObjectFile& file, bool libraryMode, bool intoLibrary)
        : file_(file), libraryMode_(libraryMode), intoLibrary_(intoLibrary), progress_(loadProgress())
    {
    }

    int read()
    {
        if (progress_)
            progress_->setRange(file_.getLength());
        for (;;) {
            nextLine();
            gstrSlice token = file_.readTokenSlice();
            if (token.isNull())
                return gloadError::none;
            if (token.isEmpty() || token[0] == '#') {
                file_.skipLine();
                continue;
            }
            gtitledObject* object = nullptr;
            if (int error = readHeader(token, object))
                return error;
            if (int error = readFields(*object))
                return error;
        }
    }

    int line() const noexcept { return line_; }

private:
    void nextLine()
    {
        ++line_;
        if (progress_)
            progress_->setPosition(file_.getPosition());
    }

    int readHeader(const gstrSlice& keyword, gtitledObject*& object)
    {
        const gobjectType* type = objectTypeRegistry().find(keyword);
        if (!type)
            return gloadError::unknownObjectType;
        if (libraryMode_ && !type->allowedInLibrary())
            return gloadError::typeNotInLibrary;
        gstrSlice rest = file_.readValueSlice();
        if (rest.isNull() || rest.isEmpty())
            return gloadError::missingObjectName;
        if (hasNulByte(rest))
            return gloadError::invalidObjectName;
        gstrSlice tag = rest;
        if (!gstr::isBareValue(rest)) {
            gstr text(rest);
            if (!tag_.parseValue(text.data()) || tag_.isEmpty())
                return gloadError::invalidObjectName;
            tag = tag_;
        }
        object = type->defineObject(tag, intoLibrary_);
        if (!object)
            return gloadError::objectExists;
        if (object->getObjectType() != type)
            return gloadError::registerKindDiffers;
        return gloadError::none;
    }

    int readFields(gtitledObject& object)
    {
        int token = 0;
        gstr value;
        for (;;) {
            nextLine();
            switch (readKeywordLine(file_, token, value)) {
            case 0: break;                               // a keyword line
            case 1: return gloadError::missingEnd;       // the end of the file
            case 2: continue;                            // empty or comment
            default: return gloadError::unknownField;    // no keyword
            }
            if (hasNulByte(value))
                return gloadError::invalidFieldValue;
            switch (object.loadLine(token, value)) {
            case gload::finished: return gloadError::none;
            case gload::unknownKeyword: return gloadError::unknownField;
            case gload::invalidValue:
                return value.isEmpty() ? gloadError::missingFieldValue : gloadError::invalidFieldValue;
            case gload::alreadyLoaded: return gloadError::fieldLoadedTwice;
            case gload::incomplete: return gloadError::incompleteObject;
            default: continue;
            }
        }
    }

    CObjectFile& file_;
    bool libraryMode_;
    bool intoLibrary_;
    gloadProgress* progress_;
    int line_ = 0;
    gstr tag_; // a header's tag when it had to be parsed
};

int reportUndefinedObjects(bool intoLibrary)
{
    gstr text;
    text.loadString(loadErrorTextBase + gloadError::undefinedObjects);
    text.append(listUndefinedObjects(intoLibrary));
    warningBox(text, loadErrorTextBase + gloadError::undefinedObjects);
    return gloadError::undefinedObjects;
}

// A library read for import leaves the open station's screens and drawing
// defaults as they are.
void finishLoad(bool intoLibrary)
{
    stationState().open = 1;
    if (intoLibrary)
        return;
    screensAfterStationLoad();
    if (gdrawingDefaultsHooks* hooks = drawingDefaultsHooks())
        hooks->refreshDefaults();
}

// A read error looks like the end of the file to the line reader; without
// this check a station cut short by a failing disk would load as complete.
int reportReadError(CObjectFile& file)
{
    gstr text;
    text.loadString(readErrorText);
    text.replaceAll("%1", pathAsText(file.getFilePath()), false, true);
    file.close();
    warningBox(text, readErrorText);
    return gloadError::notOpened;
}

int readStation(CObjectFile& file, bool libraryMode, bool intoLibrary)
{
    stationReader reader(file, libraryMode, intoLibrary);
    int error = reader.read();
    if (file.failed())
        return reportReadError(file);
    if (error) {
        gstr suffix;
        suffix.format(onLineOfFile, reader.line(), pathAsText(file.getFilePath()));
        file.close();
        return reportLoadError(error, suffix);
    }
    file.close();
    if (stationState().unresolved != 0)
        return reportUndefinedObjects(intoLibrary);
    finishLoad(intoLibrary);
    return gloadError::none;
}

// Walks a table's entries in its order with two entries of lookahead: the
// entry two ahead is fetched into the cache, and the tag and title texts of
// the next one, so that in a large station the writer does not wait on
// memory for each object in turn.
class prefetchingWalk {
public:
    explicit prefetchingWalk(const jhashTable& table) : it_(table)
    {
        if (it_.get(ahead_[0]))
            it_.get(ahead_[1]);
        fetch(ahead_[0]);
        fetchTexts(ahead_[0]);
        fetch(ahead_[1]);
    }

    gtitledObject* next()
    {
        jhashObject* entry = ahead_[0];
        if (!entry)
            return nullptr;
        ahead_[0] = ahead_[1];
        ahead_[1] = nullptr;
        if (ahead_[0])
            it_.get(ahead_[1]);
        fetch(ahead_[1]);
        fetchTexts(ahead_[0]);
        return titledEntry(entry);
    }

private:
    static void fetch(const void* p)
    {
        if (p)
            __builtin_prefetch(p);
    }
    static void fetchTexts(jhashObject* entry)
    {
        if (!entry)
            return;
        const gtitledObject* object = titledEntry(entry);
        fetch(object->getTag().data());
        fetch(object->getTitle(false).data());
    }

    jhashIterator it_;
    jhashObject* ahead_[2] = {};
};

void writeObjects(CObjectFile& file, bool driversOnly)
{
    forEachType([&](const gobjectType& type) {
        if (driversOnly && !type.allowedInLibrary())
            return;
        prefetchingWalk walk(type.stationTable());
        while (gtitledObject* object = walk.next()) {
            if (object->getObjectType() != &type)
                continue;
            object->writeEmbedded(file, 0);
            file.newLine();
        }
    });
}

bool endsWithNoCase(const gstrSlice& text, const gstrSlice& ending)
{
    if (text.length() < ending.length())
        return false;
    return gstrSlice(text.at(text.length() - ending.length()), ending.length()).compareNoCase(ending) == 0;
}

} // namespace

int loadObjectFile(const gstrSlice& path, bool libraryMode, bool intoLibrary)
{
    gstationState& state = stationState();
    if (!intoLibrary)
        state.modified = 0;
    CObjectFile file;
    if (!file.open(path, CObjectFile::modeRead, false))
        return gloadError::notOpened;
    state.unresolved = 0;
    int result = readStation(file, libraryMode, intoLibrary);
    if (result != gloadError::none)
        clearObjectDatabase(intoLibrary);
    return result;
}

int saveObjectFile(const gstrSlice& path, bool driversOnly, int* error)
{
    CObjectFile file;
    if (!file.open(path, CObjectFile::modeWrite, false)) {
        if (error)
            *error = file.error();
        return gsaveError::notOpened;
    }
    if (!driversOnly)
        screensBeforeStationSave();
    file.writeBanner();
    writeObjects(file, driversOnly);
    bool written = file.close();
    if (!driversOnly) {
        if (written)
            stationState().modified = 0;
        screensAfterStationSave();
    }
    if (written)
        return gsaveError::none;
    if (error)
        *error = file.error();
    return gsaveError::writeFailed;
}

void clearObjectDatabase(bool library)
{
    forEachType([&](const gobjectType& type) {
        if (type.sharesTable())
            return;
        if (!library) {
            type.stationTable().deleteAll();
            return;
        }
        if (jhashDatabaseTable* table = type.libraryTable())
            table->deleteAll();
    });
    if (!library)
        screensAfterStationClear();
}

void closeObjectDatabase()
{
    screensBeforeStationClose();
    if (gdrawingDefaultsHooks* hooks = drawingDefaultsHooks())
        hooks->resetDefaults();
    stationState().open = 0;
    clearObjectDatabase(false);
}

int reportLoadError(int code, const gstrSlice& suffix)
{
    gstr text;
    text.loadString(loadErrorTextBase + code);
    text.append(suffix);
    warningBox(text, loadErrorTextBase + code);
    return code;
}

bool isLibraryFileName(const gstrSlice& path)
{
    return endsWithNoCase(path, ".kdl") || endsWithNoCase(path, ".korvel-drivers");
}
