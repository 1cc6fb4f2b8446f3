#!/usr/bin/env bash
# Tells the desktop about the editor: a desktop entry that starts the built
# editor with a file, the program's picture for that entry, and the MIME
# types of station files, device-driver libraries and image libraries
# (".korvel-station", ".stn", ".korvel-drivers", ".kdl", ".korvel-images",
# ".kil"). Installs into the user's data folder
# ($XDG_DATA_HOME, else ~/.local/share) without root, and only files that
# differ from what is there. Usage: install-desktop-files.sh <editor program>
set -euo pipefail
cd "$(dirname "$0")/.."

editor="$1"
data="${XDG_DATA_HOME:-$HOME/.local/share}"

# The program's path as one quoted argument of the Exec key: backslash,
# double quote, backquote and dollar escaped for the quoting, then every
# backslash doubled for the file's own escapes, and "%" written "%%".
bs='\'
quoted="$editor"
for c in "$bs" '"' '`' '$'; do
  quoted="${quoted//"$c"/"$bs$c"}"
done
quoted="${quoted//"$bs"/"$bs$bs"}"
quoted="${quoted//%/%%}"

# Copies $1 to $2 when they differ; true when it copied.
install_changed() {
  if cmp -s "$1" "$2"; then
    return 1
  fi
  mkdir -p "$(dirname "$2")"
  cp "$1" "$2"
}

entry="$(mktemp)"
trap 'rm -f "$entry"' EXIT
template="$(<data/desktop/korvel-editor.desktop.in)"
exec_value="\"$quoted\""
printf '%s\n' "${template//@EXEC@/"$exec_value"}" >"$entry"

if install_changed "$entry" "$data/applications/korvel-editor.desktop"; then
  echo "Installed the desktop entry in $data/applications"
  if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$data/applications" || true
  fi
fi
if install_changed data/desktop/korvel-editor.svg "$data/icons/hicolor/scalable/apps/korvel-editor.svg"; then
  echo "Installed the program's picture in $data/icons/hicolor"
fi
if install_changed data/desktop/korvel-editor.xml "$data/mime/packages/korvel-editor.xml"; then
  echo "Installed the file types in $data/mime/packages"
  if command -v update-mime-database >/dev/null; then
    update-mime-database "$data/mime" || true
  fi
fi
