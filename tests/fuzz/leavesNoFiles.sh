#!/usr/bin/env bash
# Usage: leavesNoFiles.sh <replay program> <corpus folder> [...]
# Replays each corpus with a new empty folder of its own as TMPDIR and fails
# when a program leaves anything there: fuzzing runs millions of inputs, and
# a file left per run or per input fills the disk. The folder is made beside
# the others of TMPDIR (else /tmp), never over them: the project itself may
# live there.
set -u
status=0
while [ $# -ge 2 ]; do
  private=$(mktemp -d "${TMPDIR:-/tmp}/korvelReplay.XXXXXX") || { echo "no private folder"; exit 1; }
  TMPDIR=$private "$1" "$2" >/dev/null || { echo "$1 failed"; status=1; }
  left=$(ls -A "$private")
  if [ -n "$left" ]; then
    echo "$1 left in TMPDIR: $left"
    status=1
  fi
  rm -rf "$private"
  shift 2
done
exit $status
