#pragma once

#include <filesystem>
#include <functional>

// Runs checks of file permissions with an ordinary user's rights, so that
// they hold when the tests run as the superuser too, whom permissions do
// not bind. As the superuser the checks run in a forked child that hands the
// folder over to the unprivileged user 65534 and then takes on that user's
// ids; a failed check in the child fails the test. Otherwise they run here.
void withOrdinaryRights(const std::filesystem::path& folder, const std::function<void()>& checks);
