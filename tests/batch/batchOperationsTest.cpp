#include "batch/batchOperations.h"
#include "legacy/glegacyParameter.h"
#include "store/gstation.h"
#include "store/storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

const gbatchTexts texts{10184, 10200, 10139, 20155, 20163, 20124, 20132, 20156, 20164,
                        20125, 10025, 10026, 10027, 10014, 10015};

class batchCopies : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        for (const char* tag : {"PUMP1", "TANK1", "X"}) {
            glegacyParameter* p = station::legacyParameters().define(tag);
            p->setDefaultValue("0");
        }
        station::legacyParameters().find("TANK1")->setTitle("Tank");
    }
    std::vector<gtitledObject*> all(std::initializer_list<const char*> tags)
    {
        std::vector<gtitledObject*> objects;
        for (const char* tag : tags)
            objects.push_back(station::legacyParameters().find(tag));
        return objects;
    }
    gbatchKindOf<glegacyParameter> kind{texts, station::legacyParameters, nullptr};
    recordingMessages user;
};

TEST_F(batchCopies, TagsThatCannotBeUsedAreLogged)
{
    gbatchFind find{gstr("1"), gstr(""), false, true};
    gbatchCopies copies = copyObjects(kind, all({"PUMP1", "TANK1", "X"}), find, false);
    ASSERT_EQ(copies.order.size(), 2u);
    // Without Names a copy of an untitled object keeps showing the old tag.
    EXPECT_EQ(std::string(copies.order[0]->getTag().view()), "PUMP");
    EXPECT_EQ(std::string(copies.order[0]->getTitle(true).view()), "PUMP1");
    EXPECT_EQ(std::string(copies.order[1]->getTitle(true).view()), "Tank");
    EXPECT_EQ(std::string(copies.log.view()),
              "\nThe tag \"X\" does not contain the find string: X not duplicated");

    // Accepting the log adds the copies; the report counts them.
    user.warningListAnswers.push_back(true);
    std::vector<gtitledObject*> added = addCopies(kind, copies);
    EXPECT_EQ(added.size(), 2u);
    EXPECT_NE(station::legacyParameters().find("TANK"), nullptr);
    EXPECT_EQ(user.lastText(), "2 new parameters were created.");
    EXPECT_EQ(stationState().modified, 1);

    // A tag that would become empty, or one that is taken.
    gbatchFind whole{gstr("X"), gstr(""), false, true};
    gbatchCopies none = copyObjects(kind, all({"X"}), whole, true);
    EXPECT_EQ(std::string(none.log.view()), "\nThe tag \"X\" would become empty: X not duplicated");
    gbatchFind taken{gstr("1"), gstr(""), false, true};
    gbatchCopies again = copyObjects(kind, all({"PUMP1"}), taken, true);
    EXPECT_EQ(std::string(again.log.view()), "\nA parameter with tag PUMP already exists: PUMP1 not duplicated");
    // Cancel destroys the copies and reports nothing.
    user.messages.clear();
    EXPECT_TRUE(addCopies(kind, again).empty());
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(batchCopies, TitleStep)
{
    glegacyParameter* tank = station::legacyParameters().find("TANK1");
    gbatchFind find{gstr("Tank"), gstr("TANK1"), false, true};
    // A title that becomes the tag is cleared.
    EXPECT_EQ(replaceInTitle(*tank, find), 1);
    EXPECT_FALSE(tank->hasTitle());
    EXPECT_EQ(replaceInOwnTitle(*station::legacyParameters().find("PUMP1"), find), 0);
}

} // namespace
