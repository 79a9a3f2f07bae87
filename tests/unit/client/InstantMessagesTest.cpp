#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <stdexcept>

#include "client/ClientLink.h"
#include "support/Cases.h"
#include "support/ClientTree.h"
#include "support/FakeEventLoop.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr {
namespace {

using test::ClientMessageBox;
using test::ImWindow;
using test::InMemoryDesktop;
using test::RecordedMessage;
using Seconds = std::chrono::duration<double>;

const std::string kNotOpened =
    "America Online did not open an instant message window, so the instant message was not sent.";
const std::string kNotSent = "America Online did not send the instant message.";

// What the scripted client does when the IM window's Send button is clicked.
enum class OnSend { kClose, kShowMessageBox, kCloseAndShowMessageBox, kNothing };

// The client's frame with its toolbar keyword box and MDI area, a chat room already open in it,
// and a scripted client: a keyword run in the box opens an IM window on top of the MDI area.
class Rig {
  public:
    Rig() {
        // A wait that never sleeps would never see the fake clock move: stop it rather than hang.
        events.OnEveryDispatch([this] {
            if (events.Dispatches() > 10000)
                throw std::runtime_error("the wait spins");
            if (onDispatch)
                onDispatch();
        });
        desktop.React(keywordBox, [this](const RecordedMessage& m) {
            if (m.message != msg::kChar || m.wParam != 13 || !answerKeywords)
                return;
            keywords.push_back(desktop.Caption(keywordBox));
            events.After(openDelay, [this] { OpenIm(); });
        });
        // A room with more than nine icons and its own rich controls: the wrong window to use.
        std::vector<std::string_view> room = {"RICHCNTL", "RICHCNTL", "_AOL_Listbox",
                                              "_AOL_Static"};
        room.insert(room.end(), 12, "_AOL_Icon");
        client.AddRoom(room);
    }

    // As the client builds it: a "To:" label, the message box, another rich control, icons.
    ImWindow& OpenIm() {
        ImWindow& im = ims.emplace_back(client.AddImWindow(0, withTextBox));
        if (textBoxTimesOut)
            desktop.TimeOutNextSend(im.textBox);
        for (int i = 0; i < iconsAtOpen; ++i)
            AddIcon(im);
        return im;
    }

    void AddIcon(ImWindow& im) {
        client.AddIcon(im);
        if (im.icons.size() != 9)
            return;
        const WindowHandle window = im.window;
        desktop.React(im.icons.back(), [this, window](const RecordedMessage& m) {
            if (m.message != msg::kLButtonUp)
                return;
            if (answerDelay > Seconds::zero()) {
                events.After(answerDelay, [this, window] { AnswerSend(window); });
            } else {
                AnswerSend(window);
            }
        });
    }

    ClientMessageBox AddMessageBox() {
        return messageBoxes.emplace_back(client.AddMessageBox(messageBoxButtons));
    }

    const std::vector<RecordedMessage>& Log() const { return desktop.Messages(); }

    std::vector<RecordedMessage> Posted() const {
        std::vector<RecordedMessage> posted;
        for (const auto& m : Log())
            if (m.posted)
                posted.push_back(m);
        return posted;
    }

    int Count(unsigned message) const {
        int count = 0;
        for (const auto& m : desktop.Messages())
            count += m.message == message ? 1 : 0;
        return count;
    }

    // The script.
    bool answerKeywords = true;
    Seconds openDelay{0};
    int iconsAtOpen = 10;
    bool withTextBox = true;
    bool textBoxTimesOut = false;  // the first send to the IM's text box
    OnSend onSend = OnSend::kClose;
    Seconds answerDelay{0};
    bool messageBoxButtons = true;
    std::function<void()> onDispatch;  // the client acting on every pass

    InMemoryDesktop desktop;
    test::ClientTree client{desktop};
    test::FakeEventLoop events;
    test::RecordingMessageBoxes boxes;
    ClientLink link{desktop, events, boxes};
    WindowHandle keywordBox = client.AddKeywordBox();
    std::vector<std::string> keywords;  // as the client saw them on the carriage return
    std::deque<ImWindow> ims;           // every IM window opened, in order
    std::vector<ClientMessageBox> messageBoxes;

