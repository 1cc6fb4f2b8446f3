#pragma once

#include "sabus/gsabusResponseData.h"
#include "sabus/ui/CSabusRequestDialog.h"

#include <memory>

class CResponseDataDialog;

// The Edit SABus Query dialog: the request's common fields and its response
// data, edited as copies in the list until OK hands them to the query.
class CEditSabusQueryDialog : public CSabusRequestDialog {
public:
    static constexpr int templateId = 699;
    static constexpr int itemsId = 1510;
    static constexpr int newItemId = 1511;
    static constexpr int editItemId = 1512;
    static constexpr int duplicateItemId = 1513;
    static constexpr int deleteItemId = 1514;

    CEditSabusQueryDialog(gsabusRequest* source, gsabusRequest* target, QWidget* parent = nullptr);

    void OnNewItem();
    void OnEditItem();
    void OnDuplicateItem();

protected:
    bool fillOwnFields() override;
    bool checkOwnFields() override;
    void storeOwnFields(gsabusRequest& target) override;

private:
    COwningList<gsabusResponseData> items_;
};

// The item dialog of a kind (1 to 8) on the source and target items; null
// for any other kind.
std::unique_ptr<CResponseDataDialog> makeResponseDataDialog(int kind, const gsabusResponseData* source,
                                                            gsabusResponseData* target, QWidget* parent);
