#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <memory>

class CSourceTypeHostPane;
class g2driverDataSource;
class gusesList;

// The pane of one kind of data-object source below the "Source type" combo
// of the Edit Data Object and Edit Source dialogs: a caption-less child of
// its host that loads a source into its controls and, on the host's OK,
// checks them and builds a new source. A pane never changes the source it
// was loaded from.
class CDataSourcePane : public CDialog {
public:
    CDataSourcePane(CSourceTypeHostPane& host, int templateId);
    ~CDataSourcePane() override;

    // Builds the window over the host and fills it from the source (null: a
    // new source with its defaults); false when the pane cannot be shown
    // (it has said why).
    virtual bool create(const g2driverDataSource* source);
    // The data object's value kind changed while the pane is shown; false
    // keeps the old kind.
    virtual bool acceptValueKind(int32_t kind);
    // Checks the controls in order (the first failure's message, focus on
    // its field) and builds a new source; null on failure.
    virtual std::unique_ptr<g2driverDataSource> makeSource();
    // True lets the host replace the pane without asking.
    virtual bool isUnchanged() const;
    // Links the data object's parameters that the pane's settings use.
    virtual void registerUses(gusesList& uses);
    // The number of values of the data object.
    virtual void setElementCount(int32_t count);

    int getHeight() const { return height(); }
    // At the point of the host, same size, shown without activation.
    void moveTo(const QPoint& point);

    CSourceTypeHostPane& host() const { return *host_; }
    // What the host's temporary uses list names as the user: "The source".
    const greferrer& referrer() const { return referrer_; }

protected:
    // The first step of create: a borderless child of the host with the
    // size of the template (dialog units).
    void becomeChild(int cx, int cy);
    // The end of a create that has nothing to offer: the window goes, the
    // message is shown, create answers false.
    bool refuseCreate(int messageId);
    // The message and the focus on the field without selecting its text.
    bool refuseFocusOnly(int id, int messageId);
    // The pane's height changed: the host lays itself out again.
    void heightChanged();

    bool OnInitDialog() override;

private:
    class sourceReferrer : public greferrer {
    public:
        void describeReferrer(gstr& text) const override;
    };

    CSourceTypeHostPane* host_;
    sourceReferrer referrer_;
};
