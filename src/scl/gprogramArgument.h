#pragma once

#include "foundation/gstr.h"

class CObjectFile;
class gprocessorCall;

// The type of an SCL variable name: 1 numerical (no suffix), 2 string ('$'),
// 3 boolean ('%'); 0 when it is not a variable name (a letter or '_' first,
// then letters, digits or '_', at most one suffix, last).
int sclVariableType(const gstrSlice& name);

// One argument a caller passes to an SCL program: a variable name and a value
// of the name's type, which the run-time assigns before the program starts.
class gprogramArgument {
public:
    // An empty name and the type's empty value (0.0, empty text, FALSE).
    explicit gprogramArgument(int type = 0) : type_(type) {}

    const gstr& name() const noexcept { return name_; }
    int type() const noexcept { return type_; }
    double number() const noexcept { return number_; }
    int boolean() const noexcept { return boolean_; }
    const gstr& string() const noexcept { return string_; }
    // The name decides the type.
    void setName(const gstrSlice& name);
    void setNumber(double value) noexcept { number_ = value; }
    void setBoolean(int value) noexcept { boolean_ = value != 0 ? 1 : 0; }
    void setString(const gstrSlice& value) { string_.assign(value); }

    // The type's empty value: 0.0, an empty text or FALSE.
    void clearValue();

    // Names equal ignoring letter case.
    bool hasSameName(const gprogramArgument& other) const noexcept;
    // The same name (ignoring case), type and value: numbers compared
    // exactly, texts with letter case.
    bool equals(const gprogramArgument& other) const noexcept;

    // The ARGUMENT value: the name as a string value, a comma, then a value of
    // the name's type (a real number, a string value, TRUE or FALSE) that must
    // end the text. 1 when the whole text is such an argument; otherwise 0 and
    // the argument is unchanged.
    int parse(const char* text);
    // The name, ", ", the value (a number as CObjectFile::writeReal puts
    // it), then the ending.
    void write(CObjectFile& file, int ending) const;
    // The batch tools' replacement in the value: a number equal to find
    // becomes replace, the first occurrence of find in a text is replaced, a
    // truth value turns over on "true%" / "false%". 1 when changed.
    int replaceValue(const gstrSlice& find, const gstrSlice& replace, bool wholeWord, bool matchCase);

private:
    gstr name_;
    int type_;
    double number_ = 0;
    int boolean_ = 0;
    gstr string_{""};
};

// How an argument is shown: a number "%s = %.10G" (the user's decimal
// separator), a text its name, " = " and the text in double quotes without
// escapes, a truth value "%s = %s" with "TRUE%" or "FALSE%".
gstr describeProgramArgument(const gprogramArgument& argument);
// Empty for a call without arguments; else " (", the descriptions from the
// last argument to the first separated by ", ", and ")". Shown after the
// program's name.
gstr describeProgramArgumentList(const gprocessorCall& call);
