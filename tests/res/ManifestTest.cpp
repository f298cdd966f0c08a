// The application manifest of the built program: it asks to run as
// administrator and names the Windows versions the program knows.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace restest {
namespace {

struct OsCase {
    const char* label;
    const char* id;
};

const OsCase kSupportedOs[] = {
    {"Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}"},
    {"Windows7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
    {"Windows8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
    {"Windows81", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
    {"Windows10And11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
};

std::optional<std::string> LoadManifest() {
    auto bytes = LoadResourceBytes(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    if (!bytes) return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    // Comments are not part of the document.
    for (size_t at; (at = text.find("<!--")) != std::string::npos;) {
        size_t end = text.find("-->", at);
        text.erase(at, end == std::string::npos ? std::string::npos : end + 3 - at);
    }
    return text;
}

// The attributes of every element with this name, in document order.
std::vector<std::map<std::string, std::string>> Elements(const std::string& xml,
                                                         const std::string& name) {
    std::vector<std::map<std::string, std::string>> found;
    const std::string open = "<" + name;
    for (size_t at = 0; (at = xml.find(open, at)) != std::string::npos; at += open.size()) {
        size_t pos = at + open.size();
        if (pos < xml.size() && !std::isspace(static_cast<unsigned char>(xml[pos])) &&
            xml[pos] != '/' && xml[pos] != '>')
            continue;  // a longer element name
        size_t end = xml.find('>', pos);
        if (end == std::string::npos) break;
        std::map<std::string, std::string> attributes;
        while (pos < end) {
            while (pos < end && std::isspace(static_cast<unsigned char>(xml[pos]))) ++pos;
            size_t equals = xml.find('=', pos);
            if (equals == std::string::npos || equals > end) break;
            std::string key = xml.substr(pos, equals - pos);
            char quote = xml[equals + 1];
            size_t close = xml.find(quote, equals + 2);
            if ((quote != '"' && quote != '\'') || close == std::string::npos || close > end) break;
            attributes[key] = xml.substr(equals + 2, close - equals - 2);
            pos = close + 1;
        }
        found.push_back(attributes);
    }
    return found;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(Manifest, IsStoredUnderJapaneseAsResource1) {
    auto manifest = LoadManifest();
    ASSERT_TRUE(manifest.has_value()) << "manifest 1 (type 24) is missing under 0x0411";
    EXPECT_EQ(manifest->rfind("<?xml", 0), 0u);
    EXPECT_NE(manifest->find("urn:schemas-microsoft-com:asm.v1"), std::string::npos);
}

TEST(Manifest, RequiresAdministrator) {
    auto manifest = LoadManifest();
    ASSERT_TRUE(manifest.has_value());
    auto levels = Elements(*manifest, "requestedExecutionLevel");
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0]["level"], "requireAdministrator");
    EXPECT_EQ(levels[0]["uiAccess"], "false");
}

TEST(Manifest, NamesExactlyTheseSupportedOs) {
    auto manifest = LoadManifest();
    ASSERT_TRUE(manifest.has_value());
    std::set<std::string> have, want;
    for (auto& os : Elements(*manifest, "supportedOS")) have.insert(Lower(os["Id"]));
    for (const OsCase& os : kSupportedOs) want.insert(os.id);
    EXPECT_EQ(have, want);
}

class SupportedOsTest : public testing::TestWithParam<OsCase> {};

TEST_P(SupportedOsTest, IsNamed) {
    auto manifest = LoadManifest();
    ASSERT_TRUE(manifest.has_value());
    int count = 0;
    for (auto& os : Elements(*manifest, "supportedOS"))
        if (Lower(os["Id"]) == GetParam().id) ++count;
    EXPECT_EQ(count, 1);
}

std::string OsName(const testing::TestParamInfo<OsCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Os, SupportedOsTest, testing::ValuesIn(kSupportedOs), OsName);

// The system reads the manifest into an activation context, as it does when it
// starts the program, and finds the run level in it.
TEST(Manifest, SystemReadsTheRunLevel) {
    std::wstring path = ProgramPath();
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel{};
    SIZE_T needed = 0;
    ASSERT_TRUE(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &runLevel,
                             sizeof runLevel, &needed))
        << "error " << GetLastError();
    EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_REQUIRE_ADMIN);
    EXPECT_EQ(runLevel.UiAccess, 0u);
    ReleaseActCtx(context);
}

}  // namespace
}  // namespace restest
