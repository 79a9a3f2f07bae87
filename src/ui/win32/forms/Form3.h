#pragma once
// Form3: never shown; it owns the options menu tree, whose `File` items pop up at the pointer.
// Each command item carries its click: `form3.Adv.Click = ...`.

#include <vector>

#include "ui/Event.h"
#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui {

struct MenuCommand {
    Event<void()> Click;
};

// The one member of an item array: its click receives the member's index.
struct MenuArrayCommand {
    Event<void(int)> Click;
};

class Form3 : public Form {
  public:
    explicit Form3(FormResources& resources);

    // Pops up the children of `File` with their left edge at the pointer, for the left button.
    // Modal: returns when the menu has closed, after the chosen item's handler has run.
    void PopupFile(HWND owner);
    HMENU FileMenu();

    MenuCommand Adv;
    MenuCommand Reason;
    MenuCommand BragStats;
    MenuCommand FrontAscii;
    MenuArrayCommand EndAscii;   // index 2
    MenuArrayCommand EditAscii;  // index 3
    MenuCommand ChangeHandle;
    MenuCommand ImOff;
    MenuCommand ImOn;
    MenuCommand UpChatInfo;
    MenuCommand Contact;
    MenuCommand Help;
    MenuCommand Exit;

  private:
    HMENU Build(const layout::MenuItem& parent);
    void Chosen(const layout::MenuItem& item);

    Menu file_;
    std::vector<const layout::MenuItem*> commands_;  // command id - 1 to its item
};

}  // namespace snoozr::ui
