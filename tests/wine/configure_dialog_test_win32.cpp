// The saver's configure and About dialogs, driven from outside as a user
// drives them: the real saver started with /c, its dialog found on the
// screen, its sliders moved with their scroll requests and its buttons
// clicked, and what it leaves in WIN.INI read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "bed_support.h"
#include "dialog_support.h"
#include "profile_support.h"
#include "resource_ids.h"

namespace {

constexpr char kConfigureCaption[] = "Configure Screen Saver";
constexpr char kAboutCaption[] = "About Quillmere's Harborgast Screen Saver";
constexpr DWORD kSaved = 42;
constexpr DWORD kCancelled = 0;

// The link's colours, before and after it has been opened.
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kPurple = 0x800080;

std::string WinePath(std::string szPath) {
    for (char& c : szPath)
        if (c == '/') c = '\\';
    return "Z:" + szPath;
}

std::string TempDirectory() {
    char szTemp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, szTemp);
    return szTemp;
}

HCURSOR CurrentCursor() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

// The cursor once it has stayed the same for half a second: the saver sets
// it in its own time, and its handles mean nothing in this process.
HCURSOR SettledCursor() {
    HCURSOR hCursor = CurrentCursor();
    DWORD nSince = GetTickCount();
    const DWORD nStart = nSince;
    while (GetTickCount() - nSince < 500 && GetTickCount() - nStart < 10000) {
        Sleep(50);
        const HCURSOR hNow = CurrentCursor();
        if (hNow != hCursor) hCursor = hNow, nSince = GetTickCount();
    }
    return hCursor;
}

