#include "store/CObjectFile.h"

#include "foundation/gfault.h"
#include "foundation/gmessageService.h"
#include "foundation/valueParsers.h"
#include "resources/stringTable.h"
#include "store/gkeyword.h"
#include "support/model/ordinaryUser.h"
#include "support/model/recordingMessages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class objectFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "korvelObjectFileXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char* name) const { return (dir / name).string(); }

    static std::string contents(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    static void put(const std::string& file, const std::string& bytes)
    {
        std::ofstream out(file, std::ios::binary);
        out << bytes;
    }

    // Opens a file holding bytes for reading in text mode.
    void openWith(CObjectFile& file, const std::string& bytes, bool binary = false)
    {
        put(path("in.stn"), bytes);
        ASSERT_EQ(file.open(path("in.stn").c_str(), CObjectFile::modeRead, binary), 1);
    }

    fs::path dir;
    recordingMessages messages;
};

std::string text(const gstr& s) { return s.isNull() ? "(null)" : std::string(s.view()); }

// Every line as the loader sees it: the first word, then the rest of the
// line, trimmed; blank lines give an empty word and the rest is skipped.
std::vector<std::string> lines(CObjectFile& file)
{
    std::vector<std::string> out;
    for (;;) {
        gstr token = file.readToken();
        if (token.isNull())
            return out;
        if (token.isEmpty()) {
            file.skipLine();
            out.push_back("|");
            continue;
        }
        gstr value = file.readValue();
        out.push_back(text(token) + "|" + text(value));
    }
}

TEST_F(objectFileTest, WrittenBytesOnDisk)
{
    CObjectFile file;
    ASSERT_EQ(file.open(path("out.stn").c_str(), CObjectFile::modeWrite, false), 1);
    file.writeBanner();
    file.writeString("PORT COM1\n");
    file.putChar('\t');
    file.writeString("BAUD\t\t");
    file.writeUnsigned(9600, 2);
    file.writeInt(-2147483647 - 1, 2);
    file.writeUnsigned(4294967295u, 1);
    file.writeString("\tTITLE\t\t");
    gstrSlice("a, b").write(file, 2);
    gstrSlice("plain").write(file, 2);
    gstrSlice(" \t\xE9").write(file, 1);
    file.writeString("\tFACTOR\t\t");
    file.writeReal(0.1, 2);
    file.writeReal(1e20, 2);
    file.writeReal(-1.5e-7, 1);
    file.writeString("\tADDRESS\t\t");
    const uint8_t address[4] = {192, 168, 0, 7};
    file.writeIpAddress(address, 0);
    file.newLine();
    file.writeString("END");
    file.newLine();
    EXPECT_TRUE(file.close());

    std::string expected = std::string(stringTableText(20115)) + "\n\n\n\n"
        + "PORT COM1\n"
          "\tBAUD\t\t9600, -2147483648, 4294967295\n"
          "\tTITLE\t\t\"a, b\", plain, \" \\t\\xE9\"\n"
          "\tFACTOR\t\t0.1, 1E+20, -1.5E-07\n"
          "\tADDRESS\t\t192.168.0.7\n"
          "END\n";
    std::string crlf;
    for (char c : expected) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(contents(path("out.stn")), crlf);
    EXPECT_EQ(contents(path("out.stn")).substr(0, 40), "######################################\r\n");
}

