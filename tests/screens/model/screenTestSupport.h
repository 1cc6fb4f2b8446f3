#pragma once

#include "foundation/gstr.h"
#include "registers/gregister.h"
#include "scl/gsclProgram.h"
#include "screens/model/fscreen.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gfillInfo.h"
#include "screens/model/gimageLibrary.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gpreviewValues.h"
#include "screens/model/gtextInfo.h"
#include "store/gobjectType.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace screenTests {

inline std::string fixturePath(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/screens/model/fixtures/" + name;
}

inline std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A scratch file of its own, removed with it.
class scratchFile {
public:
    explicit scratchFile(const std::string& bytes = "")
    {
        char name[] = "/tmp/korvelScreensXXXXXX";
        int fd = ::mkstemp(name);
        if (fd < 0)
            throw std::runtime_error("mkstemp failed");
        ::close(fd);
        path_ = name;
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~scratchFile() { ::unlink(path_.c_str()); }
    scratchFile(const scratchFile&) = delete;
    scratchFile& operator=(const scratchFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// What a screen shows, one line per drawing call, so that tests can ask
// what was drawn where. Texts are measured as 6 pixels a character, the
// ascent is the size.
class recordingContext final : public gdrawContext {
public:
    std::vector<std::string> calls;
    grect paint;

    bool isVisible(const grect& rect) const override { return paint.isEmpty() || paint.overlaps(rect); }
    grect paintBounds() const override { return paint; }
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const glineInfo& l) override
    {
        add("line " + xy(x1, y1) + " " + xy(x2, y2) + " w" + std::to_string(l.getWidth()));
    }
    void bezier(const grect& a, const grect& b, const glineInfo&) override { add("bezier " + box(a) + " " + box(b)); }
    void rectangle(const grect& r, const glineInfo&, const gfillInfo& f) override
    {
        add("rectangle " + box(r) + " fill" + std::to_string(f.getKind()));
    }
    void ellipse(const grect& r, const glineInfo&, const gfillInfo&) override { add("ellipse " + box(r)); }
    void polyline(const gpoint* p, int n, const glineInfo&) override { add("polyline " + points(p, n)); }
    void polygon(const gpoint* p, int n, const glineInfo&, const gfillInfo&) override
    {
        add("polygon " + points(p, n));
    }
    void text(const grect& r, const gstrSlice& t, const gtextInfo& s) override
    {
        add("text " + box(r) + " a" + std::to_string(s.getAlignment()) + " '" + std::string(t.view()) + "'");
    }
    int32_t textWidth(const gstrSlice& t, const gtextInfo&) override { return 6 * t.length(); }
    int32_t ascent(const gtextInfo& s) override { return s.getSize(); }
    void fillBackground(const grect& r, bool useColour, const gcolor& c) override
    {
        add("ground " + box(r) + (useColour ? (c.isSet() ? " colour" : " window") : " face"));
    }
    void buttonFace(const grect& r, const gstrSlice& caption) override
    {
        add("button " + box(r) + " '" + std::string(caption.view()) + "'");
    }
    void image(int32_t x, int32_t y, const gbitmap& i) override
    {
        add("image " + xy(x, y) + " " + std::string(i.getName().view()));
    }
    void area3d(const grect& r, int type) override { add("area " + box(r) + " t" + std::to_string(type)); }
    void handle(int32_t x, int32_t y) override { add("handle " + xy(x, y)); }
    void hollowHandle(int32_t x, int32_t y) override { add("hollow " + xy(x, y)); }
    void controlLeader(int32_t px, int32_t py, int32_t qx, int32_t qy) override
    {
        add("leader " + xy(px, py) + " " + xy(qx, qy));
    }
    void marginMarker(int32_t px, int32_t py, int32_t qx, int32_t qy) override
    {
        add("margin " + xy(px, py) + " " + xy(qx, qy));
    }
    void xorFrame(const grect& r) override { add("xorFrame " + box(r)); }
    void xorLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        add("xorLine " + xy(x1, y1) + " " + xy(x2, y2));
    }
    void pixel(int32_t x, int32_t y, const gcolor&) override { add("pixel " + xy(x, y)); }
    gcolor systemColour(bool window) const override { return window ? gcolor(255, 255, 255) : gcolor(192, 192, 192); }

    // The calls that start with the text.
    std::vector<std::string> starting(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const std::string& c : calls) {
            if (c.rfind(prefix, 0) == 0)
                found.push_back(c);
        }
        return found;
    }

