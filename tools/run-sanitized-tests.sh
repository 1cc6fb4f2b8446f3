#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test there; LeakSanitizer runs with
# AddressSanitizer. A report ends the program with an error, so the test that
# made it fails. A debug build: it compiles faster than an optimised
# one and keeps every frame in the reports.
# Arguments go to the build, e.g. -j3; KORVEL_TEST_JOBS sets how many tests
# run at once (all cores by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON \
  -DKORVEL_WERROR="${KORVEL_WERROR:-OFF}" >/dev/null
cmake --build build-asan "$@"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "${KORVEL_TEST_JOBS:-$(nproc)}"
