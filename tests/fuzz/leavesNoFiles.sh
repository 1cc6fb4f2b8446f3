#!/usr/bin/env bash
# Usage: leavesNoFiles.sh <replay program> <corpus folder> [...]
# Replays each corpus with an empty private /tmp and fails when a program
# leaves anything there: fuzzing runs millions of inputs, and a file left per
# run or per input fills the disk. Skipped where no mount namespace can be
# made.
set -u
unshare -r -m true 2>/dev/null || exit 77
status=0
while [ $# -ge 2 ]; do
  left=$(unshare -r -m bash -c 'mount -t tmpfs none /tmp && TMPDIR=/tmp "$0" "$1" >/dev/null && ls -A /tmp' "$1" "$2") \
    || { echo "$1 failed"; status=1; }
  if [ -n "$left" ]; then
    echo "$1 left in /tmp: $left"
    status=1
  fi
  shift 2
done
exit $status
