#include "GameFonts.h"

#include "AboutForm.h"
#include "MainForm.h"
#include "PasswordForm.h"
#include "Resources.h"
#include "Text.h"

#include <cmath>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <string_view>

namespace duomira {

namespace {

// The screen's device context while the fonts are chosen.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Counts the families GDI reports under a name: one is enough.
int CALLBACK noteFamily(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                        LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isInstalled(HDC screen, const std::wstring& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

bool isGameFont(std::string_view family) {
    return family == kGameGothic || family == kGameGothicCoding;
}

// The first family of the face that is installed, the game's own fonts
// counting as installed: the program carries them, and fonts added from
// memory are the process's own, which GDI does not list.
const char* installedFamily(HDC screen, KoreanFace face) {
    const auto families = familiesOf(face);
    for (const char* family : families) {
        if (isGameFont(family) || isInstalled(screen, widen(family)))
            return family;
    }
    return families.front();
}

bool lacksADesignFace(HDC screen) {
    for (const KoreanFace face :
         {KoreanFace::Gulim, KoreanFace::GulimChe, KoreanFace::Dotum, KoreanFace::MsSerif}) {
        if (isGameFont(installedFamily(screen, face)))
            return true;
    }
    return false;
}

// One of the game's fonts from the program file, for this process alone. One
// that does not register is a broken build.
HANDLE addGameFont(HMODULE program, int id) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = found == nullptr ? nullptr : LoadResource(program, found);
    DWORD added = 0;
    HANDLE fonts = nullptr;
    if (loaded != nullptr)
        fonts = AddFontMemResourceEx(LockResource(loaded), SizeofResource(program, found), nullptr,
                                     &added);
    if (fonts == nullptr || added == 0)
        throw std::runtime_error("font resource does not register: " + std::to_string(id));
    return fonts;
}

// Character height in pixels for a size in points; the design's sizes are
// fractional (9.75 pt is 13 pixels at 96 dots per inch).
int pixelHeight(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

BYTE charSetOf(KoreanFace face) {
    return face == KoreanFace::MsSerif ? ANSI_CHARSET : HANGUL_CHARSET;
}

BYTE pitchAndFamilyOf(KoreanFace face) {
    if (isFixedPitch(face))
        return FIXED_PITCH | FF_MODERN;
    return face == KoreanFace::MsSerif ? VARIABLE_PITCH | FF_ROMAN : VARIABLE_PITCH | FF_SWISS;
}

HFONT createFont(HDC screen, const FontStyle& style, int dpi) {
    const std::wstring family = widen(installedFamily(screen, style.face));
    return CreateFontW(pixelHeight(style.points, dpi), 0, 0, 0, style.weight, FALSE, FALSE, FALSE,
                       charSetOf(style.face), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, pitchAndFamilyOf(style.face), family.c_str());
}

bool hasHangulGlyphs(HDC screen, HFONT font) {
    const HGDIOBJ previous = SelectObject(screen, font);
    WORD glyph = 0;
    const DWORD converted = GetGlyphIndicesW(screen, L"가", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen, previous);
    return converted == 1 && glyph != 0xFFFF;
}

// The About dialog speaks in the system's own dialog font, the one message
// boxes use, as long as that font can write Hangul; otherwise Gulim's family
// takes its place at the same height.
HFONT createAboutFormFont(HDC screen, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                               static_cast<UINT>(dpi));
    HFONT system = CreateFontIndirectW(&metrics.lfMessageFont);
    if (hasHangulGlyphs(screen, system))
        return system;
    DeleteObject(system);
    LOGFONTW gulim = metrics.lfMessageFont;
    gulim.lfCharSet = HANGUL_CHARSET;
    const std::wstring family = widen(installedFamily(screen, KoreanFace::Gulim));
    wcsncpy(gulim.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    gulim.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return CreateFontIndirectW(&gulim);
}

HFONT designFont(const FontStyle& style, int dpi) {
    const ScreenDc screen;
    return createFont(screen.get(), style, dpi);
}

HFONT aboutFormFont(int dpi) {
    const ScreenDc screen;
    return createAboutFormFont(screen.get(), dpi);
}

} // namespace

GameFontResources::GameFontResources() {
    const ScreenDc screen;
    if (!lacksADesignFace(screen.get()))
        return;
    const HMODULE program = GetModuleHandleW(nullptr);
    for (int id = IDR_FONT_FIRST; id <= IDR_FONT_LAST; ++id)
        added_.push_back(addGameFont(program, id));
}

GameFontResources::~GameFontResources() {
    for (HANDLE fonts : added_)
        RemoveFontMemResourceEx(fonts);
}

GameFonts::GameFonts(int dpi)
    : canvas(designFont(form1::kCanvasFont, dpi)),
      command1(designFont(fmGetPass::kCommand1Font, dpi)),
      tPass(designFont(fmGetPass::kTPassFont, dpi)),
      label1(designFont(fmGetPass::kLabel1Font, dpi)),
      lblTitle(designFont(frmAbout::kLblTitleFont, dpi)), aboutForm(aboutFormFont(dpi)) {}

} // namespace duomira
