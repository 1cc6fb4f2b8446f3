#include "store/gstorable.h"

#include "foundation/gfault.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "storeFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A record that opens a nested record on each DATA line and keeps the tokens
// it received; a record named "broken" is never complete.
class record : public gstorable {
public:
    explicit record(const char* name) : name_(name) {}

    void writeHeader(CObjectFile& file, int indent) const override
    {
        gkeyword::byToken(kw::DATA).writeKey(file, indent);
        file.writeQuoted(name_);
        file.newLine();
    }
    void writeFields(CObjectFile& file, int indent) const override
    {
        gkeyword::byToken(kw::VALUE).writeKey(file, indent);
        file.writeInt(static_cast<int32_t>(received.size()), 1);
        for (const auto& child : children)
            child->writeEmbedded(file, indent);
    }
    gloadStatus loadField(int token, gstr& value) override
    {
        received.push_back(token);
        if (token == kw::DATA) {
            children.push_back(std::make_unique<record>("child"));
            loadEmbeddedObject(children.back().get());
            return gload::accepted;
        }
        if (token == kw::VALUE)
            return gload::accepted;
        return gstorable::loadField(token, value);
    }
    void afterLoad() override { ++afterLoads; }
    bool isComplete() const override { return std::string(name_) != "broken"; }

    const char* name_;
    std::vector<int> received;
    std::vector<std::unique_ptr<record>> children;
    int afterLoads = 0;
};

gloadStatus line(gstorable& object, int token, const char* value = "")
{
    gstr v(value);
    return object.loadLine(token, v);
}

TEST(storable, NestedLinesGoToTheInnermostObjectUntilItsEnd)
{
    record outer("outer");
    EXPECT_EQ(line(outer, kw::DATA), gload::accepted);
    EXPECT_EQ(line(outer, kw::DATA), gload::accepted);
    EXPECT_EQ(line(outer, kw::VALUE), gload::accepted);
    ASSERT_EQ(outer.children.size(), 1u);
    record& middle = *outer.children[0];
    ASSERT_EQ(middle.children.size(), 1u);
    record& inner = *middle.children[0];
    EXPECT_EQ(inner.received, (std::vector<int>{kw::VALUE}));

    // The innermost END closes only the innermost level.
    EXPECT_EQ(line(outer, kw::END), gload::accepted);
    EXPECT_EQ(inner.afterLoads, 1);
    EXPECT_EQ(line(outer, kw::VALUE), gload::accepted);
    EXPECT_EQ(middle.received, (std::vector<int>{kw::DATA, kw::VALUE}));
    EXPECT_EQ(line(outer, kw::END), gload::accepted);
    EXPECT_EQ(line(outer, kw::END), gload::finished);
    EXPECT_EQ(outer.afterLoads, 1);
}

TEST(storable, StatusesOfBadLines)
{
    record outer("outer");
    EXPECT_EQ(line(outer, kw::TITLE), gload::unknownKeyword);
    EXPECT_EQ(line(outer, kw::END, "x"), gload::invalidValue);
    EXPECT_EQ(outer.afterLoads, 0);

    record broken("broken");
    EXPECT_EQ(line(broken, kw::END), gload::incomplete);

    // An inner answer other than finished goes up unchanged.
    EXPECT_EQ(line(outer, kw::DATA), gload::accepted);
    EXPECT_EQ(line(outer, kw::PROGRAM), gload::unknownKeyword);
    EXPECT_EQ(line(outer, kw::END, "x"), gload::invalidValue);

    record other("other");
    try {
        outer.loadEmbeddedObject(&other);
        FAIL() << "a second target was accepted";
    } catch (const gfault& f) {
        EXPECT_STREQ(f.what(), "target not NULL in gstorable::loadEmbeddedObject()");
    }
}

TEST(storable, CopyStartsWithoutTarget)
{
    struct plain : gstorable {
        void writeHeader(CObjectFile&, int) const override {}
    } reading, nested;
    reading.loadEmbeddedObject(&nested);
    plain copy(reading);
    EXPECT_EQ(line(copy, kw::END), gload::finished);
    EXPECT_EQ(line(reading, kw::END), gload::accepted);
}

TEST(storable, BooleanKeyword)
{
    struct {
        const char* value;
        gloadStatus status;
        int32_t field;
    } cases[] = {
        {"yes", gload::accepted, 1}, {"No", gload::accepted, 0},       {"YES, NO", gload::invalidValue, -1},
        {"TRUE", gload::invalidValue, -1}, {"MAYBE", gload::invalidValue, -1}, {"", gload::invalidValue, -1},
    };
    for (const auto& c : cases) {
        int32_t field = -1;
        EXPECT_EQ(loadBooleanKeyword(gstr(c.value), field, kw::YES, kw::NO), c.status) << c.value;
        EXPECT_EQ(field, c.field) << c.value;
    }
    int32_t field = 0;
    EXPECT_EQ(loadBooleanKeyword(gstr("YES"), field, kw::YES, kw::NO), gload::alreadyLoaded);
}

class storableFile : public testing::Test {
protected:
    template <class F>
    std::string written(F&& write)
    {
        CObjectFile file;
        EXPECT_EQ(file.open(folder.path("out").c_str(), CObjectFile::modeWrite, false), 1);
        write(file);
        EXPECT_TRUE(file.close());
        return fileBytes(folder.path("out"));
    }

    tempFolder folder;
};

TEST_F(storableFile, MaskGroupReadsAndWritesBothMasks)
{
    gbitMaskSetting setting;
    EXPECT_EQ(setting.loadField(kw::MASK, gstr("0")), gload::invalidValue);
    EXPECT_EQ(setting.loadField(kw::MASK, gstr("5, x")), gload::invalidValue);
    EXPECT_EQ(setting.loadField(kw::MASK, gstr("5, 9")), gload::accepted);
    EXPECT_EQ(setting.loadField(kw::MASK, gstr("7")), gload::alreadyLoaded);
    EXPECT_EQ(setting.loadField(kw::INVERT, gstr("yes")), gload::accepted);
    EXPECT_EQ(setting.loadField(kw::TITLE, gstr("x")), gload::unknownKeyword);
    EXPECT_EQ(written([&](CObjectFile& f) { setting.write(f, 1); }), "\tMASK\t\t5, 9\r\n\tINVERT\t\tYES\r\n");

    gbitMaskSetting single;
    single.invert = 0;
    EXPECT_EQ(single.loadField(kw::MASK, gstr("4294967295")), gload::accepted);
    EXPECT_EQ(written([&](CObjectFile& f) { single.write(f, 2); }), "\t\tMASK\t\t4294967295\r\n");
}

TEST_F(storableFile, NestedObjectsAreWrittenOneLevelDeeper)
{
    record outer("outer");
    line(outer, kw::DATA);
    line(outer, kw::DATA);
    EXPECT_EQ(written([&](CObjectFile& f) { outer.writeEmbedded(f, 0); }),
              "DATA\t\touter\r\n"
              "\tVALUE\t\t1\r\n"
              "\tDATA\t\tchild\r\n"
              "\t\tVALUE\t\t1\r\n"
              "\t\tDATA\t\tchild\r\n"
              "\t\t\tVALUE\t\t0\r\n"
              "\t\tEND\r\n"
              "\tEND\r\n"
              "END\r\n");
}

} // namespace
