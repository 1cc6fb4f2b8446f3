#include "store/gstation.h"
#include "store/gusedByList.h"

#include "foundation/messageBoxes.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverProgram.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "sabus/gsabusRequest.h"
#include "scl/gsclProgram.h"
#include "screens/model/fscreen.h"
#include "screens/model/gimage.h"
#include "storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <memory>
#include <string>

namespace {

// A referring object that describes itself by a fixed text.
class referrer final : public greferrer {
public:
    explicit referrer(const char* text) : text_(text), uses(this) {}
    void describeReferrer(gstr& text) const override { text.append(text_); }

    const char* text_;
    gusesList uses;
};

std::string usersOf(const gusedByList& list)
{
    gstr text("");
    list.describeUsers(text);
    return std::string(text.view());
}

using objectDatabase = emptyStation;

TEST_F(objectDatabase, ReferenceBeforeDefineTakesThePlaceholderOver)
{
    auto& programs = station::programs();
    gsclProgram* ref = programs.reference("P1");
    ASSERT_NE(ref, nullptr);
    EXPECT_FALSE(ref->isDefined());
    EXPECT_EQ(ref->getTag().view(), "P1");
    EXPECT_EQ(programs.reference("P1"), ref);
    EXPECT_EQ(stationState().unresolved, 1);
    // Tags differ by letter case.
    gsclProgram* lower = programs.reference("p1");
    EXPECT_NE(lower, ref);
    EXPECT_EQ(stationState().unresolved, 2);

    EXPECT_EQ(programs.define("P1"), ref);
    EXPECT_TRUE(ref->isDefined());
    EXPECT_EQ(stationState().unresolved, 1);
    EXPECT_EQ(programs.find("P1"), ref);

    // A second definition fails and changes nothing.
    EXPECT_EQ(programs.define("P1"), nullptr);
    EXPECT_TRUE(ref->isDefined());
    // A definition without an earlier reference leaves the count alone.
    EXPECT_NE(programs.define("P2"), nullptr);
    EXPECT_EQ(stationState().unresolved, 1);
    EXPECT_EQ(programs.count(), 3);
}

TEST_F(objectDatabase, EveryStationTableMakesPlaceholdersOfItsClass)
{
    EXPECT_NE(dynamic_cast<gimage*>(station::images().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<fscreen*>(station::screens().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<glegacyDriver*>(station::legacyDrivers().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<glegacyMask*>(station::legacyMasks().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<gregister*>(station::registers().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<gserialPort*>(station::serialPorts().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<glegacyParameter*>(station::legacyParameters().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<gsclProgram*>(station::programs().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<gsabusRequest*>(station::requests().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<g2driver*>(station::g2Drivers().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<glegacyDriver*>(driverLibrary::legacyDrivers().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<glegacyMask*>(driverLibrary::legacyMasks().reference("x")), nullptr);
    EXPECT_NE(dynamic_cast<g2driver*>(driverLibrary::g2Drivers().reference("x")), nullptr);
    EXPECT_EQ(stationState().unresolved, 13);

    // A table whose database part is not the element's first part.
    jhashTypedDatabaseTable<g2driverProgram> driverPrograms(5);
    g2driverProgram* p = driverPrograms.reference("run");
    EXPECT_EQ(driverPrograms.find("run"), p);
    EXPECT_EQ(driverPrograms.define("run"), p);
    EXPECT_EQ(p->programTag().view(), "run");
}

TEST_F(objectDatabase, CopyFromTakesOverEveryEntry)
{
    jhashTypedDatabaseTable<gsclProgram> source(100);
    source.define("A");
    station::programs().define("old");
    station::programs().copyFrom(source);
    EXPECT_EQ(source.count(), 0);
    EXPECT_NE(station::programs().find("A"), nullptr);
    EXPECT_EQ(station::programs().find("old"), nullptr);
}

TEST_F(objectDatabase, UsersAreListedOldestFirstAndGuardTheObject)
{
    recordingMessages rec;
    gsclProgram* program = station::programs().define("P");
    gusedByList& users = *program;
    EXPECT_TRUE(users.isUnused());
    EXPECT_EQ(usersOf(users), "");

    referrer first("Register R1"), second("Screen S1");
    first.uses.add(users);
    second.uses.add(users);
    EXPECT_FALSE(users.isUnused());
    EXPECT_EQ(usersOf(users), "\nRegister R1\nScreen S1");

    struct {
        int id;
        const char* text;
    } refusals[] = {
        {20024, "You cannot delete this item because it is used by the following:\n\nRegister R1\nScreen S1"},
        {20030, "You cannot change the tag of this this object because it is used by the following:\n"
                "\nRegister R1\nScreen S1"},
        {20055, "You cannot change the type of this this object because it is used by the following:\n"
                "\nRegister R1\nScreen S1"},
        {20066, "You cannot change this data object's type because it is used by the following:"
                "\nRegister R1\nScreen S1"},
    };
    for (const auto& r : refusals) {
        users.reportInUse(r.id);
        EXPECT_EQ(rec.lastText(), r.text);
        EXPECT_EQ(rec.messages.back().icon, gicon::warning);
    }

    // Moving a reference takes the user off the old object.
    gsclProgram* other = station::programs().define("Q");
    first.uses.set(*other);
    EXPECT_EQ(usersOf(users), "\nScreen S1");
    EXPECT_EQ(usersOf(*other), "\nRegister R1");
    second.uses.clear();
    EXPECT_TRUE(users.isUnused());
}

TEST_F(objectDatabase, EitherSideMayBeDestroyedFirst)
{
    auto referred = std::make_unique<gsclProgram>();
    auto user = std::make_unique<referrer>("user");
    user->uses.add(*referred);
    user->uses.add(*referred);
    referred.reset();
    EXPECT_FALSE(user->uses.isEmpty());
    user.reset();

    gsclProgram kept;
    {
        referrer gone("gone");
        gone.uses.add(kept);
    }
    EXPECT_TRUE(kept.isUnused());
}

TEST_F(objectDatabase, AliasShowsAnotherListAndLeavesItsUsers)
{
    gsclProgram program;
    referrer user("user");
    user.uses.add(program);
    {
        gusedByList alias;
        alias.makeAliasOf(program);
        EXPECT_EQ(usersOf(alias), "\nuser");
    }
    EXPECT_EQ(usersOf(program), "\nuser");
}

TEST_F(objectDatabase, ReferenceNodeListsMembersFirst)
{
    greferenceNode node;
    referrer own("own"), member("member");
    own.uses.add(node);
    EXPECT_FALSE(node.isUnused());
    member.uses.setInList(node.members().users());
    EXPECT_EQ(usersOf(node), "\nmember\nown");
    own.uses.clear();
    EXPECT_FALSE(node.isUnused());
    member.uses.clear();
    EXPECT_TRUE(node.isUnused());
}

} // namespace