  private:
    void AnswerSend(WindowHandle window) {
        if (onSend == OnSend::kClose || onSend == OnSend::kCloseAndShowMessageBox)
            desktop.Remove(window);
        if (onSend == OnSend::kShowMessageBox || onSend == OnSend::kCloseAndShowMessageBox)
            AddMessageBox();
    }
};

TEST(InstantMessagesTest, SwitchImsRunTheKeywordFillTheTextAndClickTheNinthIcon) {
    struct Case {
        const char* name;
        void (ClientLink::*send)() const;
        std::string keyword;
    };
    const Case cases[] = {{"Ims Off", &ClientLink::ImsOff, "aol://9293:$IM_OFF"},
                          {"Ims On", &ClientLink::ImsOn, "aol://9293:$IM_ON"}};
    snoozr::test::ForEachCase(cases, [](const Case& c) {
        Rig rig;
        (rig.link.*c.send)();

        ASSERT_EQ(rig.ims.size(), 1u);
        const ImWindow& im = rig.ims[0];
        const std::vector<RecordedMessage> expected = {
            {rig.keywordBox, msg::kSetText, 0, 0, c.keyword, false},
            {rig.keywordBox, msg::kChar, 32, 0, "", false},
            {rig.keywordBox, msg::kChar, 13, 0, "", false},
            {im.textBox, msg::kSetText, 0, 0, "=)", false},
            {im.icons[8], msg::kLButtonDown, 0, 0, "", false},
            {im.icons[8], msg::kLButtonUp, 0, 0, "", false},
        };
        EXPECT_EQ(rig.Log(), expected);
        EXPECT_EQ(rig.keywords, std::vector<std::string>{c.keyword});
        EXPECT_FALSE(rig.desktop.Exists(im.window));
        EXPECT_TRUE(rig.boxes.Shown().empty());
    });
}

TEST(InstantMessagesTest, RunKeywordNeedsTheWholeToolbarChain) {
    struct Case {
        const char* name;
        std::vector<std::string_view> chain;  // from a top-level window down, first children
        bool typed;
    };
    const Case cases[] = {
        {"whole chain",
         {"AOL Frame25", "AOL Toolbar", "_AOL_Toolbar", "_AOL_Combobox", "Edit"},
         true},
        {"no frame: a stray toolbar on the desktop is not it",
         {"AOL Toolbar", "_AOL_Toolbar", "_AOL_Combobox", "Edit"},
         false},
        {"no outer toolbar", {"AOL Frame25", "_AOL_Toolbar", "_AOL_Combobox", "Edit"}, false},
        {"no inner toolbar", {"AOL Frame25", "AOL Toolbar", "_AOL_Combobox", "Edit"}, false},
        {"no combo box", {"AOL Frame25", "AOL Toolbar", "_AOL_Toolbar", "Edit"}, false},
        {"no edit box", {"AOL Frame25", "AOL Toolbar", "_AOL_Toolbar", "_AOL_Combobox"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InMemoryDesktop desktop;
        test::FakeEventLoop events;
        test::RecordingMessageBoxes boxes;
        ClientLink link{desktop, events, boxes};
        const WindowHandle last = test::ClientTree::AddChain(desktop, kNoWindow, c.chain);
        link.RunKeyword("aol://1722:Lobby");
        const std::vector<RecordedMessage> expected =
            c.typed ? std::vector<RecordedMessage>{{last, msg::kSetText, 0, 0, "aol://1722:Lobby",
                                                    false},
                                                   {last, msg::kChar, 32, 0, "", false},
                                                   {last, msg::kChar, 13, 0, "", false}}
                    : std::vector<RecordedMessage>{};
        EXPECT_EQ(desktop.Messages(), expected);
    }
}

TEST(InstantMessagesTest, TextThatNeverReachedItsBoxIsNeverActedOn) {
    // The keyword box or the IM's text box may hold anything when the text did not get there:
    // the switch then runs no keyword and clicks no send button, and says so.
    struct Case {
        const char* name;
        bool keywordBoxTimesOut;  // else the IM's text box
        std::string box;
    };
    const Case cases[] = {{"keyword box", true, kNotOpened}, {"IM text box", false, kNotSent}};
    snoozr::test::ForEachCase(cases, [](const Case& c) {
        Rig rig;
        if (c.keywordBoxTimesOut)
            rig.desktop.TimeOutNextSend(rig.keywordBox);
        rig.textBoxTimesOut = !c.keywordBoxTimesOut;
        rig.link.ImsOff();
        EXPECT_EQ(rig.Count(msg::kChar), c.keywordBoxTimesOut ? 0 : 2);
        EXPECT_EQ(rig.Count(msg::kLButtonDown) + rig.Count(msg::kLButtonUp), 0);
        EXPECT_EQ(rig.boxes.Shown(),
                  (std::vector<test::ShownBox>{{c.box, "Snoozr 2.5", mb::kOk | mb::kIconStop}}));
    });
}

TEST(InstantMessagesTest, WindowNotReadyIsNeverClicked) {
    struct Case {
        const char* name;
        int icons;
        bool textBox;
    };
    // A literal chain of nine searches would wrap around with one or four icons and click one.
    const Case cases[] = {
        {"no icons", 0, true},    {"one icon", 1, true},    {"four icons", 4, true},
        {"seven icons", 7, true}, {"eight icons", 8, true}, {"no text box", 10, false},
    };
    snoozr::test::ForEachCase(cases, [](const Case& c) {
        Rig rig;
        rig.iconsAtOpen = c.icons;
        rig.withTextBox = c.textBox;
        rig.link.ImsOff();
        EXPECT_EQ(rig.Count(msg::kLButtonDown) + rig.Count(msg::kLButtonUp), 0);
        EXPECT_EQ(rig.Count(msg::kSetText), 1);  // the keyword only
        EXPECT_EQ(
            rig.boxes.Shown(),
            (std::vector<test::ShownBox>{{kNotOpened, "Snoozr 2.5", mb::kOk | mb::kIconStop}}));
        EXPECT_GE(rig.events.Elapsed(), 15.0);
        ASSERT_EQ(rig.ims.size(), 1u);
        EXPECT_TRUE(rig.desktop.Exists(rig.ims[0].window));
    });
}

TEST(InstantMessagesTest, IconsStillBeingAddedAreWaitedFor) {
    Rig rig;
    rig.iconsAtOpen = 2;
    rig.onDispatch = [&] {
        if (rig.ims.empty() || !rig.desktop.Exists(rig.ims[0].window))
            return;
        if (rig.ims[0].icons.size() < 10)
            rig.AddIcon(rig.ims[0]);
    };
    rig.link.ImsOff();

    ASSERT_EQ(rig.ims.size(), 1u);
    const ImWindow& im = rig.ims[0];
    EXPECT_EQ(rig.desktop.MessagesTo(im.icons[8]),
              (std::vector<RecordedMessage>{{im.icons[8], msg::kLButtonDown, 0, 0, "", false},
                                            {im.icons[8], msg::kLButtonUp, 0, 0, "", false}}));
    EXPECT_EQ(rig.Count(msg::kLButtonDown), 1);
    EXPECT_EQ(rig.desktop.MessagesTo(im.textBox).size(), 1u);
    EXPECT_TRUE(rig.boxes.Shown().empty());
}

TEST(InstantMessagesTest, ClientAnsweringLateButWithinTheBoundChangesNothing) {
    struct Case {
        const char* name;
        Seconds openDelay;
        Seconds closeDelay;
    };
    const Case cases[] = {
        {"IM window opens after 14 s", Seconds(14), Seconds(0)},
        {"IM window closes 14 s after the click", Seconds(0), Seconds(14)},
        {"both late", Seconds(14), Seconds(14)},
    };
    snoozr::test::ForEachCase(cases, [](const Case& c) {
        Rig rig;
        rig.openDelay = c.openDelay;
        rig.answerDelay = c.closeDelay;
        rig.link.ImsOff();
        ASSERT_EQ(rig.ims.size(), 1u);
        EXPECT_EQ(rig.desktop.MessagesTo(rig.ims[0].icons[8]).size(), 2u);
        EXPECT_TRUE(rig.Posted().empty());
        EXPECT_TRUE(rig.boxes.Shown().empty());
        EXPECT_FALSE(rig.desktop.Exists(rig.ims[0].window));
        // The call ends on the pass that sees the window gone, within a poll of its closing.
        const double ended = (c.openDelay + c.closeDelay).count();
        EXPECT_GE(rig.events.Elapsed(), ended);
        EXPECT_LT(rig.events.Elapsed(), ended + 0.25);
        EXPECT_GT(rig.events.Sleeps(), 0);
    });
}

TEST(InstantMessagesTest, ClientMessageBoxIsPressedAndTheImWindowClosed) {
    struct Case {
        const char* name;
        bool boxBeforeTheClick;
        OnSend onSend;
        Seconds answerDelay;
        bool buttons;
        bool imClosedByUs;
    };
    const Case cases[] = {
        {"box already open before the click", true, OnSend::kNothing, Seconds(0), true, true},
        {"box and IM window in the same pass", false, OnSend::kShowMessageBox, Seconds(0), true,
         true},
        {"box comes a second after the click", false, OnSend::kShowMessageBox, Seconds(1), true,
         true},
        {"box comes as the IM window closes", false, OnSend::kCloseAndShowMessageBox, Seconds(0),
         true, false},
        {"box without buttons", false, OnSend::kShowMessageBox, Seconds(0), false, true},
    };
    snoozr::test::ForEachCase(cases, [](const Case& c) {
        Rig rig;
        // The program's own boxes are not the client's.
        const WindowHandle ownBox = rig.desktop.Add(kNoWindow, "#32770", "Snoozr 2.5");
        rig.desktop.Add(ownBox, "Button", "OK");
        rig.onSend = c.onSend;
        rig.answerDelay = c.answerDelay;
        rig.messageBoxButtons = c.buttons;
        if (c.boxBeforeTheClick)
            rig.AddMessageBox();
        rig.link.ImsOff();

        ASSERT_EQ(rig.messageBoxes.size(), 1u);
        ASSERT_EQ(rig.ims.size(), 1u);
        const ClientMessageBox& box = rig.messageBoxes[0];
        EXPECT_EQ(rig.desktop.MessagesTo(rig.ims[0].icons[8]).size(), 2u);
        std::vector<RecordedMessage> expected;
        if (c.buttons) {
            expected.push_back({box.ok, msg::kKeyDown, 32, 0, "", true});
            expected.push_back({box.ok, msg::kKeyUp, 32, 0, "", true});
        }
        if (c.imClosedByUs)
            expected.push_back({rig.ims[0].window, msg::kClose, 0, 0, "", true});
        EXPECT_EQ(rig.Posted(), expected);
        EXPECT_TRUE(rig.boxes.Shown().empty());
    });
}

TEST(InstantMessagesTest, UnansweringClientIsGivenUpOnAfterTheBound) {
    struct Case {
        const char* name;
        bool client;
        bool answerKeywords;
        std::string text;
    };
    const Case cases[] = {
        {"no client at all", false, false, kNotOpened},
        {"keyword opens nothing", true, false, kNotOpened},
        {"click sends nothing", true, true, kNotSent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        if (!c.client)
            rig.desktop.Remove(rig.client.frame);
        rig.answerKeywords = c.answerKeywords;
        rig.onSend = OnSend::kNothing;
        rig.link.ImsOff();

        EXPECT_EQ(rig.boxes.Shown(),
                  (std::vector<test::ShownBox>{{c.text, "Snoozr 2.5", mb::kOk | mb::kIconStop}}));
        EXPECT_NEAR(rig.events.Elapsed(), 15.0, 0.01);
        // Every pass but the last of each of the two waits slept; a few passes a second at least.
        EXPECT_LE(rig.events.Dispatches(), rig.events.Sleeps() + 2);
        EXPECT_GE(rig.events.Sleeps(), 15 * 5);
        EXPECT_TRUE(rig.Posted().empty());
        if (!rig.ims.empty()) {
            EXPECT_TRUE(rig.desktop.Exists(rig.ims[0].window));
        }
    }
}

TEST(InstantMessagesTest, SecondSendInsideTheFirstsWaitRunsToItsEnd) {
    Rig rig;
    rig.openDelay = Seconds(0.5);
    bool secondDone = false;
    rig.events.After(Seconds(0.2), [&] {
        rig.link.ImsOn();
        secondDone = true;
    });
    rig.link.ImsOff();

    EXPECT_TRUE(secondDone);
    EXPECT_EQ(rig.keywords, (std::vector<std::string>{"aol://9293:$IM_OFF", "aol://9293:$IM_ON"}));
    ASSERT_EQ(rig.ims.size(), 2u);
    for (const ImWindow& im : rig.ims) {
        EXPECT_EQ(rig.desktop.MessagesTo(im.icons[8]).size(), 2u);
        EXPECT_FALSE(rig.desktop.Exists(im.window));
    }
    EXPECT_EQ(rig.Count(msg::kLButtonDown), 2);
    EXPECT_TRUE(rig.boxes.Shown().empty());
    EXPECT_LT(rig.events.Elapsed(), 1.0);
}

}  // namespace
}  // namespace snoozr