// Reals keep the 15 digits every file has when those read back to the same
// value; others get the fewest digits that do, so that neighbours one unit
// in the last place apart and the ends of the double range survive a save.
TEST_F(objectFileTest, ExactRealsReadBackToTheSameValue)
{
    const struct {
        double value;
        const char* written;
    } rows[] = {
        {0.1, "0.1"},
        {1e20, "1E+20"},
        {-1.5e-7, "-1.5E-07"},
        {1, "1"},
        {std::nextafter(1.0, 2.0), "1.0000000000000002"},
        {0.1 + 0.2, "0.30000000000000004"},
        {std::nextafter(-2.5, 0.0), "-2.4999999999999996"},
        {std::numeric_limits<double>::max(), "1.7976931348623157E+308"},
        {-std::numeric_limits<double>::max(), "-1.7976931348623157E+308"},
        {std::nextafter(std::numeric_limits<double>::max(), 0.0), "1.7976931348623155E+308"},
        {-1.79769313486231e308, "-1.79769313486231E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {1.0 / 3.0, "0.3333333333333333"},
        {1000000000000000.5, "1000000000000000.5"},
        {123456789012345678.0, "1.2345678901234568E+17"},
        {-0.0, "-0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written);
        CObjectFile file;
        ASSERT_EQ(file.open(path("exact.stn").c_str(), CObjectFile::modeWrite, false), 1);
        file.writeReal(row.value, 0);
        EXPECT_TRUE(file.close());
        std::string text = contents(path("exact.stn"));
        EXPECT_EQ(text, row.written);
        double again = 0;
        EXPECT_EQ(parseDoubleItem(text.c_str(), again), itemResult::end);
        EXPECT_EQ(again, row.value);
    }
}

TEST_F(objectFileTest, LineEndsOfEitherKindReadAlike)
{
    std::string body = "# comment\n"
                       "   \t \n"
                       "\n"
                       "PORT COM1\n"
                       "\tBAUD  \t 9600, 7 \t\n"
                       "  # indented comment\n"
                       "\tTITLE a # not a comment\n"
                       "\tEMPTY\n"
                       "END";
    std::vector<std::string> expected = {
        "#|comment", "|",       "|", "PORT|COM1", "BAUD|9600, 7", "#|indented comment", "TITLE|a # not a comment",
        "EMPTY|",    "END|(null)",
    };
    std::string crlf;
    for (char c : body) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    for (const std::string& bytes : {body, crlf}) {
        CObjectFile file;
        openWith(file, bytes);
        EXPECT_EQ(lines(file), expected);
    }
}

TEST_F(objectFileTest, LoneCarriageReturnIsWhiteSpace)
{
    CObjectFile file;
    openWith(file, "KEY a\rb \r\r\nNEXT\r");
    EXPECT_EQ(lines(file), (std::vector<std::string>{"KEY|a\rb", "NEXT|(null)"}));
}

TEST_F(objectFileTest, LongTokensAndValuesCrossBlocks)
{
    std::string token(5000, 'K');
    std::string value(9000, 'v');
    value[4000] = ' ';
    CObjectFile file;
    openWith(file, token + " " + value + "\r\nX\r\n");
    EXPECT_EQ(lines(file), (std::vector<std::string>{token + "|" + value, "X|"}));
}

TEST_F(objectFileTest, CrLfSplitByTheBlockBoundaryAndSteppedBack)
{
    // Lines of every length around the 4096-byte block put a CR LF across
    // each possible boundary position.
    for (int pad = 4085; pad < 4100; ++pad) {
        SCOPED_TRACE(pad);
        std::string first(static_cast<size_t>(pad), 'a');
        CObjectFile file;
        openWith(file, first + "\r\nB c\r\n");
        EXPECT_EQ(text(file.readToken()), first);
        EXPECT_EQ(text(file.readToken()), "") << "the line end was stepped back over";
        file.skipLine();
        EXPECT_EQ(file.getPosition(), pad + 2);
        EXPECT_EQ(text(file.readToken()), "B");
        EXPECT_EQ(text(file.readValue()), "c");
        EXPECT_TRUE(file.readToken().isNull());
        EXPECT_EQ(file.getPosition(), file.getLength());
    }
}

// readKeywordLine built from the character reader alone.
int characterKeywordLine(CObjectFile& file, int& token, gstr& value)
{
    gstr word = file.readToken();
    if (word.isNull())
        return 1;
    if (word.isEmpty() || word[0] == '#') {
        file.readUntil('\n', -1, true);
        return 2;
    }
    const gkeyword* keyword = keywordTable().find(word);
    if (!keyword)
        return 3;
    token = keyword->getToken();
    value = file.readValue();
    if (value.isNull())
        value.assign("");
    return 0;
}

// Every line as readKeywordLine answers it (or its character-reader form):
// the answer, the keyword and value, the position after it and the character
// read again after stepping back. An unknown first word's line is skipped.
std::vector<std::string> keywordLineTrace(CObjectFile& file, bool characterReader)
{
    std::vector<std::string> out;
    for (;;) {
        int token = -1;
        gstr value;
        int answer = characterReader ? characterKeywordLine(file, token, value) : readKeywordLine(file, token, value);
        std::string line = std::to_string(answer) + "|" + std::to_string(file.getPosition());
        if (answer == 0)
            line += "|" + std::string(gkeyword::byToken(token).getText().view()) + "|" + text(value);
        if (answer == 3) {
            characterReader ? static_cast<void>(file.readUntil('\n', -1, true)) : file.skipLine();
            line += "|skipped to " + std::to_string(file.getPosition());
        } else {
            file.unreadChar();
            char c = 0;
            line += "|again from " + std::to_string(file.getPosition()) + ": ";
            line += std::to_string(file.read(&c, 1) == 1 ? static_cast<unsigned char>(c) : -1);
        }
        out.push_back(line);
        if (answer == 1)
            return out;
    }
}

TEST_F(objectFileTest, LineReaderAnswersAsTheCharacterReaderAcrossBlocks)
{
    // Padding of every length around one and two blocks puts each byte of
    // the lines after it (CR LF halves, a lone CR, token ends) on a block end.
    const std::string body = "PORT P1\r\n\tTITLE\t\t a, \"b\" \r\n\t\r\r\nBOGUS rest of line\r\n  # note\r\n"
                             "END \rx\r\n\r\n\nTITLE \t";
    std::string lf = body;
    std::erase(lf, '\r');
    std::vector<std::string> shapes;
    constexpr int block = CObjectFile::readBlockSize;
    for (int pad : {block - 60, 2 * block - 70}) {
        for (int extra = 0; extra < 80; ++extra) {
            std::string head(static_cast<size_t>(pad + extra), 'x');
            head.front() = '#';
            shapes.push_back(head + "\r\n" + body);
            shapes.push_back(head + "\n" + lf);
        }
    }
    // Lines longer than a block, and a file that ends in a lone CR.
    std::string longValue(2 * block + 5000, 'v');
    std::string longToken(block + 100, 'K');
    shapes.push_back("TITLE " + longValue + " \r\n" + longToken + " rest\r\nEND\r\n");
    shapes.push_back(std::string(block - 2, ' ') + "END\r\n" + std::string(block + 1, '\t') + "END \r");
    for (const std::string& bytes : shapes) {
        SCOPED_TRACE(bytes.size());
        CObjectFile lineReader;
        openWith(lineReader, bytes);
        CObjectFile characterReader;
        ASSERT_EQ(characterReader.open(path("in.stn").c_str(), CObjectFile::modeRead, false), 1);
        EXPECT_EQ(keywordLineTrace(lineReader, false), keywordLineTrace(characterReader, true));
    }
}

TEST_F(objectFileTest, LineReaderAnswers)
{
    CObjectFile file;
    openWith(file, "  PORT\tCOM1 \r\n\tTITLE\r\nnope x\r\n#c\nEND");
    std::vector<std::string> expected = {
        "0|14|PORT|COM1|again from 12: 10", "0|22|TITLE||again from 20: 10", "3|26|skipped to 30",
        "2|33|again from 32: 10",           "0|36|END||again from 35: 68",   "1|36|again from 35: 68"};
    EXPECT_EQ(keywordLineTrace(file, false), expected);
}

TEST_F(objectFileTest, ReadUntilAndBulkRead)
{
    CObjectFile file;
    openWith(file, "ab;cd\r\nef");
    EXPECT_EQ(text(file.readUntil(';', -1, false)), "ab");
    EXPECT_EQ(text(file.readUntil(';', 'x', true)), "x") << "the delimiter was left to read, then consumed";
    file.unreadChar();
    EXPECT_THROW(file.unreadChar(), gfault) << "one step back only";
    char bytes[16] = {};
    EXPECT_EQ(file.read(bytes, sizeof bytes), 6u);
    EXPECT_EQ(std::string(bytes, 6), ";cd\nef");
    EXPECT_EQ(file.read(bytes, sizeof bytes), 0u);
    EXPECT_TRUE(file.readUntil(';', -1, true).isNull());
    EXPECT_EQ(text(file.readUntil(';', 'z', true)), "z");
}

TEST_F(objectFileTest, BinaryModePassesBytesThrough)
{
    std::string bytes("a\nb\r\nc\0\xFF", 8);
    {
        CObjectFile file;
        ASSERT_EQ(file.open(path("image.kil").c_str(), CObjectFile::modeWrite, true), 1);
        file.write(bytes.data(), bytes.size());
        EXPECT_TRUE(file.close());
    }
    EXPECT_EQ(contents(path("image.kil")), bytes);
    CObjectFile file;
    ASSERT_EQ(file.open(path("image.kil").c_str(), CObjectFile::modeRead, true), 1);
    EXPECT_EQ(file.getLength(), 8);
    char got[8] = {};
    ASSERT_EQ(file.read(got, 4), 4u);
    file.unreadChar();
    ASSERT_EQ(file.read(got + 3, 5), 5u);
    EXPECT_EQ(std::string(got, 8), bytes);
}

TEST_F(objectFileTest, ModesCreateEmptyAndAppend)
{
    put(path("f.stn"), "old contents\r\n");
    {
        CObjectFile file;
        ASSERT_EQ(file.open(path("f.stn").c_str(), CObjectFile::modeReadWrite, false), 1);
        EXPECT_EQ(file.getPosition(), 14);
        file.writeString("more\n");
        EXPECT_TRUE(file.close());
    }
    EXPECT_EQ(contents(path("f.stn")), "old contents\r\nmore\r\n");
    {
        CObjectFile file;
        ASSERT_EQ(file.open(path("f.stn").c_str(), CObjectFile::modeWrite, false), 1);
        EXPECT_EQ(file.getLength(), 0);
        EXPECT_EQ(file.getFilePath().view(), path("f.stn"));
    }
    {
        CObjectFile file;
        ASSERT_EQ(file.open(path("new.stn").c_str(), CObjectFile::modeReadWrite, false), 1);
    }
    EXPECT_TRUE(fs::exists(path("new.stn")));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(objectFileTest, HandleIsNotInherited)
{
    CObjectFile file;
    ASSERT_EQ(file.open(path("c.stn").c_str(), CObjectFile::modeWrite, false), 1);
    int checked = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(entry.path(), ec) != fs::path(path("c.stn")))
            continue;
        int fd = std::stoi(entry.path().filename().string());
        EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC);
        ++checked;
    }
    EXPECT_EQ(checked, 1);
}

