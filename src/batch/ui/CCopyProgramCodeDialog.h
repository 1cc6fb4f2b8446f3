#pragma once

#include "platform/CDialog.h"

#include <vector>

class QListWidget;
class gsclProgram;

// Copy Program Code: the code of one station program replaces, or is added
// behind or in front of, the code of other programs. Nothing but the code
// text is touched.
class CCopyProgramCodeDialog : public CDialog {
public:
    static constexpr int fromId = 1439;
    static constexpr int toId = 1206;
    static constexpr int copyId = 1192;
    static constexpr int appendId = 1028;
    static constexpr int prependId = 1382;

    explicit CCopyProgramCodeDialog(QWidget* parent = nullptr);

    // The program of a row of either list.
    static gsclProgram* programAt(const QListWidget& list, int row);

protected:
    bool OnInitDialog() override;

private:
    enum class placement { replace, append, prepend };

    void updateButtons();
    gsclProgram* fromProgram() const;
    // The selected To programs, from the bottom row up.
    std::vector<gsclProgram*> targets() const;
    void copyCode(placement where);

    QListWidget* from_ = nullptr;
    QListWidget* to_ = nullptr;
};
