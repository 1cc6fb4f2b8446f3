#pragma once

// The platform's simple beep: what an edit sounds when it drops a key it
// refuses. Every beep of the program goes through here, so that a test can
// count them.
void messageBeep();
// How many beeps have sounded since the program started.
int messageBeepCount();
