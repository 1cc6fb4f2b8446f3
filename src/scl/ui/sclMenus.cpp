#include "scl/ui/sclMenus.h"

#include <QMenu>
#include <algorithm>
#include <Qt>
#include <iterator>

namespace sclMenus {

namespace {

constexpr menuEntry stationContext[] = {
    {1, 57635, "Cu&t"},
    {1, 57634, "&Copy"},
    {1, 57637, "&Paste"},
    {1, 0, nullptr},
    {1, 57607, "Pri&nt..."},
    {1, 0, nullptr},
    {1, 32836, "Paste P&ort Tag..."},
    {1, 32838, "Paste &Register Tag..."},
    {1, 32837, "Paste Pro&gram Tag..."},
    {1, 0, nullptr},
    {1, 32833, "Paste &Device Tag..."},
    {1, 32832, "Paste Co&mmand Tag..."},
    {1, 32927, "Paste Data Ob&ject Tag..."},
    {1, 32929, "Paste Dri&ver Program Tag..."},
    {1, 0, nullptr},
    {1, 32871, "&Language Help..."},
    {1, 32855, "&Keyword Help..."},
    {1, 0, nullptr},
    {1, 32840, "Propert&ies..."},
    {1, 32842, "Synta&x Colours..."},
    {1, 0, nullptr},
    {1, 0, "Legacy Objects"},
    {2, 32839, "Paste Re&sponse Tag..."},
    {2, 32908, "Paste Messag&e Tag..."},
    {2, 32909, "Paste Repl&y Tag..."},
    {2, 32835, "Paste Parameter Tag..."},
};

constexpr menuEntry driverContext[] = {
    {1, 57635, "Cu&t"},
    {1, 57634, "&Copy"},
    {1, 57637, "&Paste"},
    {1, 0, nullptr},
    {1, 57607, "Pri&nt..."},
    {1, 0, nullptr},
    {1, 32832, "Paste Co&mmand Tag..."},
    {1, 32927, "Paste Data &Object Tag..."},
    {1, 32837, "Paste Pro&gram Tag..."},
    {1, 0, nullptr},
    {1, 32871, "&Language Help..."},
    {1, 32855, "&Keyword Help..."},
    {1, 0, nullptr},
    {1, 32840, "Propert&ies..."},
    {1, 32842, "Synta&x Colours..."},
};

constexpr menuEntry editorMenu[] = {
    {0, 0, "&File"},
    {1, 57602, "&Close Window"},
    {1, 0, nullptr},
    {1, 57607, "&Print...\tCtrl+P"},
    {1, 57609, "Print Pre&view"},
    {1, 57606, "P&rint Setup..."},
    {1, 0, nullptr},
    {1, 32928, "C&lose Editor"},

    {0, 0, "&Edit"},
    {1, 57643, "&Undo\tCtrl+Z"},
    {1, 57644, "&Redo"},
    {1, 0, nullptr},
    {1, 57635, "Cu&t\tCtrl+X"},
    {1, 57634, "&Copy\tCtrl+C"},
    {1, 57637, "&Paste\tCtrl+V"},
    {1, 0, "Paste Spec&ial"},
    {2, 32832, "&Command Tag..."},
    {2, 32927, "&Object Tag..."},
    {2, 32837, "Pro&gram Tag..."},
    {1, 57642, "Select &All\tCtrl+A"},
    {1, 0, nullptr},
    {1, 32829, "Go To Li&ne...\tCtrl+L"},
    {1, 57636, "&Find...\tCtrl+F"},
    {1, 32854, "Find A&gain\tCtrl+G"},
    {1, 57641, "R&eplace...\tCtrl+H"},
    {1, 0, nullptr},
    {1, 32843, "Toggle &Bookmark\tCtrl+B"},
    {1, 32870, "Pre&vious Bookmark"},
    {1, 32868, "Ne&xt Bookmark"},
    {1, 32788, "Clear All Boo&kmarks"},
    {1, 0, nullptr},
    {1, 32840, "Pr&operties...\tAlt+Enter"},
    {1, 32842, "SCL S&yntax Colours..."},

    {0, 0, "&Window"},
    {1, 59392, "Show &Tool Bar"},
    {1, 59393, "Show &Status Bar"},
    {1, 0, nullptr},
    {1, 57650, "&Cascade"},
    {1, 57651, "Tile &Horizontally"},
    {1, 57652, "Tile &Vertically"},
    {1, 57649, "&Arrange Icons"},
    {1, 32907, "Close Al&l"},

    {0, 0, "&Help"},
    {1, 57667, "&Quillane..."},
    {1, 32871, "&SCL Language..."},
    {1, 32855, "&Find Keyword...\tCtrl+F1"},
    {1, 0, nullptr},
    {1, 57664, "&About K.O.R.V.E.L..."},
};

constexpr int editorToolbar[] = {57635, 57634, 57637, 0,     57607, 0,     57667, 32855, 0,     57643,
                                 57644, 0,     32843, 32868, 32870, 32788, 0,     57650, 57651, 57652};

constexpr accelerator accelerators[] = {
    {Qt::Key_A, Qt::ControlModifier, 57642},  {Qt::Key_B, Qt::ControlModifier, 32843},
    {Qt::Key_C, Qt::ControlModifier, 57634},  {Qt::Key_F, Qt::ControlModifier, 57636},
    {Qt::Key_G, Qt::ControlModifier, 32854},  {Qt::Key_H, Qt::ControlModifier, 57641},
    {Qt::Key_L, Qt::ControlModifier, 32829},  {Qt::Key_P, Qt::ControlModifier, 57607},
    {Qt::Key_V, Qt::ControlModifier, 57637},  {Qt::Key_F1, Qt::ControlModifier, 32855},
    {Qt::Key_Return, Qt::AltModifier, 32840}, {Qt::Key_Enter, Qt::AltModifier, 32840},
    {Qt::Key_X, Qt::ControlModifier, 57635},  {Qt::Key_Z, Qt::ControlModifier, 57643},
};

} // namespace

std::span<const menuEntry> contextMenu(int id)
{
    if (id == stationContextMenu)
        return stationContext;
    if (id == driverContextMenu)
        return driverContext;
    return {};
}

std::span<const menuEntry> driverEditorMenu() { return editorMenu; }

std::span<const int> driverEditorToolbar() { return editorToolbar; }

std::span<const accelerator> documentAccelerators() { return accelerators; }

int acceleratorCommand(int key, int modifiers)
{
    constexpr int relevant = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    for (const accelerator& a : accelerators) {
        if (a.key == key && a.modifiers == (modifiers & relevant))
            return a.command;
    }
    return 0;
}

void fillMenu(QMenu& menu, std::span<const menuEntry> entries,
              const std::function<void(QMenu&, int, const char*)>& addCommand)
{
    // The menu that takes the entries of each level: the last submenu opened
    // one level up.
    QMenu* ownerOf[5] = {nullptr, &menu, nullptr, nullptr, nullptr};
    for (const menuEntry& e : entries) {
        int level = std::clamp(e.level, 1, 3);
        QMenu* owner = ownerOf[level] ? ownerOf[level] : &menu;
        if (e.command == 0 && !e.text)
            owner->addSeparator();
        else if (e.command == 0)
            ownerOf[level + 1] = owner->addMenu(QString::fromLatin1(e.text));
        else
            addCommand(*owner, e.command, e.text);
    }
}

} // namespace sclMenus
