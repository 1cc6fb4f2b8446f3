#include "platform/settingsStore.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

const char* const companyKey = "Software\\Korvel Viziveridizuva inc.";
const char* const profileKey = "Software\\Korvel Viziveridizuva inc.\\K.O.R.V.E.L. Quillane";

namespace {

// A settings file larger than this is not ours; it is neither read nor
// overwritten.
constexpr off_t maxFileSize = 8 * 1024 * 1024;

std::string toString(const gstrSlice& s) { return std::string(s.view()); }

char hexDigit(int v) { return static_cast<char>(v < 10 ? '0' + v : 'A' + v - 10); }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void appendHexEscape(std::string& out, unsigned char c)
{
    out += "\\x";
    out += hexDigit(c >> 4);
    out += hexDigit(c & 15);
}

// Line breaks, control bytes and backslashes are escaped; blanks at either
// end too, since reading trims them. In names '=' and the characters that
// would start a section, a comment or the default-value mark are escaped.
std::string escape(const std::string& text, bool isName)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        bool atEdge = i == 0 || i + 1 == text.size();
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20 || c == 0x7F || (c == ' ' && atEdge))
            appendHexEscape(out, c);
        else if (isName && (c == '=' || (i == 0 && (c == '[' || c == ';' || c == '#' || c == '@'))))
            appendHexEscape(out, c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

// Unknown escapes are kept as written, so a hand-written Windows path reads
// as it looks.
std::string unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        char n = text[i + 1];
        if (n == '\\' || n == 'n' || n == 'r') {
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : '\\';
            ++i;
        } else if (n == 'x' && i + 3 < text.size() && hexValue(text[i + 2]) >= 0 && hexValue(text[i + 3]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

std::string trimBlanks(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

std::string defaultUserFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

bool makeFolders(const std::string& path)
{
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/')
            continue;
        std::string part = path.substr(0, i);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

} // namespace

// One INI file: its sections in file order, read again whenever the file on
// disk changed, written whole through a temporary file.
class settingsStore::hiveFile {
public:
    struct value {
        std::string name;
        std::string text;
    };
    struct section {
        std::string key;
        std::vector<value> values;
    };

    // No folder: a hive that holds nothing and takes no writes.
    hiveFile(const std::string& folder, const char* fileName, bool writable)
        : folder_(folder + "/korvel"), path_(folder_ + "/" + fileName), inert_(folder.empty()),
          writable_(writable && !inert_)
    {
    }

    bool writable() const { return writable_; }

    const std::vector<section>& sections()
    {
        refresh();
        return sections_;
    }

    const std::string* find(const std::string& key, const std::string& name)
    {
        for (const section& s : sections()) {
            if (s.key != key)
                continue;
            for (const value& v : s.values) {
                if (v.name == name)
                    return &v.text;
            }
        }
        return nullptr;
    }

    template <class Change>
    bool modify(Change change)
    {
        if (!writable_)
            return false;
        refresh();
        if (tooLarge_)
            return false;
        change(sections_);
        return save();
    }

    static section& sectionOf(std::vector<section>& sections, const std::string& key)
    {
        for (section& s : sections) {
            if (s.key == key)
                return s;
        }
        sections.push_back({key, {}});
        return sections.back();
    }

private:
    struct signature {
        bool exists = false;
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        long long mtimeNs = 0;
        bool operator==(const signature&) const = default;
    };

    signature current() const
    {
        struct stat st {};
        if (::stat(path_.c_str(), &st) != 0)
            return {};
        return {true, st.st_dev, st.st_ino, st.st_size,
                static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
    }

    void refresh()
    {
        signature now = inert_ ? signature{} : current();
        if (loaded_ && now == seen_)
            return;
        loaded_ = true;
        seen_ = now;
        sections_.clear();
        tooLarge_ = now.size > maxFileSize;
        if (now.exists && !tooLarge_)
            parse(readAll());
    }

    std::string readAll() const
    {
        std::string text;
        FILE* f = std::fopen(path_.c_str(), "rbe");
        if (!f)
            return text;
        char buffer[8192];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && text.size() <= static_cast<size_t>(maxFileSize))
            text.append(buffer, n);
        std::fclose(f);
        return text;
    }

    void parse(const std::string& text)
    {
        section* open = nullptr;
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find('\n', pos);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(pos, end - pos);
            pos = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            open = parseLine(line, open);
        }
    }

    section* parseLine(const std::string& line, section* open)
    {
        size_t close = line.rfind(']');
        if (!line.empty() && line[0] == '[' && close != std::string::npos)
            return &sectionOf(sections_, line.substr(1, close - 1));
        std::string trimmed = trimBlanks(line);
        if (!open || trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#')
            return open;
        size_t eq = trimmed.find('=');
        if (eq == std::string::npos)
            return open;
        std::string name = trimBlanks(trimmed.substr(0, eq));
        name = name == "@" ? std::string() : unescape(name);
        std::string text = unescape(trimBlanks(trimmed.substr(eq + 1)));
        for (value& v : open->values) {
            if (v.name == name) {
                v.text = text;
                return open;
            }
        }
        open->values.push_back({name, text});
        return open;
    }

    std::string serialize() const
    {
        std::string out;
        for (const section& s : sections_) {
            out += "[" + s.key + "]\n";
            for (const value& v : s.values)
                out += (v.name.empty() ? std::string("@") : escape(v.name, true)) + "=" + escape(v.text, false) + "\n";
            out += "\n";
        }
        return out;
    }

    bool save()
    {
        if (!makeFolders(folder_))
            return false;
        std::string temp = path_ + ".XXXXXX";
        int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            return false;
        std::string text = serialize();
        bool ok = writeAll(fd, text);
        ok = ::close(fd) == 0 && ok;
        ok = ok && ::rename(temp.c_str(), path_.c_str()) == 0;
        if (!ok)
            ::unlink(temp.c_str());
        // Read back on next use: the signature of the file just written.
        loaded_ = false;
        return ok;
    }

    static bool writeAll(int fd, const std::string& text)
    {
        size_t done = 0;
        while (done < text.size()) {
            ssize_t n = ::write(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

    std::string folder_;
    std::string path_;
    bool inert_;
    bool writable_;
    bool loaded_ = false;
    bool tooLarge_ = false;
    signature seen_;
    std::vector<section> sections_;
};

settingsStore::settingsStore() { setFolders(defaultUserFolder(), "/etc/xdg"); }

settingsStore::~settingsStore() = default;

void settingsStore::setFolders(const std::string& userFolder, const std::string& machineFolder)
{
    userFolder_ = userFolder;
    machineFolder_ = machineFolder;
    user_ = std::make_unique<hiveFile>(userFolder, "HKEY_CURRENT_USER.ini", true);
    machine_ = std::make_unique<hiveFile>(machineFolder, "HKEY_LOCAL_MACHINE.ini", false);
    userClasses_ = std::make_unique<hiveFile>(userFolder, "HKEY_CLASSES_ROOT.ini", true);
    machineClasses_ = std::make_unique<hiveFile>(machineFolder, "HKEY_CLASSES_ROOT.ini", false);
}

const std::string& settingsStore::userFolder() const { return userFolder_; }

const std::string& settingsStore::machineFolder() const { return machineFolder_; }

settingsStore::hiveFile* settingsStore::fileFor(settingsHive hive, bool forWriting) const
{
    switch (hive) {
    case settingsHive::currentUser: return user_.get();
    case settingsHive::localMachine: return forWriting ? nullptr : machine_.get();
    case settingsHive::classesRoot: return userClasses_.get();
    }
    return nullptr;
}

std::optional<std::string> settingsStore::lookup(settingsHive hive, const gstrSlice& key, const gstrSlice& name) const
{
    std::string k = toString(key), n = toString(name);
    if (const std::string* text = fileFor(hive, false)->find(k, n))
        return *text;
    if (hive == settingsHive::classesRoot) {
        if (const std::string* text = machineClasses_->find(k, n))
            return *text;
    }
    return std::nullopt;
}

bool settingsStore::keyExists(settingsHive hive, const gstrSlice& key) const
{
    std::string k = toString(key);
    auto holds = [&k](hiveFile& file) {
        for (const hiveFile::section& s : file.sections()) {
            if (s.key == k || (s.key.size() > k.size() && s.key.compare(0, k.size(), k) == 0 && s.key[k.size()] == '\\'))
                return true;
        }
        return false;
    };
    if (holds(*fileFor(hive, false)))
        return true;
    return hive == settingsHive::classesRoot && holds(*machineClasses_);
}

std::optional<gstr> settingsStore::readString(settingsHive hive, const gstrSlice& key, const gstrSlice& name) const
{
    auto text = lookup(hive, key, name);
    if (!text)
        return std::nullopt;
    return gstr(gstrSlice(text->data(), static_cast<int32_t>(text->size())));
}

std::optional<int> settingsStore::readInt(settingsHive hive, const gstrSlice& key, const gstrSlice& name) const
{
    auto text = lookup(hive, key, name);
    if (!text || text->empty())
        return std::nullopt;
    long long v = 0;
    const char* end = text->data() + text->size();
    auto [p, ec] = std::from_chars(text->data(), end, v);
    // A double word written unsigned reads back as the same 32 bits.
    if (ec != std::errc() || p != end || v < INT32_MIN || v > UINT32_MAX)
        return std::nullopt;
    return static_cast<int>(static_cast<uint32_t>(v));
}

bool settingsStore::createKey(settingsHive hive, const gstrSlice& key)
{
    hiveFile* file = fileFor(hive, true);
    std::string k = toString(key);
    return file && file->modify([&](std::vector<hiveFile::section>& sections) { hiveFile::sectionOf(sections, k); });
}

bool settingsStore::writeString(settingsHive hive, const gstrSlice& key, const gstrSlice& name, const gstrSlice& value)
{
    hiveFile* file = fileFor(hive, true);
    std::string k = toString(key), n = toString(name), v = toString(value);
    return file && file->modify([&](std::vector<hiveFile::section>& sections) {
        hiveFile::section& s = hiveFile::sectionOf(sections, k);
        for (hiveFile::value& existing : s.values) {
            if (existing.name == n) {
                existing.text = v;
                return;
            }
        }
        s.values.push_back({n, v});
    });
}

bool settingsStore::writeInt(settingsHive hive, const gstrSlice& key, const gstrSlice& name, int value)
{
    char digits[16];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    return writeString(hive, key, name, gstrSlice(digits, static_cast<int32_t>(end - digits)));
}

bool settingsStore::deleteValue(settingsHive hive, const gstrSlice& key, const gstrSlice& name)
{
    hiveFile* file = fileFor(hive, true);
    std::string k = toString(key), n = toString(name);
    if (!file || !file->find(k, n))
        return false;
    return file->modify([&](std::vector<hiveFile::section>& sections) {
        auto& values = hiveFile::sectionOf(sections, k).values;
        std::erase_if(values, [&n](const hiveFile::value& v) { return v.name == n; });
    });
}

settingsStore& settings()
{
    static settingsStore store;
    return store;
}

gstr profileSectionKey(const gstrSlice& section)
{
    gstr key(profileKey);
    key.append('\\');
    key.append(section);
    return key;
}

int profileInt(const gstrSlice& section, const gstrSlice& entry, int defaultValue)
{
    return settings().readInt(settingsHive::currentUser, profileSectionKey(section), entry).value_or(defaultValue);
}

gstr profileString(const gstrSlice& section, const gstrSlice& entry, const gstrSlice& defaultValue)
{
    auto text = settings().readString(settingsHive::currentUser, profileSectionKey(section), entry);
    return text ? std::move(*text) : gstr(defaultValue);
}

bool writeProfileInt(const gstrSlice& section, const gstrSlice& entry, int value)
{
    return settings().writeInt(settingsHive::currentUser, profileSectionKey(section), entry, value);
}

bool writeProfileString(const gstrSlice& section, const gstrSlice& entry, const gstrSlice& value)
{
    return settings().writeString(settingsHive::currentUser, profileSectionKey(section), entry, value);
}

bool deleteProfileValue(const gstrSlice& section, const gstrSlice& entry)
{
    return settings().deleteValue(settingsHive::currentUser, profileSectionKey(section), entry);
}
