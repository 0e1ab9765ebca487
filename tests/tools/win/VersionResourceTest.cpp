// The version resource of q5tool.exe as Windows reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolRunner.h"
#include "ui/win/ProgramVersion.h"

namespace q5 {
namespace {

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class VersionResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring path = Widen(test::ToolPath());
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_GT(size, 0u);
        block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    }

    std::wstring Text(const wchar_t* name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) {
            return {};
        }
        return static_cast<const wchar_t*>(value);
    }

    std::vector<std::uint8_t> block;
};

TEST_F(VersionResourceTest, NamesTheProductAndTheTool) {
    EXPECT_EQ(Text(L"ProductName"), L"Korvo Q5 companion");
    EXPECT_EQ(Text(L"CompanyName"), L"Korvo Q5 companion developers");
    EXPECT_EQ(Text(L"FileDescription"), L"Korvo Q5 command-line tool");
    EXPECT_EQ(Text(L"OriginalFilename"), L"q5tool.exe");
}

TEST_F(VersionResourceTest, CarriesTheProjectVersion) {
    EXPECT_EQ(Text(L"FileVersion"), Widen(Q5_PROJECT_VERSION));
    EXPECT_EQ(Text(L"ProductVersion"), Widen(Q5_PROJECT_VERSION));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(Q5_PROJECT_VERSION_MAJOR << 16 | Q5_PROJECT_VERSION_MINOR));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(Q5_PROJECT_VERSION_PATCH << 16));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionResourceTest, ProgramVersionTextReadsTheProductVersion) {
    const std::wstring path = Widen(test::ToolPath());
    EXPECT_EQ(win::ProgramVersionText(path), u"" Q5_PROJECT_VERSION);
    // The test executable carries no version resource.
    EXPECT_EQ(win::ProgramVersionText(), u"");
}

}  // namespace
}  // namespace q5
