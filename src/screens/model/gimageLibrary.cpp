#include "screens/model/gimageLibrary.h"

#include "foundation/messageBoxes.h"
#include "foundation/textEncodings.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gimageEvents.h"
#include "store/CObjectFile.h"

#include <vector>

namespace {

constexpr int invalidLibraryText = 20016;

// The library file, read through the file layer (which reports a file that
// cannot be opened and offers to retry).
class fileSource final : public gbyteSource {
public:
    explicit fileSource(CObjectFile& file) : file_(file), length_(file.getLength()) {}

    size_t read(void* destination, size_t count) override
    {
        size_t got = file_.read(destination, count);
        position_ += got;
        return got;
    }
    uint64_t remaining() override { return position_ < length_ ? uint64_t(length_ - position_) : 0; }

private:
    CObjectFile& file_;
    int64_t length_;
    int64_t position_ = 0;
};

void reportInvalid(const gstrSlice& path)
{
    gstr text;
    text.format(invalidLibraryText, pathAsText(path));
    warningBox(text, invalidLibraryText);
}

template <class F>
void forEachImage(const jhashTable& table, F&& f)
{
    // Collected first: f may take images out of the table.
    std::vector<gbitmap*> images;
    jhashTypedIterator<gbitmap> it(table);
    gbitmap* image = nullptr;
    while (it.get(image))
        images.push_back(image);
    for (gbitmap* each : images)
        f(*each);
}

} // namespace

gimageLibrary::gimageLibrary() = default;

gimageLibrary::~gimageLibrary() { clear(); }

bool gimageLibrary::load(const gfileName& file)
{
    CObjectFile in;
    if (!in.open(file.path(), CObjectFile::modeRead, true)) {
        announceUnloading();
        dropLibraryImages();
        announceLoaded(false);
        return false;
    }
    fileSource source(in);
    bool loaded = loadFrom(source, file.path());
    in.close();
    if (loaded) {
        path_ = file.path();
        fileName_ = file.name;
    }
    return loaded;
}

bool gimageLibrary::reload()
{
    gfileName file;
    file.fullPath = path_;
    file.name = fileName_;
    if (load(file))
        return true;
    forget();
    return false;
}

void gimageLibrary::forget()
{
    path_.clear();
    fileName_.clear();
}

bool gimageLibrary::loadFrom(gbyteSource& source, const gstrSlice& path)
{
    announceUnloading();
    dropLibraryImages();
    bool read = readLibrary(source);
    if (!read)
        reportInvalid(path);
    // The objects find their images again even after a fault, so that
    // station images they showed are still shown and saved.
    announceLoaded(false);
    return read;
}

bool gimageLibrary::readLibrary(gbyteSource& source)
{
    auto* placeholder = new gbitmap("???");
    if (!placeholder->readFromLibrary(source)) {
        delete placeholder;
        return false;
    }
    placeholder_ = placeholder;
    for (;;) {
        gstr name;
        bool atEnd = false;
        if (!readName(source, name, atEnd))
            return false;
        if (atEnd)
            return true;
        auto* image = new gbitmap(name);
        if (!image->readFromLibrary(source)) {
            delete image;
            return false;
        }
        gbitmap* present = find(name);
        if (!present) {
            table_.insert(image);
            continue;
        }
        // A station image of that name keeps its place; the library image
        // waits behind it. A second library image of one name is a fault.
        if (present->isFromStation() && !present->getDisplaced()) {
            present->setDisplaced(image);
            continue;
        }
        delete image;
        return false;
    }
}

// Nothing at all before the end of the file ends the library; otherwise
// the name runs to a NUL byte and must not be empty.
bool gimageLibrary::readName(gbyteSource& source, gstr& name, bool& atEnd)
{
    char c = 0;
    if (source.read(&c, 1) != 1) {
        atEnd = true;
        return true;
    }
    while (c != '\0') {
        name.append(c);
        if (source.read(&c, 1) != 1)
            return false;
    }
    return !name.isEmpty();
}

void gimageLibrary::dropLibraryImages()
{
    delete placeholder_;
    placeholder_ = nullptr;
    forEachImage(table_, [](gbitmap& image) {
        if (image.isFromStation()) {
            delete image.getDisplaced();
            image.setDisplaced(nullptr);
            return;
        }
        delete &image;
    });
}

void gimageLibrary::announceUnloading() { screensImagesUnloading(); }

void gimageLibrary::announceLoaded(bool quiet) { screensImagesLoaded(quiet); }

gbitmap* gimageLibrary::find(const gstrSlice& name) const { return static_cast<gbitmap*>(table_.find(name)); }

gbitmap* gimageLibrary::first() const
{
    jhashTypedIterator<gbitmap> it(table_);
    gbitmap* image = nullptr;
    it.get(image);
    return image;
}

bool gimageLibrary::insertStationImage(gbitmap* image)
{
    gbitmap* present = find(image->getName());
    if (present && present->isFromStation())
        return false;
    if (present)
        table_.remove(present);
    image->markFromStation(present);
    table_.insert(image);
    return true;
}

void gimageLibrary::removeStationImages()
{
    forEachImage(table_, [this](gbitmap& image) {
        if (image.isFromStation())
            removeStationImage(&image);
    });
}

void gimageLibrary::removeStationImage(gbitmap* image)
{
    if (!image->restoreDisplaced())
        delete image;
}

void gimageLibrary::clear()
{
    delete placeholder_;
    placeholder_ = nullptr;
    table_.deleteAll();
}

gimageLibrary& imageLibrary()
{
    static gimageLibrary library;
    return library;
}
