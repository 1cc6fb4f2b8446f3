#include "store/stationFile.h"

#include "g2driver/model/g2driver.h"
#include "legacy/glegacyMask.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gloadProgress.h"
#include "store/gstation.h"
#include "storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

std::string fixture(const std::string& name) { return std::string(KORVEL_TEST_DATA_DIR) + "/store/fixtures/" + name; }

// The nine banner lines and five empty lines that head every saved file.
std::string banner()
{
    std::string saved = fileBytes(fixture("library.expected.kdl"));
    return saved.substr(0, saved.find("MASK"));
}

class stationFile : public emptyStation {
protected:
    int load(const std::string& path, bool libraryMode = false, bool intoLibrary = false)
    {
        return loadObjectFile(gstrSlice(path.c_str()), libraryMode, intoLibrary);
    }
    std::string saved(bool driversOnly = false)
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), driversOnly), gsaveError::none);
        return fileBytes(out);
    }
    static bool stationIsEmpty()
    {
        for (const gobjectType* t : allTypes()) {
            if (t->stationTable().count() != 0 || (t->libraryTable() && t->libraryTable()->count() != 0))
                return false;
        }
        return true;
    }

    // Loads the text as a station file; answers the titles of the programs
    // P1, P2 and P3, "-" for one that did not load.
    std::string loadedTitles(const std::string& text)
    {
        emptyAll();
        putFile(folder.path("in.stn"), text);
        EXPECT_EQ(load(folder.path("in.stn")), gloadError::none);
        std::string titles;
        for (const char* tag : {"P1", "P2", "P3"}) {
            const gsclProgram* program = station::programs().find(tag);
            titles += program ? std::string(program->getTitle(true).view()) + ";" : "-;";
        }
        return titles;
    }

    tempFolder folder;
    recordingMessages messages;
};

TEST_F(stationFile, EveryTypeSavesAsTheHandWrittenFileAndRoundTrips)
{
    ASSERT_EQ(load(fixture("everyType.stn")), gloadError::none);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(stationState().open, 1);
    std::string first = saved();
    EXPECT_EQ(first, fileBytes(fixture("everyType.expected.stn")));

    emptyAll();
    putFile(folder.path("again.stn"), first);
    ASSERT_EQ(load(folder.path("again.stn")), gloadError::none);
    EXPECT_EQ(saved(), first);

    // The loaded references point at the defined objects.
    gserialPort* com1 = station::serialPorts().find("COM1");
    ASSERT_NE(com1, nullptr);
    EXPECT_EQ(com1->getLinkedPort(), station::serialPorts().find("COM2"));
    gsclProgram* program = station::programs().find("OnMessage");
    EXPECT_EQ(com1->getMessageControl().getProgram(), program);
    gstr users("");
    program->describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe serial port Line 1, north");
}

TEST_F(stationFile, LibraryLoadsAndSavesDriverObjectsOnly)
{
    ASSERT_EQ(load(fixture("library.kdl"), true), gloadError::none);
    EXPECT_EQ(saved(), fileBytes(fixture("library.expected.kdl")));
    EXPECT_TRUE(holdsOnlyDriverObjects());

    ASSERT_EQ(load(fixture("everyType.stn")), gloadError::objectExists);
    emptyAll();
    ASSERT_EQ(load(fixture("everyType.stn")), gloadError::none);
    EXPECT_EQ(saved(true), banner() +
                               "MASK M1\r\n\tTITLE\t\tMask \"one\"\r\n\tPATTERN2\t#+\r\n"
                               "\tBUFFER_SIZE\t40\r\n\tTIMEOUT\t\t1\r\nEND\r\n\r\n"
                               "DRIVER D1\r\n\tDELAY\t\t0\r\nEND\r\n\r\n"
                               "G2DRIVER G1\r\n\tTITLE\t\tG2 driver\r\n\tRETRIES\t\t1\r\nEND\r\n\r\n");
}

// A comment longer than a read block leaves the block's fast path: the lines
// after it, LF-ended, still load, whether the comment's first word is "#"
// alone or the whole comment.
TEST_F(stationFile, ObjectsAfterACommentLongerThanAReadBlockLoad)
{
    constexpr size_t block = CObjectFile::readBlockSize;
    const std::string expected = "First;Second;P3;";
    for (size_t length : {block + 1, 3 * block + 7}) {
        for (const char* start : {"# ", "#"}) {
            SCOPED_TRACE(std::string(start) + std::to_string(length));
            std::string comment = start + std::string(length, 'c') + "\n";
            EXPECT_EQ(loadedTitles(comment + "PROGRAM P1\n\tTITLE\t\tFirst\nEND\nPROGRAM P2\n\tTITLE\t\tSecond\n"
                                             "END\nPROGRAM P3\nEND\n"),
                      expected);
            EXPECT_EQ(loadedTitles("PROGRAM P1\n" + comment + "\tTITLE\t\tFirst\nEND\n" + comment
                                   + "PROGRAM P2\n\tTITLE\t\tSecond\nEND\nPROGRAM P3\nEND\n"),
                      expected);
        }
    }
}

