#pragma once
// The chat client's window tree on an in-memory desktop, built as the client builds it: the
// frame with its MDI area, chat rooms, the toolbar's keyword box, instant-message windows, the
// client's message box and the upload window. Every test that needs the client starts here and
// changes only what its case is about.

#include <string>
#include <string_view>
#include <vector>

#include "support/InMemoryDesktop.h"

namespace snoozr::test {

// A chat room's children as the client makes them, top of the z-order first.
inline const std::vector<std::string_view> kRoomChildren = {"RICHCNTL", "RICHCNTL", "_AOL_Listbox",
                                                            "_AOL_Icon", "_AOL_Static"};

struct ChatRoom {
    WindowHandle window = kNoWindow;
    std::vector<WindowHandle> children;   // in the order of the classes given
    WindowHandle transcript = kNoWindow;  // the first rich control
    WindowHandle input = kNoWindow;       // the second, where lines are typed
};

struct ImWindow {
    WindowHandle window = kNoWindow;
    WindowHandle textBox = kNoWindow;
    std::vector<WindowHandle> icons;
};

struct ClientMessageBox {
    WindowHandle window = kNoWindow;
    WindowHandle ok = kNoWindow;  // its first button; a second one follows it
};

struct Child {
    std::string className;
    std::string text;
};

struct UploadWindow {
    WindowHandle window = kNoWindow;
    std::vector<WindowHandle> children;
};

// The statics of an upload of report.txt with twelve minutes left.
inline const std::vector<Child> kUploadStatics = {{"_AOL_Static", "Uploading report.txt"},
                                                  {"_AOL_Static", "About 12 minutes"}};

class ClientTree {
  public:
    enum class Area { kMdi, kNone };

    // The frame, "AOL Frame25" "America  Online", with its MDI area unless told otherwise.
    explicit ClientTree(InMemoryDesktop& desktop, Area area = Area::kMdi);

    // A room in the MDI area with the client's children, or with children of these classes.
    ChatRoom AddChatRoom(std::string caption = "Lobby");
    ChatRoom AddRoom(const std::vector<std::string_view>& childClasses,
                     std::string caption = "Lobby");
    // The same under any parent (a room where no client puts one).
    ChatRoom AddRoomTo(WindowHandle parent, const std::vector<std::string_view>& childClasses,
                       std::string caption = "Lobby");

    // The toolbar's keyword box: "AOL Toolbar" > "_AOL_Toolbar" > "_AOL_Combobox" > "Edit".
    WindowHandle AddKeywordBox();
    // A chain of first children from `parent` down; the last one.
    static WindowHandle AddChain(InMemoryDesktop& desktop, WindowHandle parent,
                                 const std::vector<std::string_view>& classes);

    // "Send Instant Message" on top of the MDI area: a "To:" label, the message's rich control
    // and another (unless `textBox` is false), then `icons` icons.
    ImWindow AddImWindow(int icons = 10, bool textBox = true);
    WindowHandle AddIcon(ImWindow& im);

    // The client's "America Online" box on top of the desktop, with OK and Help unless told.
    ClientMessageBox AddMessageBox(bool buttons = true,
                                   std::string text = "$IM_OFF is not currently signed on.");

    // A top-level "_AOL_Modal" window with these children.
    UploadWindow AddUploadWindow(std::string caption,
                                 const std::vector<Child>& children = kUploadStatics);

    InMemoryDesktop& desktop;
    WindowHandle frame = kNoWindow;
    WindowHandle area = kNoWindow;
};

}  // namespace snoozr::test