std::string ReadFileText(const std::string& szPath) {
    std::ifstream in(szPath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The saver as a user meets it: Wine draws its caption and close box (the
// bed's screens have no window manager to do that).
ScopedRegistryValue SaverDrawsItsOwnCaption() {
    return ScopedRegistryValue::Text(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\SSHarborgast.scr\\X11 Driver",
                                     "Decorated", "N");
}

class ConfigureDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSaverSection(); }
    void TearDown() override { ClearSaverSection(); }

    // The dialog of a saver started with /c.
    static HWND OpenConfigure(const SaverProcess& saver) {
        EXPECT_TRUE(saver.IsStarted());
        HWND hDialog = saver.WaitForCaption(kConfigureCaption);
        EXPECT_NE(hDialog, nullptr) << "no configure dialog";
        return hDialog;
    }

    static void HandEdit(const char* szKey, const char* szValue) {
        ASSERT_TRUE(WriteProfileStringA("Harborgast", szKey, szValue));
    }

    const ScopedRegistryValue m_caption = SaverDrawsItsOwnCaption();
};

TEST_F(ConfigureDialogTest, OkWritesEveryKeyInOrderAsTheDialogShowsThem) {
    SaverProcess saver(SaverPath(), SaverLine("/c"));
    HWND hDialog = OpenConfigure(saver);
    ASSERT_NE(hDialog, nullptr);

    // An empty profile shows the defaults.
    EXPECT_EQ(SliderPosition(hDialog, IDC_SPEED_SLIDER), 510);
    EXPECT_EQ(SliderPosition(hDialog, IDC_OUTCOME_SLIDER), 50);
    EXPECT_TRUE(IsChecked(hDialog, IDC_SOUND_ON));
    EXPECT_FALSE(IsChecked(hDialog, IDC_SOUND_FIRST_TIME));
    EXPECT_FALSE(IsChecked(hDialog, IDC_SOUND_OFF));
    EXPECT_TRUE(IsChecked(hDialog, IDC_SHOW_BLOOD));
    EXPECT_TRUE(IsChecked(hDialog, IDC_MUSIC_ON));
    EXPECT_EQ(ItemText(hDialog, IDC_MUSIC_ON),
              std::string("Music On (Requires 20K Free Space on Drive ") + TempDirectory()[0] + ":)");
    EXPECT_EQ(ItemText(hDialog, IDC_LIBRARY_LINK), HARBORGAST_LIBRARY_ADDRESS);
    EXPECT_TRUE(IsChecked(hDialog, IDC_MONITORS_EVERY));
    EXPECT_FALSE(IsChecked(hDialog, IDC_MONITORS_MAIN_ONLY));
    EXPECT_TRUE(IsChecked(hDialog, IDC_PICTURE_LARGEST_WHOLE));
    for (int nId : {IDC_PICTURE_ORIGINAL, IDC_PICTURE_FILL_HEIGHT}) EXPECT_FALSE(IsChecked(hDialog, nId));

    // Line steps of 1, page steps of 10, the ends, the thumb.
    const struct {
        int nSlider, nRequest, nThumb, nExpected;
    } steps[] = {
        {IDC_SPEED_SLIDER, SB_PAGERIGHT, 0, 520},   {IDC_SPEED_SLIDER, SB_LINELEFT, 0, 519},
        {IDC_SPEED_SLIDER, SB_RIGHT, 0, 561},       {IDC_SPEED_SLIDER, SB_PAGERIGHT, 0, 561},
        {IDC_SPEED_SLIDER, SB_LEFT, 0, 11},         {IDC_SPEED_SLIDER, SB_LINELEFT, 0, 11},
        {IDC_SPEED_SLIDER, SB_THUMBTRACK, 345, 345}, {IDC_SPEED_SLIDER, SB_ENDSCROLL, 0, 345},
        {IDC_OUTCOME_SLIDER, SB_LEFT, 0, 5},        {IDC_OUTCOME_SLIDER, SB_PAGELEFT, 0, 5},
        {IDC_OUTCOME_SLIDER, SB_RIGHT, 0, 95},      {IDC_OUTCOME_SLIDER, SB_LINERIGHT, 0, 95},
        {IDC_OUTCOME_SLIDER, SB_PAGELEFT, 0, 85},   {IDC_OUTCOME_SLIDER, SB_THUMBPOSITION, 72, 72},
        {IDC_OUTCOME_SLIDER, SB_LINERIGHT, 0, 73},
    };
    for (const auto& s : steps) {
        Scroll(hDialog, s.nSlider, s.nRequest, s.nThumb);
        EXPECT_EQ(SliderPosition(hDialog, s.nSlider), s.nExpected) << "request " << s.nRequest;
    }
    EXPECT_EQ(SliderPosition(hDialog, IDC_SPEED_SLIDER), 345);

    // Sound off disables the music check box and its group, keeping its value.
    Click(hDialog, IDC_SOUND_OFF);
    EXPECT_TRUE(IsChecked(hDialog, IDC_SOUND_OFF));
    EXPECT_FALSE(IsChecked(hDialog, IDC_SOUND_ON));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDialog, IDC_MUSIC_ON)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDialog, IDC_MUSIC_GROUP)));
    EXPECT_TRUE(IsChecked(hDialog, IDC_MUSIC_ON));
    Click(hDialog, IDC_SOUND_FIRST_TIME);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDialog, IDC_MUSIC_ON)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDialog, IDC_MUSIC_GROUP)));
    Click(hDialog, IDC_MUSIC_ON);
    EXPECT_FALSE(IsChecked(hDialog, IDC_MUSIC_ON));
    Click(hDialog, IDC_SHOW_BLOOD);
    Click(hDialog, IDC_SHOW_BLOOD);
    EXPECT_TRUE(IsChecked(hDialog, IDC_SHOW_BLOOD));
    // Each display choice keeps one button on, the last one clicked.
    Click(hDialog, IDC_MONITORS_MAIN_ONLY);
    Click(hDialog, IDC_PICTURE_ORIGINAL);
    Click(hDialog, IDC_PICTURE_FILL_HEIGHT);
    EXPECT_TRUE(IsChecked(hDialog, IDC_MONITORS_MAIN_ONLY));
    EXPECT_FALSE(IsChecked(hDialog, IDC_MONITORS_EVERY));
    EXPECT_TRUE(IsChecked(hDialog, IDC_PICTURE_FILL_HEIGHT));
    for (int nId : {IDC_PICTURE_LARGEST_WHOLE, IDC_PICTURE_ORIGINAL}) EXPECT_FALSE(IsChecked(hDialog, nId));
    EXPECT_TRUE(IsChecked(hDialog, IDC_SOUND_FIRST_TIME)) << "the choices' buttons took the sound mode's";
    EXPECT_EQ(SaverSectionLines(), std::vector<std::string>{}) << "written before OK";

    ClickLater(hDialog, IDOK);
    EXPECT_EQ(saver.WaitForExit(), kSaved);
    const std::vector<std::string> expected = {"nSpeedSave=345", "nKrakenSave=73", "nShowBlood=1", "nPlayMIDI=0",
                                               "nPlaySound=1036", "nMonitors=1",   "nPictureSize=2"};
    EXPECT_EQ(SaverSectionLines(), expected);
}

