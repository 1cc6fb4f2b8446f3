#include "legacy/glegacyParameter.h"
#include "registers/sources/ui/CLegacyParameterSourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"

#include <QComboBox>

namespace {

using base = CRegisterDialog;
using pane = CLegacyParameterSourcePane;

TEST_F(registerDialogTest, LegacyParameterPaneChoosesByTitle)
{
    for (auto [tag, title] : {std::pair{"P1", "Speed"}, std::pair{"P2", "Load"}, std::pair{"P3", ""}})
        static_cast<glegacyParameter*>(objectTypes::legacyParameter().defineObject(tag, false))->setTitle(title);
    gregister* made = run(3, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "A");
        ASSERT_TRUE(chooseSourceType(d, 5));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 570);
        EXPECT_EQ(items(p, pane::parameterId), (std::vector<std::string>{"Load", "P3", "Speed"}));
        EXPECT_EQ(p.selectedItem(pane::parameterId), 0);
        // The register takes the parameter's one value.
        EXPECT_FALSE(p.needsOwnElementCount());
        p.controlAs<QComboBox>(pane::parameterId)->setCurrentIndex(-1);
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10151);
        EXPECT_EQ(user.lastMessage().text, "Please select a parameter.");
        p.selectItem(pane::parameterId, 2);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tPARAMETER\n\t\tPARAMETER\tP1\n\tEND\n");
    EXPECT_EQ(users(static_cast<glegacyParameter*>(station::legacyParameters().find("P1"))->usedBy()),
              "\nThe register A");
    run(3, made, made, [this](CDialog& d) {
        EXPECT_EQ(paneOf(d).selectedItem(pane::parameterId), 2);
        // Leaving the pane always asks.
        user.answers.push_back(ganswer::cancel);
        EXPECT_TRUE(chooseSourceType(d, 3));
        EXPECT_EQ(user.lastMessage().promptId, 10721);
        d.sendCommand(IDCANCEL);
    });
}

} // namespace
