#pragma once

// What a modal run ends with: the id of the button that ended it. The message
// box answers with the same numbers (ganswer in foundation/gmessageService.h).
enum : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};