// Values a user typed into WIN.INI show within the dialog's ranges; every
// way of leaving without OK writes nothing, OK writes them back limited.
TEST_F(ConfigureDialogTest, HandEditedValuesShowLimitedAndOnlyOkWritesThem) {
    const std::vector<std::string> handEdited = {"nSpeedSave=600", "nKrakenSave=0", "nShowBlood=2", "nPlayMIDI=0",
                                                 "nPlaySound=999",  "nMonitors=5",   "nPictureSize=-3"};
    for (const std::string& szLine : handEdited)
        HandEdit(szLine.substr(0, szLine.find('=')).c_str(), szLine.substr(szLine.find('=') + 1).c_str());

    enum Way { kCancelButton, kEscape, kCloseBox, kSystemMenuClose, kOk };
    for (Way nWay : {kCancelButton, kEscape, kCloseBox, kSystemMenuClose, kOk}) {
        SCOPED_TRACE(testing::Message() << "way " << nWay);
        // The temporary directory on another drive names that drive.
        SaverProcess saver(SaverPath(), SaverLine("/c"), {"TMP=Z:\\tmp\\", "TEMP=Z:\\tmp\\"});
        HWND hDialog = OpenConfigure(saver);
        ASSERT_NE(hDialog, nullptr);
        EXPECT_EQ(ItemText(hDialog, IDC_MUSIC_ON), "Music On (Requires 20K Free Space on Drive Z:)");
        EXPECT_EQ(SliderPosition(hDialog, IDC_SPEED_SLIDER), 561);
        EXPECT_EQ(SliderPosition(hDialog, IDC_OUTCOME_SLIDER), 5);
        EXPECT_TRUE(IsChecked(hDialog, IDC_SHOW_BLOOD));
        EXPECT_FALSE(IsChecked(hDialog, IDC_MUSIC_ON));
        for (int nId : {IDC_SOUND_ON, IDC_SOUND_FIRST_TIME, IDC_SOUND_OFF}) EXPECT_FALSE(IsChecked(hDialog, nId));
        EXPECT_TRUE(IsChecked(hDialog, IDC_MONITORS_MAIN_ONLY));      // 5: the top of the range
        EXPECT_TRUE(IsChecked(hDialog, IDC_PICTURE_LARGEST_WHOLE));  // -3: the bottom

        POINT closeBox = {};
        switch (nWay) {
            case kCancelButton:
                Scroll(hDialog, IDC_SPEED_SLIDER, SB_PAGELEFT);
                Click(hDialog, IDC_SHOW_BLOOD);
                ClickLater(hDialog, IDCANCEL);
                break;
            case kEscape:
                Click(hDialog, IDC_SOUND_OFF);
                PressEscape(saver.ThreadId());
                break;
            case kCloseBox:
                ASSERT_TRUE(FindCloseBox(hDialog, &closeBox));
                ClickMouseAt(closeBox);
                break;
            case kSystemMenuClose:
                PostMessageA(hDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            case kOk:
                ClickLater(hDialog, IDOK);
                break;
        }
        EXPECT_EQ(saver.WaitForExit(), nWay == kOk ? kSaved : kCancelled);
        if (nWay != kOk) {
            EXPECT_EQ(SaverSectionLines(), handEdited);
        }
    }
    // Limited, and the unknown sound mode kept as the user left it.
    const std::vector<std::string> expected = {"nSpeedSave=561", "nKrakenSave=5", "nShowBlood=1", "nPlayMIDI=0",
                                               "nPlaySound=999",  "nMonitors=1",   "nPictureSize=0"};
    EXPECT_EQ(SaverSectionLines(), expected);
}

// The About dialog opens from the button and from the system menu, over the
// configure dialog, and every way of closing it leaves that one as it was.
// (Its sound is the about-sound script's.)
TEST_F(ConfigureDialogTest, AboutOpensFromTheButtonAndTheSystemMenu) {
    SaverProcess saver(SaverPath(), SaverLine("/c"));
    HWND hDialog = OpenConfigure(saver);
    ASSERT_NE(hDialog, nullptr);

    enum Open { kButton, kSystemMenu };
    enum Close { kOkButton, kEsc, kCloseBox };
    const struct {
        Open nOpen;
        Close nClose;
    } cases[] = {
        {kButton, kOkButton},
        {kSystemMenu, kEsc},
        {kButton, kCloseBox},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "open " << c.nOpen << ", close " << c.nClose);
        if (c.nOpen == kButton)
            ClickLater(hDialog, IDC_ABOUT_BUTTON);
        else
            PostMessageA(hDialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND hAbout = saver.WaitForCaption(kAboutCaption);
        ASSERT_NE(hAbout, nullptr);
        EXPECT_EQ(GetWindow(hAbout, GW_OWNER), hDialog);
        EXPECT_FALSE(IsWindowEnabled(hDialog));
        // Its client area at the configure dialog's client origin.
        POINT origin = {0, 0}, aboutOrigin = {0, 0};
        ClientToScreen(hDialog, &origin);
        ClientToScreen(hAbout, &aboutOrigin);
        EXPECT_EQ(aboutOrigin.x, origin.x);
        EXPECT_EQ(aboutOrigin.y, origin.y);

        POINT closeBox = {};
        switch (c.nClose) {
            case kOkButton:
                ClickLater(hAbout, IDOK);
                break;
            case kEsc:
                PressEscape(saver.ThreadId());
                break;
            case kCloseBox:
                ASSERT_TRUE(FindCloseBox(hAbout, &closeBox));
                ClickMouseAt(closeBox);
                break;
        }
        EXPECT_TRUE(WaitUntilGone(hAbout));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(hDialog) != FALSE; }));
        EXPECT_TRUE(IsWindowVisible(hDialog));
    }
    ClickLater(hDialog, IDCANCEL);
    EXPECT_EQ(saver.WaitForExit(), kCancelled);
    EXPECT_EQ(SaverSectionLines(), std::vector<std::string>{});

}

