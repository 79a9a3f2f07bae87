#include "ClientTree.h"

namespace snoozr::test {

ClientTree::ClientTree(InMemoryDesktop& desktop, Area area)
    : desktop(desktop), frame(desktop.Add(kNoWindow, "AOL Frame25", "America  Online")) {
    if (area == Area::kMdi)
        this->area = desktop.Add(frame, "MDIClient");
}

ChatRoom ClientTree::AddChatRoom(std::string caption) {
    return AddRoom(kRoomChildren, std::move(caption));
}

ChatRoom ClientTree::AddRoom(const std::vector<std::string_view>& childClasses,
                             std::string caption) {
    return AddRoomTo(area, childClasses, std::move(caption));
}

ChatRoom ClientTree::AddRoomTo(WindowHandle parent,
                               const std::vector<std::string_view>& childClasses,
                               std::string caption) {
    ChatRoom room;
    room.window = desktop.Add(parent, "AOL Child", std::move(caption));
    for (const std::string_view cls : childClasses) {
        const WindowHandle child = desktop.Add(room.window, std::string(cls));
        room.children.push_back(child);
        if (cls != "RICHCNTL")
            continue;
        if (room.transcript == kNoWindow) {
            room.transcript = child;
        } else if (room.input == kNoWindow) {
            room.input = child;
        }
    }
    return room;
}

WindowHandle ClientTree::AddKeywordBox() {
    return AddChain(desktop, frame, {"AOL Toolbar", "_AOL_Toolbar", "_AOL_Combobox", "Edit"});
}

WindowHandle ClientTree::AddChain(InMemoryDesktop& desktop, WindowHandle parent,
                                  const std::vector<std::string_view>& classes) {
    for (const std::string_view cls : classes)
        parent = desktop.Add(parent, std::string(cls));
    return parent;
}

ImWindow ClientTree::AddImWindow(int icons, bool textBox) {
    ImWindow im;
    im.window = desktop.Add(area, "AOL Child", "Send Instant Message");
    desktop.BringToTop(im.window);
    desktop.Add(im.window, "_AOL_Static", "To:");
    if (textBox) {
        im.textBox = desktop.Add(im.window, "RICHCNTL");
        desktop.Add(im.window, "RICHCNTL");
    }
    for (int i = 0; i < icons; ++i)
        AddIcon(im);
    return im;
}

WindowHandle ClientTree::AddIcon(ImWindow& im) {
    return im.icons.emplace_back(desktop.Add(im.window, "_AOL_Icon"));
}

ClientMessageBox ClientTree::AddMessageBox(bool buttons, std::string text) {
    ClientMessageBox box;
    box.window = desktop.Add(kNoWindow, "#32770", "America Online");
    desktop.BringToTop(box.window);
    desktop.Add(box.window, "Static", std::move(text));
    if (buttons) {
        box.ok = desktop.Add(box.window, "Button", "OK");
        desktop.Add(box.window, "Button", "Help");
    }
    return box;
}

UploadWindow ClientTree::AddUploadWindow(std::string caption, const std::vector<Child>& children) {
    UploadWindow upload;
    upload.window = desktop.Add(kNoWindow, "_AOL_Modal", std::move(caption));
    for (const Child& child : children)
        upload.children.push_back(desktop.Add(upload.window, child.className, child.text));
    return upload;
}

}  // namespace snoozr::test
