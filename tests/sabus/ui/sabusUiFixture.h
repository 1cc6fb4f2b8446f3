#pragma once

#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "platform/textCodec.h"
#include "sabus/gsabusRequest.h"
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

// What every test of the SABus dialogs starts from: settings of its own, a
// user that answers from scripts, and the station of the request fixture
// (registers of every class, two programs, queries and commands of every
// kind).
class sabusUi : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        loadFixture();
    }

    void loadFixture()
    {
        emptyAll();
        std::string path = std::string(KORVEL_TEST_DATA_DIR) + "/sabus/fixtures/requests.stn";
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        stationState().modified = 0;
    }
    void loadStation(const std::string& text)
    {
        emptyAll();
        std::string path = folder.path("station.stn");
        putFile(path, text);
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        stationState().modified = 0;
    }

    // A dialog initialised as its modal run would, to be driven directly.
    template <class D, class... A>
    static std::unique_ptr<D> opened(A&&... args)
    {
        auto dialog = std::make_unique<D>(std::forward<A>(args)...);
        dialog->ensureInitialized();
        return dialog;
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

    std::vector<int> messageIds() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }
    int lastMessageId() const { return user.messages.empty() ? 0 : user.messages.back().promptId; }

    static gsabusRequest* request(const char* tag) { return station::requests().find(tag); }
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

    tempFolder folder;
    temporarySettings settings;
    recordingResponder user;
};

inline std::string text(const gstrSlice& bytes) { return std::string(bytes.view()); }

// What the user's choice in a combo does.
inline void choose(QComboBox* combo, const char* entry)
{
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(entry)));
}
