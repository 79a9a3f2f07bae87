#pragma once
// frmSplash: the picture shown at start-up until the user double-clicks it.

#include "ui/win32/Form.h"

namespace snoozr::ui {

class frmSplash : public Form {
  public:
    explicit frmSplash(Shell& shell);

    void Form_Load();
    void Form_DblClick();

  private:
    void OnLoad() override { Form_Load(); }
    void OnDoubleClick() override { Form_DblClick(); }
    void OnClose() override;
};

}  // namespace snoozr::ui
