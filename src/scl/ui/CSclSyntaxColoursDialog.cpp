#include "scl/ui/CSclSyntaxColoursDialog.h"

#include "scl/gsclTokenizer.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"
#include "scl/ui/sclColourTable.h"
#include "shell/CStationEditorApp.h"
#include "sourceedit/sourceEditorSettings.h"

#include <iterator>

namespace {

constexpr int itemNames = 10256;

// The colour class of each item; the background and plain-text items are
// the base dialog's own.
constexpr int itemClasses[] = {
    -1,
    -1,
    sclColour::lineNumbers,
    sclColour::remarks,
    sclColour::operators,
    sclColour::numbers,
    sclColour::strings,
    sclColour::constants,
    sclColour::statements,
    sclColour::functions,
    sclColour::numericalVariables,
    sclColour::stringVariables,
    sclColour::booleanVariables,
    sclColour::systemVariables,
    sclColour::resultVariables,
    sclColour::objectNames,
    sclColour::illegal,
};

} // namespace

CSclSyntaxColoursDialog::CSclSyntaxColoursDialog(QWidget* parent) : CSyntaxColoursDialog(templateNumber, parent) {}

bool CSclSyntaxColoursDialog::OnInitDialog()
{
    CSyntaxColoursDialog::OnInitDialog();
    table = sclColourTable();
    background = sourceEditorBackground;
    setItemNames(gstr().loadString(itemNames));
    setItemMap(itemClasses, static_cast<int>(std::size(itemClasses)));
    selectItem(0);
    return true;
}

void CSclSyntaxColoursDialog::apply()
{
    sclColourTable() = table;
    sclColourTable().save();
    sourceEditorBackground = background;
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
    refreshDriverProgramViews();
}
