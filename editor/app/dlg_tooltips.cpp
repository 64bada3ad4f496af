// The tool tips of the wizard's controls. The text is asked for each time a
// tip is about to show, so a slider's tip follows the slider.
#include "kcg_editor_dlg.h"
#include "resource.h"
#include "screens.h"

namespace {

bool IsSlider(int id) {
    return id >= IDC_SCALAR_0 && id <= IDC_DEAD_ZONE_5;
}

} // namespace

bool CKcgEditorDlg::OnNotify(NMHDR *header, LRESULT * /*result*/) {
    const HWND tool = ui::ToolTip::RequestedTool(header);
    if (!tool) return false;
    const int id = GetDlgCtrlID(tool);
    const int position = IsSlider(id) ? static_cast<int>(SendMessageA(tool, TBM_GETPOS, 0, 0)) : 0;
    // Controls without a tip get an empty text, which shows nothing.
    ui::ToolTip::AnswerRequest(header, model::ToolTipText(id, position));
    return true;
}
