#pragma once

// The program's version as the About box and the splash picture show it:
// there is no version resource to read it from, so it stays as the program
// has always shown it without one.
inline constexpr char programVersion[] = "5.5.??";
