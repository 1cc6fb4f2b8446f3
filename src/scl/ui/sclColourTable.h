#pragma once

class CSourceTokenInfoArray;

// The colours of SCL windows: one style per colour class (sclColour), kept
// in the settings under "TokenInfo". Made on first use, before the first SCL
// window, and kept to the end of the run.
CSourceTokenInfoArray& sclColourTable();

// At start-up: the colours the user saved; on the first run, when fewer than
// 42 classes were saved, the table grows to 42 and SCL's own classes take
// their default colours. The source editor's classes keep its defaults.
void initSclColourTable();
