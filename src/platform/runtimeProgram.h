#pragma once

#include "foundation/gstr.h"

#include <string>

// Where the station's run-time program makes itself known. It holds an
// exclusive flock on "K.O.R.V.E.L..lock" while it runs and serves its
// conversation on the Unix-domain socket "Korvel.system", both in the
// run-time folder: $XDG_RUNTIME_DIR, else /tmp/korvel-<uid>. The run-time
// program makes the files; the editor only looks, and only once the folder
// proved private (runtimeFolderProblem).
std::string runtimeFolder();

// What keeps folder from being private to the user, or empty when nothing
// does: it must be a real folder (not a symbolic link), owned by the user,
// with no access for group or others. A missing folder is made with mode
// 0700 first when create is set. Anyone else who could make or enter the
// folder could pose as the run-time program and be told the path of every
// station handed over.
std::string privateFolderProblem(const std::string& folder, bool create);

// privateFolderProblem of the run-time folder; the fallback under /tmp is
// made when missing.
std::string runtimeFolderProblem();
std::string runtimeLockPath();
std::string runtimeSocketPath();

// Whether the run-time program runs: its lock is held. The probe asks for a
// shared lock without waiting and lets it go at once, so it never keeps the
// program from starting; a missing lock file means it does not run.
bool runtimeLockHeld();

// Starts a command line as the file association stores it: words separated
// by blanks, double quotes around a word with blanks, nothing expanded or
// replaced ("%1" stays "%1"); the first word is the program, looked up in
// PATH when it has no "/".
// The program runs in a session of its own with standard input from
// /dev/null and none of the editor's other files open; it is not a child of
// the editor. False when the line is empty or the program cannot be run.
bool startDetachedCommand(const gstrSlice& commandLine);
