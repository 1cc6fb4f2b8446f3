#include "g2driver/model/g2driverCommandElement.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "g2driverTestSupport.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <set>
#include <string>
#include <vector>

namespace {

class driverFixture : public emptyStation {
protected:
    int loadFile(const std::string& path) { return loadObjectFile(gstrSlice(path.c_str()), false, false); }
    std::string saved()
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
        return fileBytes(out);
    }
    g2driver* meter() { return station::g2Drivers().find("Meter"); }

    tempFolder folder;
    recordingMessages messages;
};

TEST_F(driverFixture, EveryElementKindLoadsAndSavesByteForByte)
{
    ASSERT_EQ(loadFile(g2Fixture("meter.stn")), gloadError::none) << messages.lastText();
    std::string first = saved();
    EXPECT_EQ(first, fileBytes(g2Fixture("meter.expected.stn")));
    emptyAll();
    ASSERT_EQ(loadFile(g2Fixture("meter.expected.stn")), gloadError::none) << messages.lastText();
    EXPECT_EQ(saved(), first);

    g2driverCommandTemplate* read = meter()->templates().find("Read");
    ASSERT_NE(read, nullptr);
    std::set<int> commandKinds;
    std::vector<std::string> commandTexts;
    for (int32_t i = 0; i < read->elements().size(); ++i) {
        commandKinds.insert(read->elements()[i]->typeId());
        commandTexts.emplace_back(read->elements()[i]->describe().view());
    }
    EXPECT_EQ(commandKinds.size(), 11u);
    EXPECT_EQ(commandTexts, (std::vector<std::string>{"\"\\x02R\"", "Data length", "Address", "Mode", "Hold", "Scale",
                                                      "Tag", "2 bistate parameter bits", "0.25s delay", "Body",
                                                      "Checksum", "Checksum"}));
    std::set<int> responseKinds;
    std::vector<std::string> responseTexts;
    for (const g2driverResponseList* list : {&read->responses(), &read->errors()}) {
        for (int32_t i = 0; i < list->count(); ++i) {
            responseKinds.insert(list->element(i)->getType());
            responseTexts.emplace_back(list->element(i)->describe().view());
        }
    }
    EXPECT_EQ(responseKinds.size(), 13u);
    EXPECT_EQ(responseTexts, (std::vector<std::string>{"\"\\x02\"", "Command element number 3", "Address", "Mode",
                                                       "Hold", "Scale", "Tag", "Count", "Unit", "\"#\"", "Values",
                                                       "Tail", "Checksum", "\"\\x15\"", "Code", "Fault",
                                                       "Message"}));
    EXPECT_TRUE(read->hasResponseData());
    EXPECT_EQ(read->errors().element(2)->getErrorCode(), meter()->errorCodes().find("Fault"));
}

TEST_F(driverFixture, ReferrersDescribeThemselves)
{
    ASSERT_EQ(loadFile(g2Fixture("meter.stn")), gloadError::none) << messages.lastText();
    gstr users("");
    meter()->templates().find("Read")->usedBy().describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe command ReadInlet in device driver Flow meter, G2");
    users.assign("");
    meter()->parameters().find("Address")->describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe command template Read in device driver Flow meter, G2"
                            "\nThe command template Read in device driver Flow meter, G2");
    users.assign("");
    meter()->programs().find("Crc")->describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe command template Read in device driver Flow meter, G2");
    users.assign("");
    meter()->commands().find("ReadInlet")->parameters().find("Count")->describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe initialization sequence\nThe data object Flow in device driver Flow meter, G2"
                            "\nA command element");
    users.assign("");
    meter()->errorCodes().find("Message")->usedBy().describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe command template Read in device driver Flow meter, G2"
                            "\nThe command template Read in device driver Flow meter, G2");
}

// Copies made for editing, in another driver, write what the originals
// write: every element, value, data name and default is copied and bound in
// the copy's tables.
TEST_F(driverFixture, EditableCopiesWriteWhatTheOriginalsWrite)
{
    ASSERT_EQ(loadFile(g2Fixture("meter.stn")), gloadError::none) << messages.lastText();
    g2driver* source = meter();
    g2driver* copy = station::g2Drivers().define("Copy");
    copy->parameters().copyFrom(source->parameters(), false);
    // The error-code elements name only codes the copy's driver defines.
    ASSERT_EQ(feedLines(*copy, "ERROR_CODE Fault, NUMERICAL VALUE\nERROR_CODE Message, STRING VALUE"), gload::accepted);
    for (const char* tag : {"Read"}) {
        g2driverCommandTemplate* original = source->templates().find(tag);
        g2driverCommandTemplate* edited = copy->templates().define(tag);
        edited->copyFrom(*original, copy->parameters(), &copy->programs(), copy->errorCodes());
        edited->setDriver(copy);
        EXPECT_EQ(writtenBlock(*edited), writtenBlock(*original));
    }
    g2driverCommand* command = source->commands().find("ReadInlet");
    g2driverCommand* commandCopy = copy->commands().define("ReadInlet");
    commandCopy->copyFrom(*command, copy->templates(), &copy->programs(), true);
    EXPECT_EQ(writtenBlock(*commandCopy), writtenBlock(*command));
    EXPECT_FALSE(commandCopy->isUnused());
    for (const char* tag : {"Flow", "Running", "State"}) {
        g2driverDataObject* object = source->dataObjects().find(tag);
        g2driverDataObject* objectCopy = copy->dataObjects().define(tag);
        objectCopy->copyFrom(*object, {copy->commands(), copy->dataObjects(), copy->programs()}, false);
        EXPECT_EQ(writtenBlock(*objectCopy), writtenBlock(*object));
    }
}

// The Edit Device Driver dialog's apply: commands and data objects keep
// their identity, so the sequences that name them stay bound; the driver
// writes the same.
TEST_F(driverFixture, EditedTablesReplaceTheDriversOwn)
{
    ASSERT_EQ(loadFile(g2Fixture("meter.stn")), gloadError::none) << messages.lastText();
    g2driver* driver = meter();
    std::string before = writtenBlock(*driver);
    g2driverCommand* command = driver->commands().find("ReadInlet");

    jhashTypedDatabaseTable<g2driverCommandTemplate> templates(10);
    templates.define("Read")->copyFrom(*driver->templates().find("Read"), driver->parameters(), &driver->programs(),
                                       driver->errorCodes());
    jhashTypedDatabaseTable<g2driverCommand> commands(20);
    commands.define("ReadInlet")->copyFrom(*command, templates, &driver->programs(), true);
    jhashTypedDatabaseTable<g2driverDataObject> objects(50);
    for (const char* tag : {"Flow", "Running", "State"})
        objects.define(tag);
    for (const char* tag : {"Flow", "Running", "State"})
        objects.find(tag)->copyFrom(*driver->dataObjects().find(tag), {commands, objects, driver->programs()}, true);

    driver->replaceTemplates(templates);
    driver->replaceCommands(commands);
    driver->replaceDataObjects(objects);
    EXPECT_EQ(driver->commands().find("ReadInlet"), command);
    EXPECT_EQ(command->getTemplate(), driver->templates().find("Read"));
    EXPECT_EQ(driver->firstTimeSequence().isEmpty(), false);
    EXPECT_EQ(writtenBlock(*driver), before);
    gstr undefined("");
    driver->listUndefinedReferences(undefined);
    EXPECT_TRUE(undefined.isEmpty()) << undefined.view();
}

} // namespace
