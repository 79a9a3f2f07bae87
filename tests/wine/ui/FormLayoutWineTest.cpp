// The windows as created: frames, captions, client areas, positions, controls and default
// texts, against the pixel figures of the layout's description; and the start-up order.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "Pixels.h"
#include "ProgramFixture.h"
#include "ui/layout/DecorationPieces.h"
#include "ui/win32/WindowText.h"

namespace snoozr::ui::test {
namespace {

enum class Frame { kNone, kFixed, kSizable };

struct WindowCase {
    const char* name;
    Form& (*form)(ProgramWindows&);
    const char* caption;
    Frame frame;
    int x, y;  // client area on screen; -1: the platform's choice
    int width, height;
};

template <auto member>
Form& FormOf(ProgramWindows& windows) {
    return windows.*member;
}

const WindowCase kWindows[] = {
    {"Form1", &FormOf<&ProgramWindows::form1>, "Snoozr 2.5", Frame::kNone, 16, 15, 195, 144},
    {"frmSplash", &FormOf<&ProgramWindows::splash>, "", Frame::kFixed, 126, 109, 492, 353},
    {"Form2", &FormOf<&ProgramWindows::form2>, "Why Are You iDLe?", Frame::kFixed, 275, 202, 239,
     59},
    {"Form3", &FormOf<&ProgramWindows::form3>, "Form3", Frame::kSizable, 177, 180, 312, 213},
    {"Form4", &FormOf<&ProgramWindows::form4>, "Front Ascii Changer", Frame::kFixed, 260, 202, 239,
     59},
    {"Form5", &FormOf<&ProgramWindows::form5>, "End Ascii Changer", Frame::kFixed, 260, 202, 238,
     59},
    {"Form6", &FormOf<&ProgramWindows::form6>, "Wass yo Handle/Nick?", Frame::kFixed, 260, 202, 241,
     59},
    {"Form7", &FormOf<&ProgramWindows::form7>, "Ascii Editor By: Brix", Frame::kNone, 302, 180, 206,
     194},
    {"Form9", &FormOf<&ProgramWindows::form9>, "i NeED HeLP iM A NeWBiE!", Frame::kFixed, -1, -1,
     299, 181},
    {"Form10", &FormOf<&ProgramWindows::form10>, "Contact info", Frame::kSizable, 291, 158, 184,
     170},
    {"Form11", &FormOf<&ProgramWindows::form11>, "Why You Wanna Stop Idle?", Frame::kSizable, -1,
     -1, 238, 57},
    {"Form12", &FormOf<&ProgramWindows::form12>, "Form12", Frame::kNone, -1, -1, 176, 104},
};

using FormLayoutWineTest = ProgramFixture;

TEST_F(FormLayoutWineTest, WindowsOpenWithTheirFramesCaptionsAndClientAreas) {
    for (const WindowCase& window : kWindows) {
        SCOPED_TRACE(window.name);
        const HWND hwnd = window.form(windows).Hwnd();
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(ReadWindowText(hwnd), window.caption);
        const RECT client = ClientOnScreen(hwnd);
        EXPECT_EQ(client.right - client.left, Px(window.width));
        EXPECT_EQ(client.bottom - client.top, Px(window.height));
        if (window.x >= 0) {
            EXPECT_EQ(client.left, Px(window.x));
            EXPECT_EQ(client.top, Px(window.y));
        }
        const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
        switch (window.frame) {
            case Frame::kNone:
                EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
                EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0) << "listed in the taskbar";
                break;
            case Frame::kFixed:
                EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
                EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
                break;
            case Frame::kSizable:
                EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
                break;
        }
    }
}

struct DialogCase {
    const char* name;
    OneFieldDialog& (*form)(ProgramWindows&);
    const char* text;
    RECT textBox;  // design pixels
    RECT button;
    bool topmost;
};

template <auto member>
OneFieldDialog& Dialog(ProgramWindows& windows) {
    return windows.*member;
}

const DialogCase kDialogs[] = {
    {"Form2",
     &Dialog<&ProgramWindows::form2>,
     "REASON HERE",
     {16, 16, 161, 41},
     {176, 16, 233, 41},
     true},
    {"Form4",
     &Dialog<&ProgramWindows::form4>,
     "O\xBA\xB0\x91  ",
     {8, 16, 153, 41},
     {168, 16, 225, 41},
     true},
    {"Form5",
     &Dialog<&ProgramWindows::form5>,
     "\xA8\xB0\xBA"
     "O",
     {16, 16, 153, 41},
     {168, 16, 225, 41},
     true},
    {"Form6",
     &Dialog<&ProgramWindows::form6>,
     "Handle Here",
     {16, 16, 161, 41},
     {176, 16, 233, 41},
     true},
    {"Form11",
     &Dialog<&ProgramWindows::form11>,
     "iM BaCk",
     {8, 16, 153, 41},
     {168, 16, 225, 41},
     false},
};

TEST_F(FormLayoutWineTest, OneFieldDialogsHoldTheirDefaultTextsInTheDefaultFont) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    for (const DialogCase& dialog : kDialogs) {
        SCOPED_TRACE(dialog.name);
        OneFieldDialog& form = dialog.form(windows);
        EXPECT_EQ(form.Text1.Text(), dialog.text);  // byte for byte, blanks included
        EXPECT_EQ(ReadWindowText(form.Command1.Hwnd()), "K im done");
        const RECT text = ChildRect(form.Text1.Hwnd());
        const RECT button = ChildRect(form.Command1.Hwnd());
        const RECT expectedText = PxRect(dialog.textBox);
        const RECT expectedButton = PxRect(dialog.button);
        EXPECT_TRUE(EqualRect(&text, &expectedText));
        EXPECT_TRUE(EqualRect(&button, &expectedButton));
        EXPECT_EQ((GetWindowLongA(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, dialog.topmost);
        for (const HWND control : {form.Text1.Hwnd(), form.Command1.Hwnd()}) {
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
                       sizeof(font), &font);
            EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
            EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight);
        }
        // Tab order: the text box first, then the button.
        EXPECT_EQ(GetNextDlgTabItem(form.Hwnd(), nullptr, FALSE), form.Text1.Hwnd());
    }
}

