#pragma once
// Every window of the program, each a single instance created on its first reference. The
// windows know nothing of each other: which one shows when is the navigator's, what their
// controls do is the wiring's.

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"
#include "ui/win32/Resources.h"
#include "ui/win32/forms/Form1.h"
#include "ui/win32/forms/Form12.h"
#include "ui/win32/forms/Form3.h"
#include "ui/win32/forms/Form7.h"
#include "ui/win32/forms/InfoWindow.h"
#include "ui/win32/forms/OneFieldDialog.h"

namespace snoozr::ui {

class ProgramWindows {
  public:
    ProgramWindows() = default;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    FormResources& Resources() { return resources_; }

  private:
    // Declared before the windows, which use it from their creation on and until they are
    // destroyed.
    FormResources resources_;

  public:
    Form1 form1{resources_};
    Form splash{resources_, layout::kFrmSplash};                              // frmSplash
    OneFieldDialog form2{resources_, layout::kForm2, layout::kForm2Rows};     // idle reason
    Form3 form3{resources_};                                                  // the options menu
    OneFieldDialog form4{resources_, layout::kForm4, layout::kForm4Rows};     // front decoration
    OneFieldDialog form5{resources_, layout::kForm5, layout::kForm5Rows};     // end decoration
    OneFieldDialog form6{resources_, layout::kForm6, layout::kForm6Rows};     // handle
    Form7 form7{resources_};                                                  // decoration editor
    InfoWindow form9{resources_, layout::kForm9, layout::kForm9Rows};         // newbie help
    InfoWindow form10{resources_, layout::kForm10, layout::kForm10Rows};      // contact
    OneFieldDialog form11{resources_, layout::kForm11, layout::kForm11Rows};  // stop reason
    Form12 form12{resources_};                                                // upload companion
};

}  // namespace snoozr::ui
