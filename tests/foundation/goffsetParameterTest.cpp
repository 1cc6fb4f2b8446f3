#include "foundation/goffsetParameter.h"

#include "g2driver/model/g2driverDataObject.h"
#include "store/CObjectFile.h"
#include "store/gusedByList.h"
#include "store/storeFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class owner : public greferrer {
public:
    void describeReferrer(gstr& text) const override { text.append("source"); }
};

std::string written(const goffsetParameter& record)
{
    tempFolder folder;
    std::string path = folder.path("value.txt");
    CObjectFile file;
    file.open(gstrSlice(path.c_str()), CObjectFile::modeWrite, false);
    record.write(file, 1);
    file.close();
    std::string bytes = fileBytes(path);
    return bytes.substr(0, bytes.find('\r'));
}

TEST(goffsetParameter, ValuesReadAndWrittenBack)
{
    struct row {
        const char* value;
        int result;
        const char* written; // null: nothing to write back
    };
    const row rows[] = {
        {"Ch, 4, 2", 1, "Ch, 4, 2, 0"},
        {"Ch, 4", 0, nullptr},
        {"Ch, -4, -2, -1", 1, "Ch, -4, -2, -1"},
        {"Ch, 0, 1, 0, 5", 0, nullptr},
        {"Ch, 0, 1, 0, 5, 5", 1, "Ch, 0, 1, 0, 5, 5"},
        {"Ch, 0, 1, 0, 6, 5", 0, nullptr},
        {"Ch, 0, 1, 0, 0, 4294967295", 1, "Ch, 0, 1, 0"},
        {"Ch, 0, 1, 0, 0, 100", 1, "Ch, 0, 1, 0, 0, 100"},
        {"Ch, 0, 1, 0, 1, 4294967295", 1, "Ch, 0, 1, 0, 1, 4294967295"},
        {"Ch, 0, 1, 0, -1, 5", 0, nullptr},
        {"Ch, 0, 1, 0, 1, 5, 7", 2, nullptr},
        {"\"A, b\", 1, 1", 1, "\"A, b\", 1, 1, 0"},
        {", 1, 1", 0, nullptr},
        {"Ch", 0, nullptr},
        {"Ch, x, 1", 0, nullptr},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.value);
        g2driverDataObject object;
        goffsetParameter record;
        const char* cursor = nullptr;
        EXPECT_EQ(record.parse(object, r.value, cursor), r.result);
        if (r.written) {
            EXPECT_EQ(written(record), r.written);
        }
    }
}

TEST(goffsetParameter, ParameterIsBoundAndTyped)
{
    g2driverDataObject object;
    goffsetParameter record;
    const char* cursor = nullptr;
    ASSERT_EQ(record.parse(object, "New, 1, 1", cursor), 1);
    g2driverParameter* created = object.parameters().find("New");
    ASSERT_EQ(record.getParameter(), created);
    EXPECT_FALSE(created->isDefined());
    EXPECT_EQ(created->getKind(), g2valueKind::digital);
    EXPECT_EQ(created->getScope(), 1);

    object.parameters().reference("Level")->setKind(g2valueKind::analog);
    goffsetParameter analog;
    EXPECT_EQ(analog.parse(object, "Level, 1, 1", cursor), 0);
    EXPECT_EQ(analog.getParameter(), object.parameters().find("Level"));
    EXPECT_EQ(analog.getParameter()->getKind(), g2valueKind::analog);
}

TEST(goffsetParameter, ReferencesAndRebinding)
{
    g2driverDataObject first;
    g2driverDataObject second;
    goffsetParameter record;
    const char* cursor = nullptr;
    ASSERT_EQ(record.parse(first, "Ch, 0, 2, 1, 3, 9", cursor), 1);
    owner source;
    gusesList uses(&source);
    record.addReferences(uses);
    EXPECT_FALSE(first.parameters().find("Ch")->usedBy().isUnused());

    g2driverParameter* moved = record.rebindParameter(second.parameters());
    EXPECT_EQ(moved, second.parameters().find("Ch"));
    EXPECT_EQ(moved->getKind(), g2valueKind::untyped);
    goffsetParameter copy = record;
    EXPECT_EQ(copy.getParameter(), moved);
    EXPECT_EQ(copy.getFactor(), 2);
    EXPECT_EQ(copy.getLowest(), 3u);
    EXPECT_EQ(copy.getHighest(), 9u);
}

} // namespace
