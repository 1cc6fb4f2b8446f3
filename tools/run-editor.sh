#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Arguments are passed
# on to the editor (a station file to open, for example).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
exec build/src/korvel-editor "$@"
