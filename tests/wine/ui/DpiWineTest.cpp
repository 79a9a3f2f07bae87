// The windows at the display's DPI, which the test command sets through the prefix's
// LogPixels (96, 144 and 192) and names in SNOOZR_EXPECT_DPI: the program sees that DPI,
// lays every window out from its layout table at it, paints its skins at it and hit-tests its
// hotspots at it; and a window moved to a monitor of another DPI is laid out again.

#include <windows.h>

#include <cstdlib>
#include <string>

#include "EndToEnd.h"
#include "Pixels.h"
#include "ProgramFixture.h"
#include "ui/layout/Layouts.h"
#include "ui/layout/Units.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/art/Pictures.h"

namespace snoozr::ui::test {
namespace {

int ExpectedDpi() {
    const char* dpi = std::getenv("SNOOZR_EXPECT_DPI");
    return dpi != nullptr ? std::atoi(dpi) : layout::kDesignDpi;
}

// The rectangle of a layout's client area on screen, at `dpi`.
RECT ExpectedClient(const layout::WindowLayout& window, int dpi) {
    const int left = layout::TwipsToPixels(window.start->x, dpi);
    const int top = layout::TwipsToPixels(window.start->y, dpi);
    return {left, top, left + layout::TwipsToPixels(window.client.width, dpi),
            top + layout::TwipsToPixels(window.client.height, dpi)};
}

// The share of the screen's pixels in `area` that are those of the picture drawn at `dpi`:
// below 1 only where labels are painted over it.
double ShareOfPicture(const RECT& area, layout::Picture picture, int dpi) {
    const SIZE size = art::PictureSize(picture, dpi);
    const Pixels painted(size.cx, size.cy, [&](HDC dc) { art::PaintPicture(picture, dc, dpi); });
    const Pixels shown = Pixels::OfScreen(area);
    int same = 0;
    int all = 0;
    for (int y = 0; y < shown.Height() && y < painted.Height(); ++y) {
        for (int x = 0; x < shown.Width() && x < painted.Width(); ++x) {
            ++all;
            same += shown.At(x, y) == painted.At(x, y) ? 1 : 0;
        }
    }
    return all == 0 ? 0.0 : static_cast<double>(same) / all;
}

POINT CentreOf(const layout::TwipsRect& rect, int dpi) {
    return {layout::TwipsToPixels(rect.left + rect.width / 2, dpi),
            layout::TwipsToPixels(rect.top + rect.height / 2, dpi)};
}

TEST(DisplayDpiWineTest, ProgramSeesThePrefixsDpi) {
    EXPECT_EQ(SystemDpi(), ExpectedDpi());
}

class DpiChangeWineTest : public ProgramFixture {
  protected:
    // The window after a WM_DPICHANGED to `dpi` that suggests `topLeft`.
    void MoveToMonitorOf(Form& form, int dpi, POINT topLeft) {
        RECT window;
        GetWindowRect(form.Hwnd(), &window);
        RECT suggested{topLeft.x, topLeft.y, topLeft.x + (window.right - window.left),
                       topLeft.y + (window.bottom - window.top)};
        SendMessageA(form.Hwnd(), kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        Settle();
    }

    static LONG FontHeight(HWND control) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        return font.lfHeight;
    }
};

TEST_F(DpiChangeWineTest, DialogIsLaidOutAgainFromItsTableWithFontsForTheNewDpi) {
    OneFieldDialog& dialog = windows.form2;
    const layout::WindowLayout& table = dialog.Layout();
    const LONG defaultHeightHere = FontHeight(dialog.Text1.Hwnd());
    ASSERT_EQ(dialog.Dpi(), Dpi());
    for (const int dpi : {192, 96, 144, Dpi()}) {
        SCOPED_TRACE("to " + std::to_string(dpi) + " DPI");
        MoveToMonitorOf(dialog, dpi, {40 + dpi / 4, 30});
        EXPECT_EQ(dialog.Dpi(), dpi);
        RECT window;
        GetWindowRect(dialog.Hwnd(), &window);
        EXPECT_EQ(window.left, 40 + dpi / 4);
        EXPECT_EQ(window.top, 30);
        const RECT client = ClientOnScreen(dialog.Hwnd());
        EXPECT_EQ(client.right - client.left, layout::TwipsToPixels(table.client.width, dpi));
        EXPECT_EQ(client.bottom - client.top, layout::TwipsToPixels(table.client.height, dpi));
        for (ChildControl* control : {static_cast<ChildControl*>(&dialog.Text1),
                                      static_cast<ChildControl*>(&dialog.Command1)}) {
            SCOPED_TRACE(std::string(control->Layout().name));
            const RECT bounds = ChildRect(control->Hwnd());
            const RECT expected = dialog.PixelRect(control->Layout().rect);
            EXPECT_TRUE(EqualRect(&bounds, &expected));
            EXPECT_EQ(expected.right - expected.left,
                      layout::TwipsToPixels(control->Layout().rect.width, dpi));
        }
        // The text box has the default font, the system's message font scaled to the DPI.
        EXPECT_EQ(FontHeight(dialog.Text1.Hwnd()), MulDiv(defaultHeightHere, dpi, Dpi()));
    }
}

TEST_F(DpiChangeWineTest, SkinIsPaintedAndHitTestedAtTheNewDpi) {
    Form1& main = windows.form1;
    main.Show();
    Settle();
    const int dpi = Dpi() == 192 ? 96 : Dpi() * 2;
    MoveToMonitorOf(main, dpi, {20, 20});
    UpdateWindow(main.Hwnd());
    Settle();
    const RECT client = ClientOnScreen(main.Hwnd());
    EXPECT_EQ(client.right - client.left, layout::TwipsToPixels(main.Layout().client.width, dpi));
    EXPECT_EQ(client.bottom - client.top, layout::TwipsToPixels(main.Layout().client.height, dpi));
    EXPECT_GT(ShareOfPicture(client, layout::Picture::kForm1Skin, dpi), 0.85);

    // The START hotspot where the new DPI puts it raises its click.
    bool clicked = false;
    main.Label7.Click = [&] { clicked = true; };
    const POINT start = CentreOf(layout::FindControl(main.Layout(), "Label7")->rect, dpi);
    SendMessageA(main.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    SendMessageA(main.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(start.x, start.y));
    EXPECT_TRUE(clicked);
}

class DpiEndToEndWineTest : public EndToEnd {};

TEST_F(DpiEndToEndWineTest, StartUpIsLaidOutPaintedAndClickedAtTheDisplaysDpi) {
    const int dpi = ExpectedDpi();
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND splash =
        wine::WaitFor([&] { return IsWindowVisible(Splash()) ? Splash() : nullptr; }, kWindowWait);
    ASSERT_NE(splash, nullptr) << Report();
    Sleep(500);  // painted
    const RECT splashClient = wine::ClientRectOnScreen(splash);
    const RECT splashExpected = ExpectedClient(layout::kFrmSplash, dpi);
    EXPECT_TRUE(EqualRect(&splashClient, &splashExpected));
    EXPECT_GT(ShareOfPicture(splashClient, layout::Picture::kSplash, dpi), 0.95);

    wine::DoubleClick(splash, {(splashClient.right - splashClient.left) / 2,
                               (splashClient.bottom - splashClient.top) / 2});
    ASSERT_TRUE(wine::WaitUntil([&] { return IsWindowVisible(Main()) != FALSE; }, kWindowWait))
        << Report();
    Sleep(500);
    const RECT mainClient = wine::ClientRectOnScreen(Main());
    const RECT mainExpected = ExpectedClient(layout::kForm1, dpi);
    EXPECT_TRUE(EqualRect(&mainClient, &mainExpected));
    EXPECT_GT(ShareOfPicture(mainClient, layout::Picture::kForm1Skin, dpi), 0.85);
    Screenshot("dpi" + std::to_string(dpi) + "-main-window");

    wine::Click(Main(), CentreOf(layout::FindControl(layout::kForm1, "Label8")->rect, dpi));
    ASSERT_NE(wine::WaitFor([&] { return VisibleMenu(); }, kWindowWait), nullptr) << Report();
    wine::PressKey(VK_ESCAPE);
    EXPECT_TRUE(wine::WaitUntil([&] { return VisibleMenu() == nullptr; }, kWindowWait));
}

}  // namespace
}  // namespace snoozr::ui::test
