// Message boxes: caption from the application title, text from the string
// table, the caller's style, and the owner window.
#include "CException.h"
#include "CWinApp.h"
#include "Messages.h"
#include "ModalWatcher.h"
#include "Text.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        m_app.m_strAppTitle = AppTitleFromModulePath(path);
    }

    CWinApp m_app;
};

TEST_F(MessagesTest, ShowsRowUnderTheApplicationTitleWithoutOwner) {
    ModalWatcher watcher;
    EXPECT_EQ(IDOK, ShowMessage(IDS_GAME_NOT_INSTALLED, MB_ICONINFORMATION));
    const ShownBox& box = watcher.Result();
    ASSERT_TRUE(box.seen);
    EXPECT_EQ("ui_tests", box.caption);
    EXPECT_EQ(u8"「アシュヴェルト」がインストールされている必要があります。", box.text);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(nullptr, box.owner);
}

TEST_F(MessagesTest, MissingRowShowsFatalText) {
    for (UINT id : {0u, 102u, 60000u}) {
        ModalWatcher watcher;
        ShowMessage(id, MB_ICONINFORMATION);
        EXPECT_EQ("FATAL: Unexpected.", watcher.Result().text) << id;
    }
}

TEST_F(MessagesTest, TextKeepsItsLineBreak) {
    ModalWatcher watcher;
    ShowMessage(IDS_INSTALL_FAILED, MB_ICONINFORMATION);
    EXPECT_EQ(u8"インストールに失敗しました。\n「アシュヴェルト」が正常にインストールされていない可能性があります。",
              watcher.Result().text);
}

TEST_F(MessagesTest, BoxIsOwnedByTheMainWindow) {
    HWND window = CreateWindowA("STATIC", "main", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(nullptr, window);
    CWnd mainWnd(window);
    m_app.m_pMainWnd = &mainWnd;
    ModalWatcher watcher;
    ShowMessage(IDS_INSTALL_FINISHED, MB_ICONINFORMATION);
    EXPECT_EQ(window, watcher.Result().owner);
    m_app.m_pMainWnd = nullptr;
    DestroyWindow(window);
}

TEST_F(MessagesTest, WithoutTitleTheCaptionIsEmpty) {
    m_app.m_strAppTitle = "";
    ModalWatcher watcher;
    ShowMessage(IDS_INSTALL_FINISHED, MB_OK);
    EXPECT_EQ("", watcher.Result().caption);
    EXPECT_FALSE(watcher.Result().hasIcon);
}

TEST_F(MessagesTest, AbortWithoutIdShowsNothingAndThrowsUserException) {
    CException* caught = nullptr;
    try {
        AbortWithMessage(0);
    } catch (CException* e) {
        caught = e;
    }
    ASSERT_NE(nullptr, caught);
    EXPECT_NE(nullptr, dynamic_cast<CUserException*>(caught));
    caught->Delete();
}

TEST_F(MessagesTest, AbortWithIdShowsErrorThenThrows) {
    ModalWatcher watcher;
    bool thrown = false;
    try {
        AbortWithMessage(IDS_INSTALL_FAILED);
    } catch (CException* e) {
        thrown = dynamic_cast<CUserException*>(e) != nullptr;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_TRUE(watcher.Result().seen);
    EXPECT_TRUE(watcher.Result().hasIcon);
}

}  // namespace
