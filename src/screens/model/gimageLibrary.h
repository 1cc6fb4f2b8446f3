#pragma once

#include "foundation/gfileName.h"
#include "foundation/gstr.h"
#include "foundation/jhashTable.h"

#include <cstddef>
#include <cstdint>

class gbitmap;
class gbyteSource;

// The image table: every image that screens can show, by name in any letter
// case, owned by the table. It is filled from the image library file that the
// user loads (binary, big-endian: the placeholder record "???", then records
// of a NUL-terminated name, a 12-byte header and run-length data up to the
// end of the file) and from the IMAGE objects of the open station, which
// push library images of the same name aside until the station goes.
//
// Its order, wherever images are listed or the first one is taken, is bucket
// 0 to 19, each bucket in insertion order.
class gimageLibrary {
public:
    gimageLibrary();
    ~gimageLibrary();
    gimageLibrary(const gimageLibrary&) = delete;
    gimageLibrary& operator=(const gimageLibrary&) = delete;

    // Replaces the library images by those of the file and, on success,
    // remembers the file. A file that is not a valid library shows message
    // 20016; the images read before the fault stay. Images of the open
    // station are kept either way.
    bool load(const gfileName& file);
    // Reads the remembered file again; on failure nothing is remembered.
    bool reload();
    bool hasFile() const { return !path_.isEmpty(); }
    bool canReload() const { return hasFile(); }
    const gstr& path() const { return path_; }
    const gstr& fileName() const { return fileName_; }
    void forget();

    // The library part of a load, from any byte source; path names the file
    // in the message.
    bool loadFrom(gbyteSource& source, const gstrSlice& path);

    gbitmap* find(const gstrSlice& name) const;
    // The first image in table order, null when the table is empty.
    gbitmap* first() const;
    // The "???" image drawn for names the table lacks; null before a library
    // was read.
    gbitmap* getPlaceholder() const noexcept { return placeholder_; }
    int32_t count() const noexcept { return table_.count(); }
    const jhashNoCaseStringTable& table() const noexcept { return table_; }

    // Station images: a new one enters the table, pushing a library image of
    // its name aside; false (and nothing entered) when a station image of
    // that name is already there.
    bool insertStationImage(gbitmap* image);
    // Every station image leaves: one that pushed a library image aside
    // becomes that library image again, the others are deleted.
    void removeStationImages();
    // One station image leaves the same way (its IMAGE object went while
    // still holding it).
    void removeStationImage(gbitmap* image);
    // Deletes every image, station images included (program exit, tests).
    void clear();

private:
    class imageTable : public jhashNoCaseStringTable {
    public:
        imageTable() : jhashNoCaseStringTable(20) {}
    };

    bool readLibrary(gbyteSource& source);
    bool readName(gbyteSource& source, gstr& name, bool& atEnd);
    void dropLibraryImages();
    void announceUnloading();
    void announceLoaded(bool quiet);

    imageTable table_;
    gbitmap* placeholder_ = nullptr;
    gstr path_;
    gstr fileName_;
};

gimageLibrary& imageLibrary();
