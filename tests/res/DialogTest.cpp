// The dialog templates of the built program, field by field and control by
// control, with the exact style bits that the system will create them with.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace restest {
namespace {

constexpr const char* kFont = "ＭＳ Ｐゴシック";
constexpr uint16_t kButton = 0x0080;
constexpr uint16_t kEdit = 0x0081;
constexpr uint16_t kStatic = 0x0082;

struct DialogCase {
    const char* label;
    uint16_t id;
    bool extended;
    uint32_t helpId;  // extended templates only
    uint32_t style;
    uint32_t exStyle;
    int16_t x, y, cx, cy;
    const char* caption;
    uint16_t pointSize;
    const char* typeface;
    uint16_t weight;  // extended templates only
    uint8_t italic;   // extended templates only
    uint8_t charset;  // extended templates only
    size_t controls;
};

const DialogCase kDialogs[] = {
    {"IDD_ABOUTBOX", 100, false, 0,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
     0, 0, 235, 55, "Magazineのﾊﾞｰｼﾞｮﾝ情報", 9, kFont, 0, 0, 0, 4},
    // Visible from the start, without a system menu, with a taskbar button.
    {"IDD_INSTALL_DIALOG", 102, true, 0,
     WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, WS_EX_APPWINDOW,
     0, 0, 179, 113, "ASHVELDT Magazine Item Install Tool", 9, kFont, 0, 0, DEFAULT_CHARSET, 3},
    {"IDD_WAIT_EXIT", 129, false, 0,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
     0, 0, 167, 63, "", 9, kFont, 0, 0, 0, 3},
};

std::optional<DialogTemplate> LoadDialog(uint16_t id) {
    auto bytes = LoadResourceBytes(RT_DIALOG, MAKEINTRESOURCEW(id));
    if (!bytes) return std::nullopt;
    return ParseDialog(*bytes);
}

class DialogHeaderTest : public testing::TestWithParam<DialogCase> {
protected:
    void SetUp() override {
        auto dialog = LoadDialog(GetParam().id);
        ASSERT_TRUE(dialog.has_value())
            << "dialog " << GetParam().id << " is missing under 0x0411 or truncated";
        m_dialog = *dialog;
    }
    DialogTemplate m_dialog;
};

TEST_P(DialogHeaderTest, Kind) {
    EXPECT_EQ(m_dialog.extended, GetParam().extended);
    if (m_dialog.extended) {
        EXPECT_EQ(m_dialog.version, 1);
        EXPECT_EQ(m_dialog.helpId, GetParam().helpId);
    }
}

TEST_P(DialogHeaderTest, PositionAndSize) {
    const DialogCase& want = GetParam();
    EXPECT_EQ(m_dialog.x, want.x);
    EXPECT_EQ(m_dialog.y, want.y);
    EXPECT_EQ(m_dialog.cx, want.cx);
    EXPECT_EQ(m_dialog.cy, want.cy);
}

TEST_P(DialogHeaderTest, Style) {
    EXPECT_EQ(m_dialog.style, GetParam().style)
        << std::hex << "have 0x" << m_dialog.style << ", want 0x" << GetParam().style;
}

TEST_P(DialogHeaderTest, ExtendedStyle) {
    EXPECT_EQ(m_dialog.exStyle, GetParam().exStyle)
        << std::hex << "have 0x" << m_dialog.exStyle << ", want 0x" << GetParam().exStyle;
}

TEST_P(DialogHeaderTest, Caption) {
    EXPECT_EQ(m_dialog.caption, GetParam().caption);
}

TEST_P(DialogHeaderTest, Font) {
    const DialogCase& want = GetParam();
    ASSERT_TRUE(m_dialog.hasFont);
    EXPECT_EQ(m_dialog.pointSize, want.pointSize);
    EXPECT_EQ(m_dialog.typeface, want.typeface);
    if (m_dialog.extended) {
        EXPECT_EQ(m_dialog.weight, want.weight);
        EXPECT_EQ(m_dialog.italic, want.italic);
        EXPECT_EQ(m_dialog.charset, want.charset);
    }
}

// No template has a menu or a window class of its own.
TEST_P(DialogHeaderTest, NoMenuAndNoClass) {
    EXPECT_EQ(m_dialog.menu, ResId::None());
    EXPECT_EQ(m_dialog.windowClass, ResId::None());
}

TEST_P(DialogHeaderTest, ControlCount) {
    EXPECT_EQ(m_dialog.itemCount, GetParam().controls);
    EXPECT_EQ(m_dialog.items.size(), GetParam().controls);
}

// Nothing follows the last control.
TEST_P(DialogHeaderTest, EndsWithTheLastControl) {
    auto bytes = LoadResourceBytes(RT_DIALOG, MAKEINTRESOURCEW(GetParam().id));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_LE(bytes->size() - m_dialog.bytesUsed, 3u) << "more than padding after the controls";
}

// The system builds a window from the template: its own reading of it.
TEST_P(DialogHeaderTest, SystemCreatesTheDialog) {
    auto bytes = LoadResourceBytes(RT_DIALOG, MAKEINTRESOURCEW(GetParam().id));
    ASSERT_TRUE(bytes.has_value());
    // Without the visible bit, so that nothing shows while the test runs.
    std::vector<uint8_t> copy = *bytes;
    size_t styleAt = m_dialog.extended ? 12 : 0;
    uint32_t style = m_dialog.style & ~WS_VISIBLE;
    for (int i = 0; i < 4; ++i) copy[styleAt + i] = static_cast<uint8_t>(style >> (8 * i));
    HWND dialog = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(copy.data()), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(dialog, nullptr) << "error " << GetLastError();
    wchar_t caption[256] = {};
    GetWindowTextW(dialog, caption, 256);
    EXPECT_EQ(ToUtf8(std::wstring_view(caption)), GetParam().caption);
    LONG_PTR created = GetWindowLongPtrW(dialog, GWL_STYLE);
    EXPECT_EQ(static_cast<uint32_t>(created) & (WS_SYSMENU | WS_CAPTION),
              GetParam().style & (WS_SYSMENU | WS_CAPTION));
    int children = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, static_cast<int>(GetParam().controls));
    DestroyWindow(dialog);
}

