#include "clean_dlg.h"

#include <utility>
#include <vector>

#include "clean_rules.h"
#include "resource.h"
#include "show_message.h"

namespace {

// Shows the wait cursor for as long as it lives.
class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_ ? previous_ : LoadCursorA(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

  private:
    HCURSOR previous_;
};

} // namespace

CCleanKcgDlg::CCleanKcgDlg(std::string winConfigDir, HINSTANCE instance)
    : ui::Dialog(IDD_CLEAN_KCG_FILES, instance), m_szFolder(std::move(winConfigDir)) {}

BOOL CCleanKcgDlg::OnInitDialog() {
    m_List.Bind(hwnd(), IDC_CLEAN_LIST);
    // Every file is read to learn its owner; that can take a moment.
    WaitCursor wait;
    for (const std::string &path : model::FilesToClean(m_szFolder))
        m_List.Add(path);
    return TRUE;
}

bool CCleanKcgDlg::DispatchCommand(int id, int code) {
    static const ui::Command<CCleanKcgDlg> kCommands[] = {
        {IDC_DELETE_FILES, BN_CLICKED, &CCleanKcgDlg::OnDeleteFiles},
    };
    return ui::DispatchCommand(*this, kCommands, id, code);
}

void CCleanKcgDlg::OnDeleteFiles() {
    const int count = m_List.Count();
    if (count <= 0) return;
    if (!model::CleanConfirmed(ShowMessage(hwnd(), model::CleanWarning()))) return;
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(m_List.ItemText(i));
    // Files that cannot be deleted are passed over; the list empties all the
    // same, since it showed what was to be removed, not what remains.
    model::DeleteFiles(paths);
    m_List.Clear();
}
