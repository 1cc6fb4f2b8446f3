#pragma once

#include "platform/CDialog.h"

#include <memory>

class CAutoWidthCombo;
class gregister;
class gsabusRegisterData;
class gsabusResponseData;

// The base of the dialogs that make and change one response-data item of a
// query. It shows the source item's values (none: empty fields) and on OK,
// once every check of the derived dialog has passed, stores the fields into
// the target item; without a target it makes a new item of the dialog's
// kind first, which the caller takes. Cancel changes and makes nothing.
class CResponseDataDialog : public CDialog {
public:
    // The item changed or made by OK.
    gsabusResponseData* target() const { return target_; }
    // The item OK made when there was no target; null otherwise.
    std::unique_ptr<gsabusResponseData> takeCreated() { return std::move(created_); }

protected:
    // caption: the template's; newCaptionId: the caption when there is no
    // target.
    CResponseDataDialog(int templateId, const char* caption, int newCaptionId, const gsabusResponseData* source,
                        gsabusResponseData* target, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;

    // The fields from the source (when there is one). False closes the
    // dialog as cancelled.
    virtual bool fillFields() = 0;
    // The checks of OK in their order; false after a refusal.
    virtual bool checkFields() = 0;
    virtual std::unique_ptr<gsabusResponseData> makeItem() const = 0;
    virtual void storeFields(gsabusResponseData& item) = 0;

    const gsabusResponseData* source() const { return source_; }
    template <class T>
    const T* sourceAs() const
    {
        return static_cast<const T*>(source_);
    }

private:
    int newCaptionId_;
    const gsabusResponseData* source_;
    gsabusResponseData* target_;
    std::unique_ptr<gsabusResponseData> created_;
};

// The base of the dialogs of the register-bound kinds: the register combo
// (the station's registers of the kind's class, by title) and the data for
// the register's masked and error states. A station without such registers
// shows the kind's message and the dialog closes as cancelled.
class CRegisterResponseDataDialog : public CResponseDataDialog {
public:
    static constexpr int registerId = 1300;
    static constexpr int maskedId = 1301;
    static constexpr int errorId = 1302;

protected:
    // classCode: gregister::classCode of the registers listed, 0 for all.
    CRegisterResponseDataDialog(int templateId, const char* caption, int newCaptionId, int classCode,
                                int noRegistersId, const gsabusResponseData* source, gsabusResponseData* target,
                                QWidget* parent);

    // The register combo at x, y and the two state fields below y2.
    void addRegisterFields(int x, int y, int y2);
    bool fillFields() override;
    // The derived dialog's own fields.
    virtual void fillKindFields() = 0;
    void storeFields(gsabusResponseData& item) override;
    virtual void storeKindFields(gsabusRegisterData& item) = 0;

    gregister* selectedRegister() const;

    // "Use fixed width", its label and its width field: the field's lower
    // limit is 1; the box enables the others.
    void addWidthFields(int checkId, int labelId, int widthId, int x, int y);
    // Shows a width of 0 as the box unchecked and 1 in the field.
    void showWidth(int checkId, int widthId, int32_t width);
    // The width of a checked box: false after 10467.
    bool readWidth(int checkId, int widthId, int32_t& width);

private:
    int classCode_;
    int noRegistersId_;
    CAutoWidthCombo* registers_ = nullptr;
};