std::string DialogName(const testing::TestParamInfo<DialogCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogHeaderTest, testing::ValuesIn(kDialogs), DialogName);

// ---------------------------------------------------------------------------
// Controls, in template order (which is also the tab order).

struct ControlCase {
    const char* label;
    uint16_t dialog;
    size_t index;
    int32_t id;
    uint16_t windowClass;  // ordinal of a system class
    ResId text;
    int16_t x, y, cx, cy;
    uint32_t style;
};

ResId Text(const char* text) { return text[0] ? ResId::Name(text) : ResId::None(); }

const ControlCase kControls[] = {
    // About box
    {"About_Icon", 100, 0, -1, kStatic, ResId::Ordinal(128), 11, 17, 20, 20,
     WS_CHILD | WS_VISIBLE | SS_ICON},
    {"About_Title", 100, 1, -1, kStatic, Text("ASHVELDT Magazine Item Install Tool"), 40, 10, 119, 8,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX},
    {"About_Notice", 100, 2, -1, kStatic, Text("Copyright (C) 2026 KORVANE"), 40, 25, 119, 8,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
    {"About_OK", 100, 3, IDOK, kButton, Text("OK"), 178, 7, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    // Confirmation dialog
    {"Install_OK", 102, 0, IDOK, kButton, Text("OK"), 28, 94, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {"Install_Cancel", 102, 1, IDCANCEL, kButton, Text("ｷｬﾝｾﾙ"), 100, 94, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    // Neither ES_AUTOVSCROLL nor ES_AUTOHSCROLL: the text wraps and scrolls with the bar.
    {"Install_Description", 102, 2, 1000, kEdit, Text(""), 7, 7, 165, 80,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_LEFT | ES_MULTILINE |
         ES_READONLY | ES_WANTRETURN},
    // Wait-for-exit dialog
    {"Wait_Cancel", 129, 0, IDCANCEL, kButton, Text("ｷｬﾝｾﾙ"), 54, 42, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    {"Wait_Message", 129, 1, -1, kStatic, Text("Ashveldt の終了を待っています..."), 7, 7, 153, 8,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
    {"Wait_Remain", 129, 2, 11004, kStatic, Text(""), 64, 23, 29, 8,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
};

class DialogControlTest : public testing::TestWithParam<ControlCase> {
protected:
    void SetUp() override {
        auto dialog = LoadDialog(GetParam().dialog);
        ASSERT_TRUE(dialog.has_value()) << "dialog " << GetParam().dialog << " is missing";
        ASSERT_LT(GetParam().index, dialog->items.size()) << "the dialog has too few controls";
        m_item = dialog->items[GetParam().index];
    }
    DialogItem m_item;
};

TEST_P(DialogControlTest, Id) {
    EXPECT_EQ(m_item.id, GetParam().id);
}

TEST_P(DialogControlTest, Class) {
    EXPECT_EQ(m_item.windowClass, ResId::Ordinal(GetParam().windowClass));
}

TEST_P(DialogControlTest, Text) {
    EXPECT_EQ(m_item.text, GetParam().text);
}

TEST_P(DialogControlTest, PositionAndSize) {
    const ControlCase& want = GetParam();
    EXPECT_EQ(m_item.x, want.x);
    EXPECT_EQ(m_item.y, want.y);
    EXPECT_EQ(m_item.cx, want.cx);
    EXPECT_EQ(m_item.cy, want.cy);
}

TEST_P(DialogControlTest, Style) {
    EXPECT_EQ(m_item.style, GetParam().style)
        << std::hex << "have 0x" << m_item.style << ", want 0x" << GetParam().style;
}

// No control has an extended style, a help id or creation data.
TEST_P(DialogControlTest, NothingElse) {
    EXPECT_EQ(m_item.exStyle, 0u);
    EXPECT_EQ(m_item.helpId, 0u);
    EXPECT_EQ(m_item.extraCount, 0u);
}

std::string ControlName(const testing::TestParamInfo<ControlCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Controls, DialogControlTest, testing::ValuesIn(kControls), ControlName);

// The program's dialogs are these three; 30721 would be the platform's own.
TEST(Dialogs, TheProgramHasExactlyTheseTemplates) {
    std::set<std::wstring> ids;
    for (const ResourceEntry& entry : AllResources(ProgramModule()))
        if (entry.type == L"#5" && entry.name != L"#30721") ids.insert(entry.name);
    EXPECT_EQ(ids, (std::set<std::wstring>{L"#100", L"#102", L"#129"}));
}

}  // namespace
}  // namespace restest
