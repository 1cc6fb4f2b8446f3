#pragma once

#include "foundation/gstr.h"

#include <QString>

// Model text is bytes in Windows-1252; windows show Unicode. Every byte maps
// to one character and back, so nothing typed or loaded is ever lost.
QString toUiText(const gstrSlice& text);
// Characters that have no byte become '?'.
gstr fromUiText(const QString& text);

// File names are bytes of the local file-name encoding, never text.
QString toUiPath(const gstrSlice& path);
gstr fromUiPath(const QString& path);
// A path to be read, not edited (a title, a menu entry): bytes that are not
// UTF-8 show as the replacement character.
QString pathForDisplay(const gstrSlice& path);