TEST_F(FormLayoutWineTest, DialogsAreSingleInstancesThatKeepTheirTextWhenHidden) {
    const HWND first = windows.form2.Hwnd();
    windows.form2.Show();
    windows.form2.Text1.SetText("gone fishing");
    windows.form2.Hide();
    windows.form2.Show();
    EXPECT_EQ(windows.form2.Hwnd(), first);
    EXPECT_EQ(windows.form2.Text1.Text(), "gone fishing");
}

TEST_F(FormLayoutWineTest, EditorAndCompanionControlsAreWhereTheLayoutPutsThem) {
    // Reading a control created the window, hidden; its load step filled the lists.
    EXPECT_EQ(windows.form7.List1.ListCount(),
              static_cast<int>(std::size(layout::kDecorationPieces)));
    EXPECT_EQ(windows.form7.List2.ListCount(),
              static_cast<int>(std::size(layout::kDecorationCharacters)));
    EXPECT_TRUE(windows.form7.Loaded());
    EXPECT_FALSE(IsWindowVisible(windows.form7.Handle()));
    EXPECT_EQ(windows.form7.Text1.Text(), "Ascii Editor By: Brix");
    // Entries keep their bytes, a leading no-break space included.
    ListBox& pieces = windows.form7.List1;
    SendMessageA(pieces.Hwnd(), LB_RESETCONTENT, 0, 0);
    pieces.AddItem("\xB7\x95\xB7");
    pieces.AddItem("\xA0\x95\xB7\xB7 \xF7 \xB7\xB7\x95");
    EXPECT_EQ(pieces.ListIndex(), -1);
    SendMessageA(pieces.Hwnd(), LB_SETCURSEL, 1, 0);
    EXPECT_EQ(pieces.ListIndex(), 1);
    EXPECT_EQ(pieces.List(1), "\xA0\x95\xB7\xB7 \xF7 \xB7\xB7\x95");
    EXPECT_EQ(pieces.ListCount(), 2);
    SendMessageA(pieces.Hwnd(), LB_RESETCONTENT, 0, 0);
    const RECT list1 = ChildRect(windows.form7.List1.Hwnd());
    const RECT list2 = ChildRect(windows.form7.List2.Hwnd());
    const RECT expected1{Px(8), Px(16), Px(105), Px(111)};
    const RECT expected2{Px(104), Px(16), Px(201), Px(111)};
    EXPECT_TRUE(EqualRect(&list1, &expected1));
    EXPECT_TRUE(EqualRect(&list2, &expected2));

    // Label4 and Text1 lie below the client area, never seen, yet hold their texts.
    RECT client{};
    GetClientRect(windows.form12.Hwnd(), &client);
    EXPECT_GE(ChildRect(windows.form12.Text1.Hwnd()).top, client.bottom);
    EXPECT_EQ(windows.form12.Text1.Text(), "0");
    EXPECT_EQ(windows.form12.Label4.Caption(), "0");
    EXPECT_EQ(windows.form12.Label2.Caption(), "Minutes Left: ");
}

