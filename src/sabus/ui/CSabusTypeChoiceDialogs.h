#pragma once

#include "platform/CDialog.h"

#include <initializer_list>

// A small modal choice among radio buttons, the first chosen when it opens;
// OK answers the chosen index.
class CRadioChoiceDialog : public CDialog {
public:
    static constexpr int firstChoiceId = 1040;

    CRadioChoiceDialog(int templateId, const char* caption, std::initializer_list<const char*> choices,
                       QWidget* parent);

    // The index of the checked button (0 for the first).
    int choice() const { return choice_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int count_;
    int choice_ = 0;
};

// Query or command: 0 "&Query", 1 "&Command".
class CSelectSabusRequestTypeDialog : public CRadioChoiceDialog {
public:
    static constexpr int templateId = 706;
    explicit CSelectSabusRequestTypeDialog(QWidget* parent = nullptr);
};

// The kind of a new response-data item: the index plus one is its kind code.
class CSelectResponseDataTypeDialog : public CRadioChoiceDialog {
public:
    static constexpr int templateId = 690;
    explicit CSelectResponseDataTypeDialog(QWidget* parent = nullptr);
};

// The kind of a new command parameter: the index plus one is its kind code.
class CSelectSabusParameterTypeDialog : public CRadioChoiceDialog {
public:
    static constexpr int templateId = 710;
    explicit CSelectSabusParameterTypeDialog(QWidget* parent = nullptr);
};
