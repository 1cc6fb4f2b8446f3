#pragma once

#include "foundation/gstr.h"
#include "registers/sources/ui/CSourcePane.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QListWidget;
class gregisterSource;

// The pane of the remote register value sources (all four classes): the
// remote register's tag and the list of IP addresses at which its station
// is reached, in the order they are tried.
class CRemoteRegisterSourcePane final : public CSourcePane {
public:
    using address = std::array<uint8_t, 4>;

    static constexpr int removeId = 1573;
    static constexpr int tagId = 1326;
    static constexpr int editId = 1223;
    static constexpr int duplicateId = 1217;
    static constexpr int listId = 2145;
    static constexpr int addId = 1004;

    CRemoteRegisterSourcePane() : CSourcePane(876) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    void applyToBistate(gbistateSupplement& supplement) override;
    void applyToDigital(gdigitalSupplement& supplement) override;
    void applyToString(gstringSupplement& supplement) override;

private:
    QListWidget& list() const;
    // The Edit IP Address dialog on the selected address (or none); a new
    // address goes after the selected line.
    void editAddress(bool edit, bool withSelected);
    void insertLine(int row, const address& a);
    void onRemove();
    void enableButtons(bool enable);
    void apply(gregisterSource* made) const;

    gstr tag_;
    std::vector<address> addresses_;
};
