#include "sabus/gsabusParameter.h"

#include "sabus/gsabusParameterKinds.h"
#include "sabus/gsabusRequestBody.h"
#include "store/gkeyword.h"
#include "sabusTestSupport.h"

#include <cmath>

namespace {

class parameter : public sabusStation {
protected:
    // The statuses of a parameter block: the PARAMETER line makes a new
    // parameter by the factory, which takes the following lines.
    std::vector<gloadStatus> feed(const std::string& lines)
    {
        parameters.emplace_back();
        return feedLines(lines, [&](int token, gstr& value) -> gloadStatus {
            std::unique_ptr<gsabusParameter>& p = parameters.back();
            if (p)
                return p->loadLine(token, value);
            int kind = 0;
            parseKeywordItem(value.data(), kind);
            p = createSabusParameter(kind);
            return token == kw::PARAMETER && p ? gload::accepted : gload::invalidValue;
        });
    }
    gsabusParameter* last() const { return parameters.back().get(); }
    template <class T>
    T* lastAs() const
    {
        return dynamic_cast<T*>(last());
    }
    static std::string written(const gsabusParameter& p)
    {
        return writtenText([&](CObjectFile& file) { p.writeEmbedded(file, 0); });
    }

    std::vector<std::unique_ptr<gsabusParameter>> parameters;
};

TEST_F(parameter, LinesOfEveryKind)
{
    struct {
        const char* lines;
        std::vector<gloadStatus> statuses;
    } cases[] = {
        // NUMBER
        {"PARAMETER NUMBER\nVARIABLE s$\nVARIABLE b%\nVARIABLE 1x\nVARIABLE a, b\nVARIABLE Speed\nVARIABLE Other\n"
         "FORMAT 10\nFORMAT 10, SIGNED\nFORMAT 16, SIGNED\nFORMAT 8, 0\nFORMAT 12\n"
         "FORMAT 10, SIGNED, MAYBE\nFORMAT 10, UNSIGNED, NO\nFORMAT 2, 8\nEND\n",
         {0, 3, 3, 3, 3, 0, 4, 3, 3, 3, 3, 3, 3, 0, 4, 1}},
        {"PARAMETER NUMBER\nVARIABLE Speed\nEND\n", {0, 0, 5}},
        {"PARAMETER NUMBER\nFORMAT 2, 8\nOFFSET x\nOFFSET 1e400\nOFFSET -0.0\nOFFSET 2\nFACTOR 2\nFACTOR 3\nEND\n",
         {0, 0, 3, 3, 0, 4, 0, 4, 5}},
        // STRING
        {"PARAMETER STRING\nVARIABLE n\nVARIABLE n%\nVARIABLE n$\nVARIABLE m$\nPATTERN\nPATTERN (#\n"
         "PATTERN #*\nPATTERN a, b\nPATTERN #+\nPATTERN @\nEND\n",
         {0, 3, 3, 0, 4, 3, 3, 3, 3, 0, 4, 1}},
        {"PARAMETER STRING\nVARIABLE n$\nEND\n", {0, 0, 5}},
        {"PARAMETER STRING\nPATTERN \"a|b\"\nEND\n", {0, 0, 1}},
        // BOOLEAN
        {"PARAMETER BOOLEAN\nVARIABLE On\nVARIABLE On$\nVARIABLE On%\nFALSE\nFALSE \"\\x01\"\nFALSE off\n"
         "TRUE on\nTRUE yes\nFALSE no\nEND\n",
         {0, 3, 3, 0, 3, 3, 0, 0, 4, 4, 1}},
        {"PARAMETER BOOLEAN\nVARIABLE On%\nFALSE off\nEND\n", {0, 0, 0, 5}},
        // STRINGS
        {"PARAMETER STRINGS\nVARIABLE c$\nVARIABLE Choice\nSTRING 1\nSTRING x, a\nSTRING 1,\n"
         "STRING 1, \"\\n\"\nSTRING 1, one\nSTRING 1, uno\nSTRING 4294967295, top\nSTRING 4294967296, over\nEND\n",
         {0, 3, 0, 3, 3, 3, 3, 0, 4, 0, 3, 1}},
        {"PARAMETER STRINGS\nVARIABLE Choice\nEND\n", {0, 0, 5}},
        // BIT FIELD
        {"PARAMETER BIT FIELD\nVARIABLE 6, b%\nVARIABLE -1, b%\nVARIABLE 0\nVARIABLE 0, b\nVARIABLE 0, b%\n"
         "VARIABLE 0, c%\nVARIABLE 5, c%\nEND\n",
         {0, 3, 3, 3, 3, 0, 4, 0, 1}},
        {"PARAMETER BIT FIELD\nEND\n", {0, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(feed(c.lines), c.statuses);
    }
}

TEST_F(parameter, WrittenBack)
{
    feed("PARAMETER NUMBER\nVARIABLE Raw\nFACTOR 1\nOFFSET 0\nFORMAT 16\nEND\n");
    auto* number = lastAs<gsabusNumberParameter>();
    EXPECT_EQ(number->getFactor(), 1.0);
    EXPECT_EQ(number->getOffset(), 0.0);
    EXPECT_EQ(written(*number), "PARAMETER\tNUMBER\n\tVARIABLE\tRaw\n\tFORMAT\t\t16\nEND\n");
    number->setOffset(-0.0);
    EXPECT_EQ(written(*number), "PARAMETER\tNUMBER\n\tVARIABLE\tRaw\n\tFORMAT\t\t16\nEND\n");

    // Factor and offset are set to 1 and 0 after loading when not given.
    feed("PARAMETER NUMBER\nVARIABLE v\nFORMAT 10, UNSIGNED, NO\nEND\n");
    EXPECT_EQ(lastAs<gsabusNumberParameter>()->getFactor(), 1.0);
    EXPECT_EQ(lastAs<gsabusNumberParameter>()->getOffset(), 0.0);

    feed("PARAMETER NUMBER\nVARIABLE v\nOFFSET 1.5\nFACTOR -2\nFORMAT 10, SIGNED, YES, 6\nEND\n");
    std::string decimal = written(*last());
    EXPECT_EQ(decimal, "PARAMETER\tNUMBER\n\tVARIABLE\tv\n\tOFFSET\t\t1.5\n\tFACTOR\t\t-2\n"
                       "\tFORMAT\t\t10, SIGNED, YES, 6\nEND\n");
    EXPECT_EQ(written(*last()->duplicate()), decimal);

    feed("PARAMETER STRING\nPATTERN \"(#,)+\"\nEND\n");
    EXPECT_EQ(written(*last()), "PARAMETER\tSTRING\n\tPATTERN\t\t\"(#,)+\"\nEND\n");
    std::unique_ptr<gsabusParameter> copy = last()->duplicate();
    EXPECT_EQ(written(*copy), written(*last()));

    feed("PARAMETER STRINGS\nVARIABLE n\nSTRING 7, \"b, c\"\nSTRING 2, a\nEND\n");
    EXPECT_EQ(written(*last()), "PARAMETER\tSTRINGS\n\tVARIABLE\tn\n\tSTRING\t\t2, a\n\tSTRING\t\t7, \"b, c\"\nEND\n");
    auto* set = lastAs<gsabusStringSetParameter>();
    std::unique_ptr<gsabusParameter> setCopy = set->duplicate();
    set->setString(2, "z");
    EXPECT_EQ(set->strings().size(), 2u);
    EXPECT_EQ(text(set->strings().at(2)), "z");
    EXPECT_EQ(text(static_cast<gsabusStringSetParameter&>(*setCopy).strings().at(2)), "a");

    feed("PARAMETER BIT FIELD\nVARIABLE 5, High%\nVARIABLE 0, Low%\nEND\n");
    EXPECT_EQ(written(*last()), "PARAMETER\tBIT FIELD\n\tVARIABLE\t0, Low%\n\tVARIABLE\t5, High%\nEND\n");

    feed("PARAMETER BOOLEAN\nTRUE \" on\"\nVARIABLE b%\nFALSE off\nEND\n");
    EXPECT_EQ(written(*last()), "PARAMETER\tBOOLEAN\n\tVARIABLE\tb%\n\tFALSE\t\toff\n\tTRUE\t\t\" on\"\nEND\n");
}

TEST_F(parameter, ListTexts)
{
    feed("PARAMETER NUMBER\nVARIABLE Speed\nFORMAT 8\nEND\n");
    feed("PARAMETER STRING\nPATTERN #+\nEND\n");
    feed("PARAMETER STRING\nVARIABLE Name$\nPATTERN #+\nEND\n");
    feed("PARAMETER BOOLEAN\nVARIABLE On%\nTRUE 1\nFALSE 0\nEND\n");
    feed("PARAMETER STRINGS\nVARIABLE Choice\nSTRING 1, a\nEND\n");
    feed("PARAMETER BIT FIELD\nVARIABLE 0, a%\nVARIABLE 5, b%\nEND\n");
    feed("PARAMETER BIT FIELD\nVARIABLE 3, a%\nEND\n");
    std::vector<std::string> texts;
    std::vector<int> types;
    for (const auto& p : parameters) {
        texts.push_back(text(p->describe()));
        types.push_back(p->getType());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Speed (number)", "\"#+\"", "Name$", "On%",
                                               "Choice (set of strings)", "2 booleans from bits",
                                               "One boolean from a bit"}));
    EXPECT_EQ(types, (std::vector<int>{2, 1, 1, 3, 4, 5, 5}));
    EXPECT_EQ(createSabusParameter(kw::PROCESSOR), nullptr);
    gsabusBitsParameter bits;
    EXPECT_THROW(bits.setVariable(6, "x%"), gfault);
}

} // namespace