TEST_F(objectFileTest, OpenFailuresAskRetryOrCancel)
{
    fs::create_directory(dir / "folder");
    put(path("plain"), "x");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    struct Case {
        std::string name;
        int mode;
        int id;
    } cases[] = {
        {path("missing.stn"), CObjectFile::modeRead, 10064},
        {path("nofolder/x.stn"), CObjectFile::modeRead, 10061},
        {path("nofolder/x.stn"), CObjectFile::modeWrite, 10061},
        {"", CObjectFile::modeRead, 10061},
        {path("folder"), CObjectFile::modeRead, 10062},
        {path("folder"), CObjectFile::modeWrite, 10062},
        {path("fifo"), CObjectFile::modeRead, 10062},
        {path("plain") + "/x", CObjectFile::modeRead, 10061},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.messages.clear();
        CObjectFile file;
        EXPECT_EQ(file.open(c.name.c_str(), c.mode, false), 0);
        EXPECT_FALSE(file.isOpen());
        ASSERT_EQ(messages.messages.size(), 1u);
        const auto& shown = messages.messages[0];
        EXPECT_EQ(shown.promptId, c.id);
        EXPECT_EQ(shown.buttons, gbuttons::retryCancel);
        gstr expected(stringTableText(c.id));
        expected.replaceAll("%1", c.name.c_str(), false, true);
        EXPECT_EQ(shown.text, std::string(expected.view()));
    }
    EXPECT_EQ(messages.messages[0].text.find("%1"), std::string::npos);
}