// ---- The web links -----------------------------------------------------

class WebLinkTest : public ConfigureDialogTest {
protected:
    void SetUp() override {
        ConfigureDialogTest::SetUp();
        m_szRecord = TempDirectory() + "harborgast-opened.txt";
        DeleteFileA(m_szRecord.c_str());
    }
    void TearDown() override {
        DeleteFileA(m_szRecord.c_str());
        ConfigureDialogTest::TearDown();
    }

    // Makes szProgram the opener of http addresses for as long as the
    // result lives.
    ScopedRegistryValue HandleAddressesWith(const std::string& szProgram) {
        return ScopedRegistryValue::Text(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", nullptr,
                                         "\"" + szProgram + "\" \"" + m_szRecord + "\" \"%1\"");
    }
    std::string Opened() const { return ReadFileText(m_szRecord); }

    static ScreenShot ShootLink(HWND hDialog) { return ShootWindow(GetDlgItem(hDialog, IDC_LIBRARY_LINK)); }

    // The link's text has an underline: one row of link-coloured pixels
    // nearly as wide as the text.
    static bool IsUnderlined(const ScreenShot& shot, uint32_t nColour) {
        int nLeft = shot.nWidth, nRight = -1, nLongestRun = 0;
        for (int y = 0; y < shot.nHeight; ++y) {
            int nRun = 0;
            for (int x = 0; x < shot.nWidth; ++x) {
                const bool bInk = shot.pixels[size_t(y) * shot.nWidth + x] == nColour;
                nRun = bInk ? nRun + 1 : 0;
                nLongestRun = std::max(nLongestRun, nRun);
                if (bInk) nLeft = std::min(nLeft, x), nRight = std::max(nRight, x);
            }
        }
        return nRight > nLeft && nLongestRun * 10 >= (nRight - nLeft + 1) * 9;
    }