    static std::string xy(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string box(const grect& r)
    {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
            + std::to_string(r.bottom) + ")";
    }

private:
    void add(std::string call) { calls.push_back(std::move(call)); }
    static std::string points(const gpoint* p, int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i) {
            if (i)
                s.push_back(' ');
            s.append(xy(p[i].x, p[i].y));
        }
        return s;
    }
};

// The view of a screen: what it was asked to repaint.
class recordingWindow final : public gscreenWindow {
public:
    std::vector<grect> invalidated;
    std::vector<grect> focusRects;

    void invalidate(const grect& r) override { invalidated.push_back(r); }
    void drawFocusRect(const grect& r) override { focusRects.push_back(r); }
};

// Every test starts and ends with no station, no image library, the
// drawing defaults reset and the preview values as the editor starts.
class screenTest : public testing::Test {
protected:
    void SetUp() override { clean(); }
    void TearDown() override { clean(); }

    static void clean()
    {
        closeObjectDatabase();
        imageLibrary().clear();
        imageLibrary().forget();
        drawingDefaults().clearAll();
        drawingDefaults().reset();
        previewValues() = gpreviewValues{};
        stationState() = gstationState{};
    }

    // Loads the text as a station file; the load error, 0 on success.
    int loadText(const std::string& text)
    {
        scratchFile file(text);
        return loadObjectFile(gstrSlice(file.path().c_str()), false, false);
    }
    std::string savedStation()
    {
        scratchFile file;
        EXPECT_EQ(saveObjectFile(gstrSlice(file.path().c_str()), false), gsaveError::none);
        return fileBytes(file.path());
    }
    // The saved station without its banner and with LF line ends.
    std::string savedObjects()
    {
        std::string bytes = savedStation();
        std::string text;
        for (char c : bytes) {
            if (c != '\r')
                text.push_back(c);
        }
        size_t objects = text.find("\n\n\n\n\n");
        return objects == std::string::npos ? text : text.substr(objects + 5);
    }

    static gregister* makeRegister(const char* tag, const gobjectType& type, int level = gregister::levelNone)
    {
        auto* reg = static_cast<gregister*>(type.defineObject(tag, false));
        reg->setLevel(level);
        return reg;
    }
    static gsclProgram* makeProgram(const char* tag) { return station::programs().define(tag); }
    static fscreen* makeScreen(const char* tag, const grect& bounds = grect{0, 0, 400, 300})
    {
        fscreen* screen = station::screens().define(tag);
        screen->setBounds(bounds);
        return screen;
    }

    recordingMessages messages;
};

// An image library of pictures made of one colour, each w x h pixels: the
// placeholder first, then the named ones.
struct libraryImage {
    std::string name;
    int16_t x;
    int16_t y;
    int16_t w;
    int16_t h;
    uint8_t colour;
};

inline void appendRecord(std::string& out, const libraryImage& image)
{
    auto put16 = [&](int16_t v) {
        out.push_back(static_cast<char>((uint16_t(v) >> 8) & 0xFF));
        out.push_back(static_cast<char>(uint16_t(v) & 0xFF));
    };
    std::string data;
    for (int row = 0; row < image.h; ++row) {
        for (int left = image.w; left > 0; left -= 256) {
            data.push_back(static_cast<char>(image.colour));
            data.push_back(static_cast<char>(std::min(left, 256) - 1));
        }
    }
    put16(image.x);
    put16(image.y);
    put16(image.w);
    put16(image.h);
    uint32_t n = static_cast<uint32_t>(data.size());
    for (int shift : {24, 16, 8, 0})
        out.push_back(static_cast<char>((n >> shift) & 0xFF));
    out += data;
}

inline std::string libraryBytes(const std::vector<libraryImage>& images)
{
    std::string out;
    for (size_t i = 0; i < images.size(); ++i) {
        if (i > 0) {
            out += images[i].name;
            out.push_back('\0');
        }
        appendRecord(out, images[i]);
    }
    return out;
}

// Loads an image library from bytes through a file, as Load Images does.
inline bool loadLibrary(const std::string& bytes)
{
    scratchFile file(bytes);
    gfileName name;
    name.fullPath = file.path().c_str();
    return imageLibrary().load(name);
}

} // namespace screenTests
