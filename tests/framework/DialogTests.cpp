// Modal dialogs: the result of DoModal, the message map chain, and exceptions
// that leave a handler.
#include "CDialog.h"
#include "CException.h"
#include "CWinApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr UINT kPing = WM_APP + 1;

// Ends itself through a posted command, so that the modal loop really runs.
class SelfEndingDialog : public CDialog {
public:
    SelfEndingDialog(UINT templateId, int command) : CDialog(templateId), m_command(command) {}

    int initCalls = 0;
    int pings = 0;
    bool throwOnPing = false;

protected:
    BOOL OnInitDialog() override {
        ++initCalls;
        PostMessage(kPing, 0, 0);
        return TRUE;
    }
    LRESULT OnPing(WPARAM, LPARAM) {
        ++pings;
        if (throwOnPing && pings == 1) {
            PostMessage(kPing, 0, 0);
            AfxThrowUserException();
        }
        PostMessage(WM_COMMAND, MAKEWPARAM(m_command, BN_CLICKED), 0);
        return 0;
    }

private:
    int m_command;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfEndingDialog, CDialog)
    ON_MESSAGE(kPing, OnPing)
END_MESSAGE_MAP()

TEST(Dialog, CommandsEndTheDialogWithTheirResult) {
    for (int command : {IDOK, IDCANCEL}) {
        SelfEndingDialog dialog(IDD_WAIT_EXIT, command);
        EXPECT_EQ(command, dialog.DoModal());
        EXPECT_EQ(1, dialog.initCalls);
        EXPECT_EQ(1, dialog.pings);
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
}

TEST(Dialog, MissingTemplateGivesMinusOne) {
    SelfEndingDialog dialog(4242, IDOK);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(0, dialog.initCalls);
}

TEST(Dialog, UserExceptionFromHandlerIsSilentAndDialogGoesOn) {
    SelfEndingDialog dialog(IDD_WAIT_EXIT, IDOK);
    dialog.throwOnPing = true;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(2, dialog.pings);
}

TEST(Dialog, MainWindowIsClearedWhenItsWindowGoes) {
    CWinApp app;
    SelfEndingDialog dialog(IDD_INSTALL_DIALOG, IDCANCEL);
    app.m_pMainWnd = &dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}

// Records where the dialog stands once it is up.
class PlacedDialog : public SelfEndingDialog {
public:
    PlacedDialog() : SelfEndingDialog(IDD_WAIT_EXIT, IDCANCEL) {}
    RECT placed = {};

protected:
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) {
        GetWindowRect(m_hWnd, &placed);
        return SelfEndingDialog::OnPing(wParam, lParam);
    }

    DECLARE_MESSAGE_MAP()
};

// Searched before the base class's map.
BEGIN_MESSAGE_MAP(PlacedDialog, SelfEndingDialog)
    ON_MESSAGE(kPing, OnPing)
END_MESSAGE_MAP()

TEST(Dialog, AppearsCentredOnTheWorkArea) {
    PlacedDialog dialog;
    ASSERT_EQ(IDCANCEL, dialog.DoModal());
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int left = dialog.placed.left - area.left, right = area.right - dialog.placed.right;
    const int top = dialog.placed.top - area.top, bottom = area.bottom - dialog.placed.bottom;
    EXPECT_GT(left, 0);
    EXPECT_GT(top, 0);
    EXPECT_LE(std::abs(left - right), 1);
    EXPECT_LE(std::abs(top - bottom), 1);
}

}  // namespace