// A CR that no LF follows is white space, also before a line's first word
// and also when it is the last byte of a read block: the same lines read
// alike at every offset across the block boundary.
TEST_F(stationFile, AStrayCarriageReturnBeforeTheFirstWordReadsAlikeAtEveryBlockOffset)
{
    constexpr int block = CObjectFile::readBlockSize;
    const std::string lines = "\rPROGRAM P1\n \r\tTITLE\t\tFirst\n\r END\n\r\rPROGRAM P2\n\r\r\tTITLE\tSecond\n\rEND\n";
    for (const char* lineEnd : {"\n", "\r\n"}) {
        std::string text = lines;
        if (*lineEnd == '\r') {
            for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
                text.insert(at, 1, '\r');
        }
        for (int pad = block - 64; pad < block + 8; ++pad) {
            SCOPED_TRACE(std::to_string(pad) + (*lineEnd == '\r' ? " CR LF" : " LF"));
            std::string head = "#" + std::string(static_cast<size_t>(pad), 'x') + lineEnd;
            EXPECT_EQ(loadedTitles(head + text), "First;Second;-;");
        }
    }
}

TEST_F(stationFile, BannerOnlyIsAnEmptyStation)
{
    putFile(folder.path("empty.stn"), banner());
    ASSERT_EQ(load(folder.path("empty.stn")), gloadError::none);
    EXPECT_EQ(stationState().open, 1);
    EXPECT_TRUE(stationIsEmpty());
    EXPECT_EQ(saved(), fileBytes(folder.path("empty.stn")));
}

TEST_F(stationFile, EveryLoadErrorIsReportedWithItsLine)
{
    struct {
        const char* file;
        int code;
        int line;
        const char* text;
    } cases[] = {
        {"error02-unknownType.stn", 2, 3, "Unknown object type"},
        {"error03-requestInLibrary.kdl", 3, 3, "Object type not allowed in device driver library"},
        {"error04-unknownField.stn", 4, 3, "Unknown field identifier"},
        {"error04-fieldOfAnotherObject.stn", 4, 2, "Unknown field identifier"},
        {"error05-invalidName.stn", 5, 1, "Invalid object name"},
        {"error06-invalidValue.stn", 6, 2, "Invalid field value"},
        {"error07-missingName.stn", 7, 2, "Missing object name"},
        {"error08-missingValue.stn", 8, 2, "Missing field value"},
        {"error09-missingEnd.stn", 9, 3, "Missing \"END\""},
        {"error10-alreadyExists.stn", 10, 4, "Object already exists"},
        {"error11-loadedTwice.stn", 11, 3, "Field has already been loaded"},
        {"error12-incomplete.stn", 12, 4, "Incomplete or inconsistent object"},
        {"error13-registerKind.stn", 13, 1, "Register was already referenced as a different type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        emptyAll();
        messages.messages.clear();
        // A register referred to as digital before its definition is read.
        if (c.code == 13)
            station::registers().reference("R1")->setObjectType(objectTypes::digitalRegister());
        std::string path = fixture(c.file);
        EXPECT_EQ(load(path, isLibraryFileName(gstrSlice(path.c_str()))), c.code);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.lastText(),
                  std::string(c.text) + " on line " + std::to_string(c.line) + " of file " + path + ".");
        EXPECT_EQ(messages.messages[0].icon, gicon::warning);
        EXPECT_EQ(messages.messages[0].promptId, 20099 + c.code);
        EXPECT_TRUE(stationIsEmpty());
    }
}

// A NUL byte would end the value for every reader of C text: the value is
// refused with its line instead of being cut short.
TEST_F(stationFile, ANulByteInAValueIsRefusedWithItsLine)
{
    using namespace std::string_literals;
    struct {
        std::string text;
        int code;
        int line;
    } const cases[] = {
        {"PROGRAM P\n\tTITLE\t\ta\0b\nEND\n"s, gloadError::invalidFieldValue, 2},
        {"PROGRAM P\n\tTITLE\t\t\"a\0b\"\nEND\n"s, gloadError::invalidFieldValue, 2},
        {"BISTATE_REG A1\n\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tR\0"s "1\n\tEND\nEND\n", gloadError::invalidFieldValue, 3},
        {"PROGRAM R\0"s "1\nEND\n", gloadError::invalidObjectName, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        emptyAll();
        messages.messages.clear();
        std::string path = folder.path("nul.stn");
        putFile(path, c.text);
        EXPECT_EQ(load(path), c.code);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.lastText().find(" on line " + std::to_string(c.line) + " "), std::string::npos)
            << messages.lastText();
        EXPECT_TRUE(stationIsEmpty());
    }
}