TEST_F(objectFileTest, PermissionDenied)
{
    withOrdinaryRights(dir, [&] {
        put(path("locked.stn"), "x");
        ::chmod(path("locked.stn").c_str(), 0);
        CObjectFile file;
        EXPECT_EQ(file.open(path("locked.stn").c_str(), CObjectFile::modeRead, false), 0);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].promptId, 10060);
    });
}

// Answers Retry once, after making the missing file, then Cancel.
class retryAfterFixing final : public gmessageService {
public:
    explicit retryAfterFixing(std::function<void()> fix) : fix_(std::move(fix)) { installMessageService(this); }
    ~retryAfterFixing() override { installMessageService(nullptr); }
    ganswer messageBox(const gstrSlice&, gbuttons, gicon, int) override
    {
        ++asked;
        if (asked > 1)
            return ganswer::cancel;
        fix_();
        return ganswer::retry;
    }
    bool enterText(gstr&, bool) override { return false; }
    bool warningList(const gstrSlice&, bool) override { return false; }
    int asked = 0;

private:
    std::function<void()> fix_;
};

TEST_F(objectFileTest, RetryOpensOnceTheCauseIsGone)
{
    messages.answers = {ganswer::retry, ganswer::retry, ganswer::cancel};
    {
        CObjectFile file;
        EXPECT_EQ(file.open(path("never.stn").c_str(), CObjectFile::modeRead, false), 0);
        EXPECT_EQ(messages.messages.size(), 3u);
    }
    std::string name = path("late.stn");
    retryAfterFixing service([&] { put(name, "END\r\n"); });
    CObjectFile file;
    EXPECT_EQ(file.open(name.c_str(), CObjectFile::modeRead, false), 1);
    EXPECT_EQ(service.asked, 1);
    EXPECT_EQ(text(file.readToken()), "END");
}