TEST_F(FormLayoutWineTest, CompanionBarIsARedCommonControlsBarFrom0To100) {
    ProgressBar& bar = windows.form12.DogBar1;
    char className[64] = {};
    GetClassNameA(bar.Hwnd(), className, sizeof(className));
    EXPECT_STREQ(className, PROGRESS_CLASSA);
    const RECT bounds = ChildRect(bar.Hwnd());
    const RECT expected{Px(40), Px(8), Px(119), Px(19)};
    EXPECT_TRUE(EqualRect(&bounds, &expected));
    PBRANGE range{};
    SendMessageA(bar.Hwnd(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    // The colour queries came with Vista's progress bar: the XP headers do not name them.
    constexpr UINT kGetBarColour = WM_USER + 15;   // PBM_GETBARCOLOR
    constexpr UINT kGetBackColour = WM_USER + 14;  // PBM_GETBKCOLOR
    EXPECT_EQ(SendMessageA(bar.Hwnd(), kGetBarColour, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(SendMessageA(bar.Hwnd(), kGetBackColour, 0, 0), RGB(0, 0, 0));
    for (const int value : {43, 100, 0}) {
        bar.SetValue(value);
        EXPECT_EQ(bar.Value(), value);
    }

    // As painted: red up to the value, black after it (no theme colours).
    bar.SetValue(50);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const Pixels painted(width, height, [&](HDC dc) {
        SendMessageA(bar.Hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    EXPECT_EQ(painted.At(width / 4, height / 2), RGB(255, 0, 0));
    EXPECT_EQ(painted.At(width * 3 / 4, height / 2), RGB(0, 0, 0));
}

TEST_F(FormLayoutWineTest, StartUpSendsTheBannersBeforeAnyWindowIsVisible) {
    bool anyVisible = false;
    chat.onLine = [&] {
        anyVisible = anyVisible || IsWindowVisible(windows.form1.Handle()) ||
                     (windows.splash.Loaded() && IsWindowVisible(windows.splash.Handle()));
    };
    windows.form1.Load();
    ASSERT_EQ(chat.lines.size(), 3u) << "the three load banners";
    EXPECT_FALSE(anyVisible);
    EXPECT_TRUE(IsWindowVisible(windows.splash.Handle()));
    EXPECT_FALSE(IsWindowVisible(windows.form1.Handle()));
    for (const HWND window : {windows.splash.Handle(), windows.form1.Handle()}) {
        EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    }
    EXPECT_FALSE(windows.form1.Timer1.IsEnabled());
    EXPECT_EQ(windows.form1.Label1.Caption(), "0");
    EXPECT_EQ(windows.form1.Label13.Caption(), "Days");
}

TEST_F(FormLayoutWineTest, OnlyADoubleClickOnTheSplashBringsTheMainWindow) {
    windows.form1.Load();
    const HWND splash = windows.splash.Handle();
    SendMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, At(200, 200));
    SendMessageA(splash, WM_LBUTTONUP, 0, At(200, 200));
    Settle();
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_FALSE(IsWindowVisible(windows.form1.Handle()));
    SendMessageA(splash, WM_LBUTTONDBLCLK, MK_LBUTTON, At(200, 200));
    Settle();
    EXPECT_FALSE(IsWindowVisible(splash));
    EXPECT_TRUE(IsWindowVisible(windows.form1.Handle()));
    EXPECT_EQ(windows.splash.Handle(), splash) << "hidden, not destroyed";
}

// The close box of a window opened from the menu hides it with its contents kept and brings
// the main window back; the splash's close box leads on to the main window too.
TEST_F(FormLayoutWineTest, ClosingASecondaryWindowHidesItAndShowsTheMainWindow) {
    windows.form1.Load();
    const WindowCase* closable[] = {&kWindows[1], &kWindows[2], &kWindows[4],
                                    &kWindows[5], &kWindows[6], &kWindows[7],
                                    &kWindows[8], &kWindows[9], &kWindows[10]};
    for (const WindowCase* window : closable) {
        SCOPED_TRACE(window->name);
        Form& form = window->form(windows);
        windows.form1.Hide();
        form.Show();
        const HWND hwnd = form.Hwnd();
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        Settle();
        EXPECT_EQ(form.Hwnd(), hwnd);
        EXPECT_FALSE(IsWindowVisible(hwnd));
        EXPECT_TRUE(IsWindowVisible(windows.form1.Handle()));
    }
}

}  // namespace
}  // namespace snoozr::ui::test
