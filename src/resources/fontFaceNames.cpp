#include "resources/fontFaceNames.h"

#include "foundation/gfault.h"

gstr& fontFaceName(int index)
{
    static gstr names[fontFaceNameCount];
    if (index < 0 || index >= fontFaceNameCount)
        throw gfault("fontFaceName: index out of range");
    return names[index];
}
