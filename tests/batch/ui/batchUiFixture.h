#pragma once

#include "batch/ui/CBatchListDialog.h"
#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "platform/textCodec.h"
#include "shell/CObjectListCtrl.h"
#include "shell/objectListSelection.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "store/storeTestSupport.h"
#include "support/model/stationLines.h"
#include "support/ui/temporarySettings.h"

#include <QListWidget>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// What every test of the batch dialogs starts from: settings of its own, a
// user that answers from scripts, and the batch station fixture (or a
// station of the test's own).
class batchUi : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        loadFile(std::string(KORVEL_TEST_DATA_DIR) + "/batch/fixtures/batch.stn");
    }

    void loadFile(const std::string& path)
    {
        emptyAll();
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0) << (user.messages.empty() ? "" : user.messages.back().text);
        stationState().modified = 0;
    }
    void loadStation(const std::string& text)
    {
        std::string path = folder.path("station.stn");
        putFile(path, text);
        loadFile(path);
    }

    template <class D, class... A>
    static std::unique_ptr<D> opened(A&&... args)
    {
        auto dialog = std::make_unique<D>(std::forward<A>(args)...);
        dialog->ensureInitialized();
        return dialog;
    }

    // Find, replacement and the two options of a batch dialog.
    static void setFind(CDialog& d, const char* find, const char* replace, bool wholeWord, bool matchCase)
    {
        d.setControlText(CBatchListDialog::findId, find);
        d.setControlText(CBatchListDialog::replaceId, replace);
        d.setChecked(CBatchListDialog::wholeWordId, wholeWord);
        d.setChecked(CBatchListDialog::matchCaseId, matchCase);
    }
    // Only the given scope boxes checked.
    static void scopes(CDialog& d, std::initializer_list<int> all, std::initializer_list<int> on)
    {
        for (int id : all)
            d.setChecked(id, std::find(on.begin(), on.end(), id) != on.end());
    }
    static void selectTags(CBatchListDialog& d, std::initializer_list<const char*> tags)
    {
        selectRowsWhere(d.list(), [tags](const gtitledObject& object) {
            return std::any_of(tags.begin(), tags.end(), [&object](const char* tag) { return object.getTag() == gstrSlice(tag); });
        });
    }
    static std::vector<std::string> selectedTags(const CBatchListDialog& d)
    {
        std::vector<std::string> tags;
        for (gtitledObject* o : d.selectedObjects())
            tags.push_back(std::string(o->getTag().view()));
        return tags;
    }
    static std::vector<std::string> names(const CObjectListCtrl& list)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list.rowCount(); ++i)
            texts.push_back(std::string(list.nameAt(i).view()));
        return texts;
    }

    std::vector<int> messageIds() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }
    const shownMessage& last() const { return user.lastMessage(); }
    static std::string written(const gstorable& object)
    {
        return writtenText([&](CObjectFile& file) { object.writeEmbedded(file, 0); });
    }

    tempFolder folder;
    temporarySettings settings;
    recordingResponder user;
};

inline std::string text(const gstrSlice& bytes) { return std::string(bytes.view()); }
