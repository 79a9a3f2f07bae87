#pragma once
// Form3: never shown; it owns the options menu tree, whose `File` items pop up at the pointer.

#include <vector>

#include "ui/Event.h"
#include "ui/layout/Layout.h"
#include "ui/win32/Form.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui {

class Form3 : public Form {
  public:
    explicit Form3(Shell& shell);

    // Pops up the children of `File` with their left edge at the pointer, for the left button.
    // Modal: returns when the menu has closed, after the chosen item's handler has run.
    void PopupFile(HWND owner);
    HMENU FileMenu();

    // Wired by the program to the actions of the items.
    Event<void()> Adv_Click;
    Event<void()> Reason_Click;
    Event<void()> BragStats_Click;
    Event<void()> FrontAscii_Click;
    Event<void(int)> EndAscii_Click;   // item array: receives its index, 2
    Event<void(int)> EditAscii_Click;  // item array: receives its index, 3
    Event<void()> ChangeHandle_Click;
    Event<void()> ImOff_Click;
    Event<void()> ImOn_Click;
    Event<void()> UpChatInfo_Click;
    Event<void()> Contact_Click;
    Event<void()> Help_Click;

    void Exit_Click();

  private:
    void OnLoad() override;
    void OnClose() override { Hide(); }
    HMENU Build(const layout::MenuItem& parent);
    void Chosen(const layout::MenuItem& item);

    Menu file_;
    std::vector<const layout::MenuItem*> commands_;  // command id - 1 to its item
};

}  // namespace snoozr::ui
