#include "platform/fileDialog.h"
#include "platform/recordingResponder.h"

#include <gtest/gtest.h>

namespace {

TEST(fileDialog, FiltersShowTheirPatterns)
{
    using list = std::vector<std::string>;
    EXPECT_EQ(fileDialogFilters("Station Files|*.korvel-station;*.stn|All Files|*.*||"),
              (list{"Station Files (*.korvel-station *.stn)", "All Files (*)"}));
    EXPECT_EQ(fileDialogFilters("Image Library|*.korvel-images;*.kil||"),
              (list{"Image Library (*.korvel-images *.kil)"}));
    EXPECT_TRUE(fileDialogFilters("").empty());
}

TEST(fileDialog, ResponderChoosesOrCancels)
{
    recordingResponder user;
    user.chosenFiles.push_back("/tmp/a.stn");
    user.chosenFiles.push_back(std::nullopt);
    fileDialogRequest request;
    request.mode = fileDialogMode::save;
    request.title = "Save";
    std::optional<gstr> first = runFileDialog(request);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->view(), "/tmp/a.stn");
    EXPECT_FALSE(runFileDialog(request));
    EXPECT_FALSE(runFileDialog(request));
    ASSERT_EQ(user.fileDialogs.size(), 3u);
    EXPECT_EQ(user.fileDialogs[0].mode, fileDialogMode::save);
    EXPECT_EQ(user.fileDialogs[0].title, "Save");
}

} // namespace
