#pragma once

#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "ports/portTestSupport.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include "support/ui/temporarySettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// An empty station with settings of the test's own and a user who answers
// from the test's scripts.
class legacyDialogTest : public emptyStation {
protected:
    // A complete station mask, with a title when given.
    static glegacyMask* mask(const char* tag, const char* title = nullptr)
    {
        glegacyMask* m = station::legacyMasks().define(tag);
        EXPECT_EQ(feedLines(*m, "PATTERN2 #\nBUFFER_SIZE 8\nTIMEOUT 1\nEND"), gload::finished);
        if (title)
            m->setTitle(title);
        return m;
    }
    // A station driver read from its block's lines.
    static glegacyDriver* driver(const char* tag, const std::string& lines)
    {
        glegacyDriver* d = station::legacyDrivers().define(tag);
        EXPECT_EQ(feedLines(*d, lines + "\nEND"), gload::finished);
        return d;
    }

    static std::vector<std::string> items(const CDialog& d, int id)
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.itemCount(id); ++i)
            out.emplace_back(d.itemText(id, i).view());
        return out;
    }
    static std::string usersOf(const gusedByList& list)
    {
        gstr text("");
        list.describeUsers(text);
        return std::string(text.view());
    }
    static bool isReadOnly(const CDialog& d, int id) { return d.controlAs<QLineEdit>(id)->isReadOnly(); }
    static void pick(CDialog& d, int id, const char* text)
    {
        int index = d.controlAs<QComboBox>(id)->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << text;
        d.selectItem(id, index);
    }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> out;
        for (const shownMessage& m : user.messages)
            out.push_back(m.text);
        return out;
    }

    temporarySettings temp;
    recordingResponder user;
};