    std::string m_szRecord;
};

TEST_F(WebLinkTest, AClickOpensExactlyTheLinksTextAndTurnsItPurple) {
    const ScopedRegistryValue handler = HandleAddressesWith(WinePath(HARBORGAST_URL_RECORDER_PATH));
    ASSERT_TRUE(handler.IsSet());
    SaverProcess saver(SaverPath(), SaverLine("/c"));
    HWND hDialog = OpenConfigure(saver);
    ASSERT_NE(hDialog, nullptr);
    HWND hLink = GetDlgItem(hDialog, IDC_LIBRARY_LINK);

    EXPECT_TRUE(WaitFor([&] { return ShootLink(hDialog).Count(kBlue) > 0; })) << "no blue link";
    ScreenShot before = ShootLink(hDialog);
    EXPECT_EQ(before.Count(kPurple), 0);
    EXPECT_TRUE(IsUnderlined(before, kBlue));

    // Another cursor over the link (the hand), the one before off it again.
    RECT rcLink = {};
    GetWindowRect(hLink, &rcLink);
    const POINT offLink = {rcLink.left - 30, rcLink.top - 30};
    MoveMouseTo(offLink);
    const HCURSOR hOff = SettledCursor();
    MoveMouseTo(CentreOf(hLink));
    const HCURSOR hOn = SettledCursor();
    EXPECT_NE(hOn, hOff) << "no hand over the link";
    MoveMouseTo(offLink);
    EXPECT_EQ(SettledCursor(), hOff) << "the hand stayed";

    ClickMouseAt(CentreOf(hLink));
    EXPECT_TRUE(WaitFor([&] { return !Opened().empty(); })) << "the handler was not started";
    EXPECT_EQ(Opened(), std::string(HARBORGAST_LIBRARY_ADDRESS) + "\n");
    EXPECT_TRUE(WaitFor([&] { return ShootLink(hDialog).Count(kBlue) == 0; }));
    ScreenShot after = ShootLink(hDialog);
    EXPECT_GT(after.Count(kPurple), 0);
    EXPECT_TRUE(IsUnderlined(after, kPurple));

    // The names in the About dialog's credits open the home page.
    DeleteFileA(m_szRecord.c_str());
    ClickLater(hDialog, IDC_ABOUT_BUTTON);
    HWND hAbout = saver.WaitForCaption(kAboutCaption);
    ASSERT_NE(hAbout, nullptr);
    for (int nHotSpot : {IDC_HOT_SPOT_ANIMATOR, IDC_HOT_SPOT_PROGRAMMER}) {
        const size_t nBefore = Opened().size();
        ClickMouseAt(CentreOf(GetDlgItem(hAbout, nHotSpot)));
        EXPECT_TRUE(WaitFor([&] { return Opened().size() > nBefore; })) << "hot spot " << nHotSpot;
    }
    EXPECT_EQ(Opened(), std::string(HARBORGAST_HOME_ADDRESS) + "\n" + HARBORGAST_HOME_ADDRESS + "\n");
    ClickLater(hAbout, IDOK);
    EXPECT_TRUE(WaitUntilGone(hAbout));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(hDialog) != FALSE; }));
    ClickLater(hDialog, IDCANCEL);
    EXPECT_EQ(saver.WaitForExit(), kCancelled);
}

