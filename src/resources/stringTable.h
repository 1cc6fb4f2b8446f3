#pragma once

// The program's user texts by numeric id: 10001 and up for prompts and
// validation, 20001 and up for object descriptions, used-by lines and logs.
// Returns null for an id the table does not hold.
const char* stringTableText(int id);
