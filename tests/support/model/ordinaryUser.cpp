#include "support/model/ordinaryUser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <grp.h>
#include <unistd.h>

namespace {

constexpr uid_t nobody = 65534;

void handOver(const std::filesystem::path& folder)
{
    if (::chown(folder.c_str(), nobody, nobody) != 0)
        throw std::runtime_error("cannot hand over " + folder.string());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (::lchown(entry.path().c_str(), nobody, nobody) != 0)
            throw std::runtime_error("cannot hand over " + entry.path().string());
    }
}

void becomeNobody(const std::filesystem::path& folder)
{
    handOver(folder);
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
        std::fprintf(stderr, "cannot give up the superuser's rights\n");
        std::_Exit(2);
    }
}

} // namespace

void withOrdinaryRights(const std::filesystem::path& folder, const std::function<void()>& checks)
{
    if (::geteuid() != 0) {
        checks();
        return;
    }
    EXPECT_EXIT(
        {
            becomeNobody(folder);
            checks();
            std::fflush(nullptr);
            std::_Exit(testing::Test::HasFailure() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}