TEST_F(WebLinkTest, AHandlerThatCannotStartGivesTheErrorBoxAndTheLinkStaysBlue) {
    const ScopedRegistryValue handler = HandleAddressesWith("C:\\no such folder\\no-browser.exe");
    ASSERT_TRUE(handler.IsSet());
    SaverProcess saver(SaverPath(), SaverLine("/c"));
    HWND hDialog = OpenConfigure(saver);
    ASSERT_NE(hDialog, nullptr);

    ClickMouseAt(CentreOf(GetDlgItem(hDialog, IDC_LIBRARY_LINK)));
    HWND hBox = saver.WaitForCaption("Error Message");
    ASSERT_NE(hBox, nullptr);
    bool bSaysSo = false;
    for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szText[128] = {};
        GetWindowTextA(hChild, szText, sizeof szText);
        bSaysSo = bSaysSo || std::string(szText) == "Unable to launch web browser!";
    }
    EXPECT_TRUE(bSaysSo);
    ClickLater(hBox, IDOK);
    EXPECT_TRUE(WaitUntilGone(hBox));

    EXPECT_TRUE(WaitFor([&] { return ShootLink(hDialog).Count(kBlue) > 0; })) << "the link is not blue";
    const ScreenShot link = ShootLink(hDialog);
    EXPECT_EQ(link.Count(kPurple), 0);
    EXPECT_TRUE(IsWindowVisible(hDialog));
    ClickLater(hDialog, IDCANCEL);
    EXPECT_EQ(saver.WaitForExit(), kCancelled);
}

// ---- Layouts under Wine's fonts, small and large ---------------------------

// The dialogs' font measured in this process: 8 points at the saver's DPI,
// as the dialog manager makes it. Its base units must give the configure
// dialog the client size that the saver gave it.
struct DialogFont {
    HFONT hFont = nullptr;
    int nBaseX = 0, nBaseY = 0;  // pixels per 4 and 8 dialog units
};