TEST_F(stationFile, UndefinedReferencesAreListedAtTheEnd)
{
    EXPECT_EQ(load(fixture("error15-undefined.stn")), gloadError::undefinedObjects);
    EXPECT_EQ(messages.lastText(), "The following non-existent objects were referenced by other objects:\n"
                                   "\n serial port: \"C9\"\n SCL program: \"Missing\"");
    EXPECT_EQ(stationState().open, 0);
    EXPECT_TRUE(stationIsEmpty());
}

TEST_F(stationFile, ModifiedFlagFollowsLoadsAndSaves)
{
    stationState().modified = 1;
    ASSERT_EQ(load(fixture("library.kdl"), true, true), gloadError::none);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_NE(driverLibrary::g2Drivers().find("G1"), nullptr);
    EXPECT_EQ(driverLibrary::g2Drivers().find("G1")->getLibraryFlag(), 1);
    EXPECT_EQ(station::g2Drivers().find("G1"), nullptr);
    clearObjectDatabase(true);
    EXPECT_EQ(driverLibrary::g2Drivers().count(), 0);

    ASSERT_EQ(load(fixture("everyType.stn")), gloadError::none);
    EXPECT_EQ(stationState().modified, 0);
    stationState().modified = 1;
    saved(true);
    EXPECT_EQ(stationState().modified, 1);
    saved();
    EXPECT_EQ(stationState().modified, 0);

    // An import that fails empties only the library tables.
    stationState().modified = 1;
    EXPECT_EQ(load(fixture("error03-requestInLibrary.kdl"), true, true), gloadError::typeNotInLibrary);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_NE(station::programs().find("OnMessage"), nullptr);
    EXPECT_EQ(driverLibrary::legacyMasks().count(), 0);

    closeObjectDatabase();
    EXPECT_EQ(stationState().open, 0);
    EXPECT_TRUE(stationIsEmpty());
}

TEST_F(stationFile, ProgressReportsLengthThenEveryLineStart)
{
    struct recorder : gloadProgress {
        void setRange(int64_t length) override { range = length; }
        void setPosition(int64_t position) override { positions.push_back(position); }
        int64_t range = -1;
        std::vector<int64_t> positions;
    } progress;
    putFile(folder.path("p.stn"), "DRIVER M\r\n\tTITLE t\r\n\r\nEND\r\n");
    installLoadProgress(&progress);
    EXPECT_EQ(load(folder.path("p.stn")), gloadError::none);
    installLoadProgress(nullptr);
    EXPECT_EQ(progress.range, 27);
    EXPECT_EQ(progress.positions, (std::vector<int64_t>{0, 10, 20, 22, 27}));
}

long peakMemoryKb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A line is judged by its first word: an endless word (64 MB of NUL bytes,
// in a file's first line or in a field line) is refused without being held
// in memory whole.
TEST_F(stationFile, EndlessFirstWordIsRefusedWithoutReadingItWhole)
{
    constexpr off_t endless = off_t{64} << 20;
    struct {
        const char* head;
        int code;
        int line;
        const char* text;
    } cases[] = {
        {"", 2, 1, "Unknown object type"},
        {"DRIVER M\r\n\t", 4, 2, "Unknown field identifier"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.head);
        emptyAll();
        messages.messages.clear();
        std::string path = folder.path("nul.stn");
        putFile(path, c.head);
        // Sparse: the zero bytes cost the disk nothing.
        ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(std::string(c.head).size()) + endless), 0);
        long before = peakMemoryKb();
        EXPECT_EQ(load(path), c.code);
        EXPECT_LT(peakMemoryKb() - before, 16 * 1024);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.lastText(),
                  std::string(c.text) + " on line " + std::to_string(c.line) + " of file " + path + ".");
    }
}

TEST_F(stationFile, UnopenableFileAnswersOneAfterTheRetryBox)
{
    EXPECT_EQ(load(folder.path("missing.stn")), gloadError::notOpened);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].buttons, gbuttons::retryCancel);
    EXPECT_EQ(saveObjectFile(gstrSlice(folder.path("no/such/folder.stn").c_str()), false), gsaveError::notOpened);
}

TEST_F(stationFile, ReadErrorFailsTheLoadInsteadOfEndingIt)
{
    // Reading /proc/self/mem at offset 0 fails with EIO: the reader must not
    // take that for the end of an empty station.
    EXPECT_EQ(loadObjectFile("/proc/self/mem", false, false), gloadError::notOpened);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.lastText(), "An error occured accessing the file \"/proc/self/mem.\"");
    EXPECT_EQ(stationState().open, 0);
}

TEST_F(stationFile, LibraryNamesByTheirEnding)
{
    EXPECT_TRUE(isLibraryFileName("a/b.KDL"));
    EXPECT_TRUE(isLibraryFileName("drivers.Korvel-Drivers"));
    EXPECT_FALSE(isLibraryFileName("a.kdl.stn"));
    EXPECT_FALSE(isLibraryFileName("kdl"));
}

} // namespace
