#include "g2editFixture.h"

#include "g2driver/editor/CSelectResponseElementTypeDialog.h"
#include "g2driver/editor/elementDialogs.h"
#include "g2driver/model/g2driverCommandElement.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "g2driver/model/g2driverResponseList.h"

namespace {

class elementDialogs : public g2edit {};

// Every stored element opens in the dialog of its own type, which OK leaves
// writing the same lines.
TEST_F(elementDialogs, EachTypeIdOpensItsKindsDialog)
{
    fakeCommandDialog host(*meter, read->parameters(), read->dataNames(), true);
    for (int32_t i = 0; i < read->elements().size(); ++i) {
        g2driverCommandElement* element = read->elements()[i];
        std::string before = written(*element);
        thenOk();
        EXPECT_EQ(openCommandElementDialog(host, element->typeId(), element, element, nullptr), element) << before;
        EXPECT_EQ(written(*element), before);
    }
    for (g2driverResponseList* list : {&read->responses(), &read->errors()}) {
        fakeResponsePage page(*meter, *read, *list);
        for (int i = 0; i < list->count(); ++i) {
            g2driverResponseElement* element = list->element(i);
            std::string before = written(*element);
            thenOk();
            EXPECT_EQ(openResponseElementDialog(page, element->getType(), element, element, nullptr), element)
                << before;
            EXPECT_EQ(written(*element), before);
        }
    }
    thenCancel();
    EXPECT_EQ(openCommandElementDialog(host, g2commandElementType::delay, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(elementDialogs, TypeChoiceAnswersTheCheckedTypeOrNone)
{
    thenOk([](CDialog& d) { d.setChecked(CSelectResponseElementTypeDialog::buttonOf(12), true); });
    EXPECT_EQ(chooseResponseElementType(true, nullptr), 12);
    thenCancel();
    EXPECT_EQ(chooseResponseElementType(false, nullptr), -1);
}

} // namespace
