#pragma once

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverParameter.h"
#include "legacy/ui/objectItems.h"
#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "platform/textCodec.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "store/storeTestSupport.h"
#include "support/model/stationLines.h"
#include "support/ui/temporarySettings.h"

#include <QComboBox>
#include <QListWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The command dialog as the element dialogs see it, over a template of a
// loaded driver: the driver's parameters first (when included), then the
// template's, filtered by kind.
class fakeCommandDialog : public commandElementHost {
public:
    fakeCommandDialog(g2driver& driver, g2driverParameterTable& own, g2driverCommandDataNameTable& dataNames,
                      bool includeDriver)
        : driver_(driver), own_(own), dataNames_(dataNames), includeDriver_(includeDriver)
    {
    }

    bool fillParameterCombos(QComboBox* const* combos, int count, int32_t kind,
                             g2driverParameter* const* chosen) override
    {
        for (int c = 0; c < count; ++c) {
            QComboBox& combo = *combos[c];
            if (includeDriver_)
                addKind(combo, driver_.parameters(), kind);
            addKind(combo, own_, kind);
            int at = chosen && chosen[c] ? findItemObject(combo, chosen[c]) : -1;
            combo.setCurrentIndex(at);
        }
        if (combos[0]->count() == 0)
            return false;
        for (int c = 0; c < count; ++c) {
            if (combos[c]->currentIndex() < 0)
                combos[c]->setCurrentIndex(0);
        }
        return true;
    }
    g2driverCommandDataNameTable& commandDataNames() override { return dataNames_; }
    g2driverProgramTable* driverPrograms() override { return &driver_.programs(); }

private:
    static void addKind(QComboBox& combo, const g2driverParameterTable& table, int32_t kind)
    {
        for (int32_t i = 0; i < table.ordered().size(); ++i) {
            g2driverParameter* p = table.ordered()[i];
            if (p->getKind() == kind)
                insertItemAt(combo, combo.count(), p->getName(), p);
        }
    }

    g2driver& driver_;
    g2driverParameterTable& own_;
    g2driverCommandDataNameTable& dataNames_;
    bool includeDriver_;
};

// A response elements page of a template: its list's values, the
// template's data names and the driver's error codes.
class fakeResponsePage : public responseElementHost {
public:
    fakeResponsePage(g2driver& driver, g2driverCommandTemplate& read, g2driverResponseList& list)
        : dialog(driver, read.parameters(), read.dataNames(), true), driver_(driver), read_(read), list_(list)
    {
    }

    commandElementHost& templateDialog() override { return dialog; }
    g2driverResponseValueTable& responseValues() override { return list_.values(); }
    g2driverResponseDataNameTable& responseDataNames() override { return read_.responseDataNames(); }
    g2driverErrorCodeTable& errorCodes() override { return driver_.errorCodes(); }
    bool isErrorList() const override { return list_.getErrorFlag() != 0; }

    fakeCommandDialog dialog;

private:
    g2driver& driver_;
    g2driverCommandTemplate& read_;
    g2driverResponseList& list_;
};

// What the tests of the driver editor's dialogs start from: settings of
// their own, a user that answers from scripts, and the meter driver of the
// model's fixture with its template Read.
class g2edit : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/g2driver/model/fixtures/meter.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        meter = station::g2Drivers().find("Meter");
        ASSERT_NE(meter, nullptr);
        read = meter->templates().find("Read");
        ASSERT_NE(read, nullptr);
    }

    // A dialog initialised as its modal run would, to be driven directly.
    template <class D, class... A>
    static std::unique_ptr<D> opened(A&&... args)
    {
        auto dialog = std::make_unique<D>(std::forward<A>(args)...);
        dialog->ensureInitialized();
        return dialog;
    }
    // Presses OK; the prompt id of the message it showed, 0 when it closed.
    int refusal(CDialog& d)
    {
        user.messages.clear();
        d.sendCommand(IDOK);
        return d.hasEnded() ? 0 : lastMessageId();
    }
    // The next modal run: the script, then OK unless the script ended it.
    void thenOk(std::function<void(CDialog&)> script = {})
    {
        user.scripts.push_back([script](CDialog& d) {
            if (script)
                script(d);
            if (!d.hasEnded())
                d.sendCommand(IDOK);
        });
    }
    void thenCancel() { user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); }); }
    int lastMessageId() const { return user.messages.empty() ? 0 : user.messages.back().promptId; }
    std::vector<int> messageIds() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }

    static std::string written(const gstorable& object)
    {
        return writtenText([&](CObjectFile& file) { object.writeEmbedded(file, 0); });
    }
    static std::vector<std::string> rows(const QListWidget* list)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list->count(); ++i)
            texts.push_back(std::string(fromUiText(list->item(i)->text()).view()));
        return texts;
    }
    static std::vector<std::string> items(const QComboBox* combo)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.push_back(std::string(fromUiText(combo->itemText(i)).view()));
        return texts;
    }
    static std::string text(const gstrSlice& bytes) { return std::string(bytes.view()); }
    static std::string title(const CDialog& d) { return fromUiText(d.windowTitle()).view().data(); }

    temporarySettings settings;
    recordingResponder user;
    g2driver* meter = nullptr;
    g2driverCommandTemplate* read = nullptr;
};

// What the user's choice in a combo does.
inline void choose(QComboBox* combo, const char* entry)
{
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(entry)));
}
