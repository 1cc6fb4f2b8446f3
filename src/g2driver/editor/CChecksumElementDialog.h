#pragma once

#include "g2driver/editor/CChecksumOptionsPane.h"
#include "g2driver/editor/checksumTypeChoice.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverChecksum.h"
#include "shell/CSpinEdit.h"

#include <QLabel>

#include <cstdint>
#include <memory>

// What the checksum element dialogs of commands and of responses share: the
// bytes left out at the start and before the checksum, the kind with its
// options pane over placeholder 1844, and the integer format page over 1843
// (the output format for commands, the input format for responses), which
// moves down with the options pane. Base is the element kind's dialog base,
// Element the checksum element it edits.
template <class Base, class Element, class Page, class Format>
class CChecksumElementDialog : public Base {
public:
    static constexpr int skipFirstId = 1823;
    static constexpr int skipLastId = 1825;
    static constexpr int typeId = checksumTypeChoice::typeId;
    static constexpr int optionsPlaceholderId = checksumTypeChoice::optionsPlaceholderId;

    CChecksumOptionsPane& options() { return options_; }

protected:
    // The fields above the buttons, which the derived dialog adds after them.
    template <class Host, class Source, class Target>
    CChecksumElementDialog(int templateId, Host& host, Source source, Target target, QWidget* parent)
        : Base(templateId, 10512, host, source, target, parent)
    {
        this->setWindowTitle(QStringLiteral("Edit Checksum Element"));
        this->setDialogSize(260, 70);
        this->addLabel(-1, "&Exclude", 7, 9, 40, 8);
        this->addControl(skipFirstId, new CNonNegativeSpinEdit, 50, 7, 50, 12);
        this->addLabel(-1, "from the start", 104, 9, 60, 8);
        this->addLabel(-1, "E&xclude", 7, 27, 40, 8);
        this->addControl(skipLastId, new CNonNegativeSpinEdit, 50, 25, 50, 12);
        this->addLabel(-1, "before this", 104, 27, 60, 8);
        this->addLabel(-1, "&Type:", 7, 45, 40, 8);
        this->addComboBox(typeId, false, 50, 43, 100, 120);
        checksumTypeChoice::fillKinds(*this);
        this->addLabel(optionsPlaceholderId, "", 7, 61, 246, 1)->hide();
        this->addLabel(Base::pagePlaceholderId, "", 7, 63, 10, 8)->hide();
    }

    // The programs a Processor checksum may call.
    virtual gprocessorCall::programTable* programs() const = 0;
    // The format page over its placeholder, showing format or the defaults.
    virtual void createPage(const Format* format) = 0;

    bool OnInitDialog() override
    {
        Base::OnInitDialog();
        const auto* element = this->template sourceAs<Element>();
        skipEdit(skipFirstId).setValue(element ? element->skipFirst() : 0);
        skipEdit(skipLastId).setValue(element ? element->skipLast() : 0);
        options_.create(*this, programs(), optionsPlaceholderId, element ? &element->checksum() : nullptr);
        createPage(element ? &element->format() : nullptr);
        this->fitToContents();
        choice_.start(*this, options_, page_, element ? element->checksum().kind() : g2driverChecksum::lrc);
        return true;
    }

    bool checkFields() override
    {
        if (!skipEdit(skipFirstId).getValue(skipFirst_))
            return this->refuseField(skipFirstId, enterSkipFirst);
        if (!skipEdit(skipLastId).getValue(skipLast_))
            return this->refuseField(skipLastId, enterSkipLast);
        auto fresh = std::make_unique<g2driverChecksum>(nullptr);
        if (!options_.apply(*fresh) || !applyFresh(page_, format_))
            return false;
        settings_ = std::move(fresh);
        return true;
    }

    // What the checks accepted, into the element.
    void storeChecksum(Element& element) const
    {
        element.setSkips(skipFirst_, skipLast_);
        assignChecksum(element.checksum(), *settings_);
        element.format() = format_;
    }

    Page page_;

private:
    static constexpr int enterSkipFirst = 10532;
    static constexpr int enterSkipLast = 10533;

    CNonNegativeSpinEdit& skipEdit(int id) { return *dynamic_cast<CNonNegativeSpinEdit*>(this->control(id)); }

    CChecksumOptionsPane options_;
    checksumTypeChoice choice_;
    std::unique_ptr<g2driverChecksum> settings_;
    Format format_;
    int32_t skipFirst_ = 0;
    int32_t skipLast_ = 0;
};
