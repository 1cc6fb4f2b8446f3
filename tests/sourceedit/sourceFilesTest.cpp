#include "sourceTestDoc.h"

#include "sourceedit/CSourceException.h"
#include "support/model/ordinaryUser.h"
#include "support/model/recordingMessages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

class sourceFiles : public testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("sourceFiles-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder);
    }

    std::string write(const std::string& bytes, const char* name = "source.txt")
    {
        std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    std::filesystem::path folder;
    recordingMessages messages;
};

TEST_F(sourceFiles, LinesAndTheirEndsComeBackAsTheyWere)
{
    const char* files[] = {"", "one", "one\r\ntwo\r\n", "a\rb\r\n\r\nlast", "\r\n"};
    for (const char* bytes : files) {
        std::string path = write(bytes);
        sourceTestDoc doc;
        doc.setModified(1);
        ASSERT_TRUE(doc.readFile(path.c_str())) << bytes;
        EXPECT_FALSE(doc.isModified());
        ASSERT_TRUE(doc.writeFile(path.c_str()));
        EXPECT_EQ(read(path), bytes);
    }
    sourceTestDoc doc;
    doc.readFile(write("x\ny\r\n").c_str());
    EXPECT_EQ(doc.text(), "x\ny\n");
    doc.readFile(write("").c_str());
    EXPECT_EQ(doc.getLineCount(), 1);
}

TEST_F(sourceFiles, LongLinesAreWrappedAfterOneNotice)
{
    std::string text(2500, 'a');
    text.append("\r\n").append(1500, 'b').append("\r\nend");
    std::string path = write(text);
    sourceTestDoc doc;
    messages.answers.push_back(ganswer::ok);
    EXPECT_FALSE(doc.readFile(path.c_str()));
    EXPECT_EQ(doc.error, CSourceDoc::errorLongLinesWrapped);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].buttons, gbuttons::okCancel);
    EXPECT_EQ(messages.messages[0].icon, gicon::information);
    EXPECT_EQ(messages.lastText(), sourceLongLineNotice);
    ASSERT_EQ(doc.getLineCount(), 6);
    const int lengths[] = {1024, 1024, 452, 1024, 476, 3};
    for (int line = 0; line < 6; ++line)
        EXPECT_EQ(doc.getLineLength(line), lengths[line]) << line;
}

TEST_F(sourceFiles, ALineThatJustFitsIsNeitherLongNorFollowedByAnExtraLine)
{
    std::string full(1024, 'x');
    sourceTestDoc doc;
    ASSERT_TRUE(doc.readFile(write(full + "\r\nnext").c_str()));
    EXPECT_EQ(doc.getLineCount(), 2);
    ASSERT_TRUE(doc.readFile(write(full).c_str()));
    EXPECT_EQ(doc.getLineCount(), 1);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(sourceFiles, CancellingTheNoticeEmptiesTheDocument)
{
    sourceTestDoc doc("kept before");
    EXPECT_FALSE(doc.readFile(write(std::string(1100, 'q')).c_str()));
    EXPECT_EQ(doc.error, CSourceDoc::errorLongLineCancelled);
    EXPECT_EQ(doc.text(), "");
}

TEST_F(sourceFiles, WhatCannotBeOpenedSetsErrorOneAndZeroBytesAreAFileError)
{
    sourceTestDoc doc;
    EXPECT_FALSE(doc.readFile((folder / "missing").c_str()));
    EXPECT_EQ(doc.error, CSourceDoc::errorOpen);
    EXPECT_FALSE(doc.readFile(folder.c_str()));
    EXPECT_EQ(doc.error, CSourceDoc::errorOpen);

    for (std::string bytes : {std::string("\0abc", 4), std::string("ab\0cd\r\nef", 9)}) {
        try {
            doc.readFile(write(bytes).c_str());
            ADD_FAILURE() << "no exception";
        } catch (const CSourceException& e) {
            EXPECT_EQ(e.code(), 2);
            EXPECT_STREQ(e.text(), "File error.");
        }
    }
}

TEST_F(sourceFiles, AFileWithoutWritePermissionOpensReadOnlyAndCannotBeSaved)
{
    withOrdinaryRights(folder, [&] {
        std::string path = write("text");
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        sourceTestDoc doc;
        ASSERT_TRUE(doc.readFile(path.c_str()));
        EXPECT_TRUE(doc.readOnly);
        EXPECT_FALSE(doc.writeFile(path.c_str()));
        EXPECT_EQ(read(path), "text");
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(doc.writeFile((folder / "new.txt").c_str()));
    });
}

TEST(sourceException, TextIsCutToItsLimit)
{
    CSourceException e(9, std::string(200, 'z').c_str());
    EXPECT_EQ(std::string(e.text()).size(), 120u);
    CSourceException copy = e;
    EXPECT_EQ(copy.code(), 9);
    EXPECT_STREQ(CSourceException(1, nullptr).text(), "");
}

} // namespace