// Lowers the file-size limit so that writes fail with EFBIG.
class fileSizeLimit {
public:
    explicit fileSizeLimit(rlim_t bytes)
    {
        ok_ = ::getrlimit(RLIMIT_FSIZE, &old_) == 0;
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        ok_ = ok_ && ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~fileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
    bool ok_ = false;
};

TEST_F(objectFileTest, WriteFailureIsKeptAndReported)
{
    CObjectFile file;
    ASSERT_EQ(file.open(path("big.stn").c_str(), CObjectFile::modeWrite, false), 1);
    {
        fileSizeLimit limit(1000);
        if (!limit.ok())
            GTEST_SKIP() << "cannot lower the file-size limit";
        for (int i = 0; i < 1000; ++i)
            file.writeString("LINE\tvalue\n");
        file.close();
    }
    EXPECT_TRUE(file.failed());
    EXPECT_EQ(file.error(), EFBIG);
    EXPECT_FALSE(file.close());
    EXPECT_LE(contents(path("big.stn")).size(), 1000u);
}

TEST_F(objectFileTest, WriteFailureSeenByClose)
{
    CObjectFile file;
    ASSERT_EQ(file.open(path("small.stn").c_str(), CObjectFile::modeWrite, false), 1);
    file.writeString("short");
    EXPECT_FALSE(file.failed()) << "still buffered";
    fileSizeLimit limit(3);
    if (!limit.ok())
        GTEST_SKIP() << "cannot lower the file-size limit";
    EXPECT_FALSE(file.close());
    EXPECT_EQ(file.error(), EFBIG);
}

TEST_F(objectFileTest, RealThatCannotBeReadBackFailsTheFile)
{
    CObjectFile file;
    ASSERT_EQ(file.open(path("r.stn").c_str(), CObjectFile::modeWrite, false), 1);
    file.writeReal(1.5, 2);
    file.writeReal(std::numeric_limits<double>::quiet_NaN(), 1);
    file.writeString("after");
    EXPECT_EQ(file.error(), EDOM);
    EXPECT_FALSE(file.close());
    EXPECT_EQ(contents(path("r.stn")).find_first_of("NAa"), std::string::npos) << "nothing after the failure";
}

// Switches the process to a locale whose decimal point is a comma, C and
// C++ alike where the machine has one, and puts everything back after.
class decimalCommaLocale {
public:
    decimalCommaLocale() : saved_(std::setlocale(LC_ALL, nullptr)), savedGlobal_(std::locale())
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                cLocale = name;
                break;
            }
        }
        std::locale::global(std::locale(std::locale::classic(), new commaPunct));
    }
    ~decimalCommaLocale()
    {
        std::locale::global(savedGlobal_);
        std::setlocale(LC_ALL, saved_.c_str());
    }
    std::string cLocale;

private:
    struct commaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::string saved_;
    std::locale savedGlobal_;
};

TEST_F(objectFileTest, NumbersIgnoreTheProcessLocale)
{
    decimalCommaLocale comma;
    if (!comma.cLocale.empty()) {
        char check[16];
        std::snprintf(check, sizeof check, "%.1f", 0.5);
        EXPECT_EQ(std::string(check), "0,5") << comma.cLocale;
    }
    {
        CObjectFile file;
        ASSERT_EQ(file.open(path("n.stn").c_str(), CObjectFile::modeWrite, false), 1);
        file.writeReal(0.1, 2);
        file.writeReal(-1234567.25, 2);
        file.writeReal(6.02214076e23, 1);
        EXPECT_TRUE(file.close());
    }
    EXPECT_EQ(contents(path("n.stn")), "0.1, -1234567.25, 6.02214076E+23\r\n");
    double value = 0;
    const char* next = nullptr;
    ASSERT_EQ(parseDoubleItem("0.1, 2", value, next), 2);
    EXPECT_EQ(value, 0.1);
    EXPECT_EQ(parseDoubleItem("0,1", value), 2) << "a comma is the list separator, never a decimal point";
    EXPECT_EQ(value, 0.0);
}

} // namespace
