// SPDX-License-Identifier: MIT
#include "GuiTestSupport.h"
#include "TolvanekApplication.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A prepared answer that no window took means the window the test expected never came.
class PendingModalCheck : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        const int pending = GuiTest::CancelPendingModalActions();
        if (pending > 0)
            ADD_FAILURE() << pending << " prepared window action(s) never ran";
    }
};
} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // CTest lists the tests at build time, where no display is needed; only create the
    // application (the editor's own, with its exception display) when tests really run.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    // The tests never read or write the user's own configuration; a test checks that the program
    // writes none at all into this folder.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // The window speaks the locale's language: the program's tests read the texts of the locale
    // it was built for (TOLVANEK_TEST_LOCALE in CMakeLists.txt), whatever the developer's.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", TOLVANEK_TEST_LOCALE);
    TolvanekApplication app(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new PendingModalCheck);
    GuiTest::WatchForUnexpectedModals();
    return RUN_ALL_TESTS();
}
