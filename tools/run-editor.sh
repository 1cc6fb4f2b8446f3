#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Arguments are passed
# on to the editor (a station file to open, for example).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
# The desktop then opens station files and libraries with this editor; a
# failure here does not keep the editor from starting.
bash tools/install-desktop-files.sh "$(pwd)/build/src/korvel-editor" ||
  echo "The desktop entry and file types could not be installed." >&2
exec build/src/korvel-editor "$@"
