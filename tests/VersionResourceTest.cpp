// The resources of ui/duomira.rc, linked into this test program and read
// back the way Explorer reads them from the game's program file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> ownVersionInfo() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(self, &ignored);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoW(self, 0, size, info.data())) {
        info.clear();
    }
    return info;
}

std::wstring koreanString(std::vector<BYTE>& info, const std::wstring& name) {
    const std::wstring query = L"\\StringFileInfo\\041204B0\\" + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return L"<missing>";
    }
    // The length counts the terminator for some writers and not for others.
    const std::wstring text(value, length);
    return text.substr(0, text.find(L'\0'));
}

TEST(VersionResource, HoldsTheNamesInTheKoreanStringTable) {
    std::vector<BYTE> info = ownVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version block";
    EXPECT_EQ(koreanString(info, L"ProductName"), L"Duomira");
    EXPECT_EQ(koreanString(info, L"FileVersion"), L"1.00");
    EXPECT_EQ(koreanString(info, L"ProductVersion"), L"1.00");
    EXPECT_EQ(koreanString(info, L"InternalName"), L"\uD1A0\uB9AC\uBB34\uB098");
    EXPECT_EQ(koreanString(info, L"OriginalFilename"), L"\uD1A0\uB9AC\uBB34\uB098.exe");
}

TEST(VersionResource, DeclaresKoreanUnicodeAsItsOneTranslation) {
    std::vector<BYTE> info = ownVersionInfo();
    ASSERT_FALSE(info.empty());
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x0412);
    EXPECT_EQ(translation[1], 1200);
}

TEST(VersionResource, NumbersTheFileAsVersionOne) {
    std::vector<BYTE> info = ownVersionInfo();
    ASSERT_FALSE(info.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The program file's icon is the window icon: a 32 × 32 and a 16 × 16
// image of 16 colours, each of which Windows can turn into an icon.
TEST(ProgramIcon, CarriesTheTwoImagesOfTheWindowIcon) {
    const HRSRC groupResource = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    ASSERT_NE(groupResource, nullptr) << "no icon group 1";
    const auto* group =
        static_cast<const BYTE*>(LockResource(LoadResource(nullptr, groupResource)));
    WORD count = 0;
    std::memcpy(&count, group + 4, sizeof count);
    ASSERT_EQ(count, 2);

    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        IconGroupEntry entry{};
        std::memcpy(&entry, group + 6 + i * sizeof(IconGroupEntry), sizeof entry);
        EXPECT_EQ(entry.width, entry.height);
        sizes.push_back(entry.width);
        const HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(entry.id), RT_ICON);
        ASSERT_NE(image, nullptr);
        const DWORD imageBytes = SizeofResource(nullptr, image);
        EXPECT_EQ(imageBytes, entry.bytes);
        auto* bits = static_cast<BYTE*>(LockResource(LoadResource(nullptr, image)));
        const HICON icon = CreateIconFromResourceEx(bits, imageBytes, TRUE, 0x00030000, entry.width,
                                                    entry.height, 0);
        EXPECT_NE(icon, nullptr) << "image " << entry.id << " is not an icon";
        DestroyIcon(icon);
        BITMAPINFOHEADER header{};
        std::memcpy(&header, bits, sizeof header);
        EXPECT_EQ(header.biBitCount, 4) << "image " << entry.id;
    }
    std::ranges::sort(sizes);
    EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
}

} // namespace