DialogFont MeasureDialogFont(DWORD nDpi) {
    HDC hDC = GetDC(nullptr);
    HFONT hFont = CreateFontA(-MulDiv(8, int(nDpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                              0, 0, 0, "MS Sans Serif");
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    // As the dialog manager measures its font.
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size = {};
    GetTextExtentPoint32A(hDC, kAlphabet, 52, &size);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(hDC, &metrics);
    SelectObject(hDC, hOld);
    ReleaseDC(nullptr, hDC);
    return {hFont, (size.cx / 26 + 1) / 2, int(metrics.tmHeight)};
}

// Every text fits its control, and no two visible controls overlap except
// a group box around its members.
void ExpectTextsFitAndNothingOverlaps(HWND hDialog, const DialogFont& font) {
    HDC hDC = GetDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, font.hFont);
    std::vector<std::pair<std::string, RECT>> placed;
    for (HWND hChild = GetWindow(hDialog, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if (!IsWindowVisible(hChild)) continue;
        char szClass[32] = {}, szText[256] = {};
        GetClassNameA(hChild, szClass, sizeof szClass);
        GetWindowTextA(hChild, szText, sizeof szText);
        const LONG nStyle = GetWindowLongA(hChild, GWL_STYLE);
        RECT rcScreen = {}, rcClient = {};
        GetWindowRect(hChild, &rcScreen);
        GetClientRect(hChild, &rcClient);
        const std::string szName = std::string(szClass) + " \"" + szText + "\"";
        const bool bButton = _stricmp(szClass, "Button") == 0;
        const bool bGroup = bButton && (nStyle & BS_TYPEMASK) == BS_GROUPBOX;
        const bool bStaticText = _stricmp(szClass, "Static") == 0 && (nStyle & SS_TYPEMASK) <= SS_RIGHT;
        // Controls 10 dialog units tall and 10 apart may share a pixel row.
        if (!bGroup) placed.emplace_back(szName, RECT{rcScreen.left + 1, rcScreen.top + 1, rcScreen.right - 1,
                                                      rcScreen.bottom - 1});
        if (szText[0] == '\0') continue;

        RECT rcText = {0, 0, rcClient.right, 0};
        DrawTextA(hDC, szText, -1, &rcText, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        if (bStaticText) {
            EXPECT_LE(rcText.right, rcClient.right) << szName << " is cut at the side";
            EXPECT_LE(rcText.bottom, rcClient.bottom) << szName << " is cut at the bottom";
        } else if (bButton) {
            SIZE size = {};
            GetTextExtentPoint32A(hDC, szText, int(strlen(szText)), &size);
            const LONG nType = nStyle & BS_TYPEMASK;
            const bool bPush = nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON;
            // The check mark or radio dot and its gap before the text; the
            // frame either side of a caption or a push button's text.
            const int nBeside = bPush || bGroup ? font.nBaseX * 2 : font.nBaseY + font.nBaseX;
            EXPECT_LE(size.cx + nBeside, rcClient.right) << szName << " is cut";
            EXPECT_LE(size.cy, rcClient.bottom) << szName << " is too low for its text";
        }
    }
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j) {
            RECT rcBoth;
            EXPECT_FALSE(IntersectRect(&rcBoth, &placed[i].second, &placed[j].second))
                << placed[i].first << " overlaps " << placed[j].first;
        }
    SelectObject(hDC, hOld);
    ReleaseDC(nullptr, hDC);
}

// The About dialog's art as the saver's file holds it, as 0xRRGGBB pixels.
ScreenShot ArtOfTheSaver() {
    ScreenShot art;
    HMODULE hSaver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hSaver == nullptr) return art;
    HBITMAP hArt = static_cast<HBITMAP>(
        LoadImageA(hSaver, MAKEINTRESOURCEA(IDB_ABOUT_ART), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info = {};
    if (hArt != nullptr && GetObjectA(hArt, sizeof info, &info) == sizeof info) {
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = info.bmWidth;
        format.bmiHeader.biHeight = -info.bmHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        art.nWidth = info.bmWidth;
        art.nHeight = info.bmHeight;
        art.pixels.resize(size_t(art.nWidth) * art.nHeight);
        HDC hDC = GetDC(nullptr);
        GetDIBits(hDC, hArt, 0, info.bmHeight, art.pixels.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, hDC);
        for (uint32_t& p : art.pixels) p &= 0xFFFFFF;
    }
    if (hArt != nullptr) DeleteObject(hArt);
    FreeLibrary(hSaver);
    return art;
}

// The art shows crisp at a whole factor: somewhere near the middle of its
// control, every k x k block of the shot is one pixel of the art. Returns
// the number of shot pixels that differ at the best placement.
int ArtMismatchesAt(const ScreenShot& shot, const ScreenShot& art, int k) {
    int nBest = INT32_MAX;
    const int nLeft = (shot.nWidth - art.nWidth * k) / 2, nTop = (shot.nHeight - art.nHeight * k) / 2;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            int nWrong = 0;
            for (int y = 0; y < shot.nHeight; ++y)
                for (int x = 0; x < shot.nWidth; ++x) {
                    const int ax = x - nLeft - dx, ay = y - nTop - dy;
                    // Only where the picture is: the control's frame and what
                    // a larger picture has cut off are left out.
                    if (ax < 0 || ay < 0 || ax >= art.nWidth * k || ay >= art.nHeight * k) continue;
                    if (x < 2 || y < 2 || x >= shot.nWidth - 2 || y >= shot.nHeight - 2) continue;
                    nWrong += shot.pixels[size_t(y) * shot.nWidth + x] !=
                              art.pixels[size_t(ay / k) * art.nWidth + ax / k];
                }
            nBest = std::min(nBest, nWrong);
        }
    return nBest;
}

// The About layouts, in dialog units: the full one, and the smaller one for
// system fonts that are large against the display's DPI.
struct AboutLayout {
    int nWidth, nHeight;
};
constexpr AboutLayout kFullAbout = {257, 303};
constexpr AboutLayout kSmallerAbout = {199, 263};

// Opens both dialogs at each DPI (the display's LogPixels, which Wine reads
// when a process starts), checks their layouts and the About template
// chosen, and saves a shot of each into the build's screenshots folder.
struct DpiCase {
    DWORD nDpi;
    AboutLayout about;
    int nWholeArtScale;  // 0: the art is scaled smoothly
};
void CheckAndShootBothDialogs(const char* szScreen, std::initializer_list<DpiCase> dpis) {
    const ScopedRegistryValue caption = SaverDrawsItsOwnCaption();
    const std::string szShots = WinePath(HARBORGAST_SHOT_DIR);
    CreateDirectoryA(szShots.c_str(), nullptr);
    for (const DpiCase& s : dpis) {
        const std::string szName = "dpi-" + std::to_string(s.nDpi);
        SCOPED_TRACE(szName);
        const ScopedRegistryValue dpi =
            ScopedRegistryValue::Number(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", s.nDpi);
        SaverProcess saver(SaverPath(), SaverLine("/c"));
        HWND hDialog = saver.WaitForCaption(kConfigureCaption);
        ASSERT_NE(hDialog, nullptr);
        const DialogFont font = MeasureDialogFont(s.nDpi);
        RECT rcConfigure = {};
        GetClientRect(hDialog, &rcConfigure);
        EXPECT_EQ(rcConfigure.right, MulDiv(358, font.nBaseX, 4));
        EXPECT_EQ(rcConfigure.bottom, MulDiv(208, font.nBaseY, 8));
        ExpectTextsFitAndNothingOverlaps(hDialog, font);
        EXPECT_TRUE(SaveShot(ShootSettled(hDialog), szShots + "\\configure-" + szName + "-" + szScreen + ".bmp"));

        ClickLater(hDialog, IDC_ABOUT_BUTTON);
        HWND hAbout = saver.WaitForCaption(kAboutCaption);
        ASSERT_NE(hAbout, nullptr);
        RECT rcClient = {};
        GetClientRect(hAbout, &rcClient);
        EXPECT_EQ(rcClient.right, MulDiv(s.about.nWidth, font.nBaseX, 4));
        EXPECT_EQ(rcClient.bottom, MulDiv(s.about.nHeight, font.nBaseY, 8));
        ExpectTextsFitAndNothingOverlaps(hAbout, font);
        if (s.nWholeArtScale > 0) {
            const ScreenShot art = ArtOfTheSaver();
            ASSERT_GT(art.nWidth, 0) << "no art in the saver's file";
            EXPECT_EQ(ArtMismatchesAt(ShootSettled(GetDlgItem(hAbout, IDC_ABOUT_ART)), art, s.nWholeArtScale), 0);
        }
        EXPECT_TRUE(SaveShot(ShootSettled(hAbout), szShots + "\\about-" + szName + "-" + szScreen + ".bmp"));
        ClickLater(hAbout, IDOK);
        EXPECT_TRUE(WaitUntilGone(hAbout));
        ClickLater(hDialog, IDCANCEL);
        EXPECT_EQ(saver.WaitForExit(), kCancelled);
        DeleteObject(font.hFont);
    }
}

TEST(DialogLayoutTest, TextsFitWithSmallAndLargeFonts) {
    CheckAndShootBothDialogs("24bit", {{96, kFullAbout, 1}, {120, kSmallerAbout, 1}});
}

TEST(DialogLayoutOnPaletteDisplay, TextsFitWithSmallAndLargeFonts) {
    CheckAndShootBothDialogs("8bit", {{96, kFullAbout, 0}, {120, kSmallerAbout, 0}});
}

// At 144 DPI the smaller About layout, its pictures smoothly at 6/5; at
// 192 the full one, its pictures at twice their size, pixel for pixel.
// (On the palette display the art's colours are the palette's nearest,
// so only the true-colour screens compare its pixels.)
TEST(DialogLayoutOnLargeScreen, TextsFitAtHighDpi) {
    CheckAndShootBothDialogs("24bit", {{144, kSmallerAbout, 0}, {192, kFullAbout, 2}});
}

}  // namespace
