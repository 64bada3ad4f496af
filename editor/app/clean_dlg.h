// Clean KCG Files: lists the configuration files of the installation's Windows
// folder that the maker did not release, and deletes them after a warning, so
// that a file the developer makes is picked up by the automatic game support
// without competition from stray files.
#ifndef KCG_APP_CLEAN_DLG_H
#define KCG_APP_CLEAN_DLG_H

#include <string>

#include "ui.h"

class CCleanKcgDlg : public ui::Dialog {
  public:
    // winConfigDir: the folder whose files are listed.
    explicit CCleanKcgDlg(std::string winConfigDir, HINSTANCE instance = nullptr);

  protected:
    // Fills the list with the full paths of the files that will be removed,
    // as the folder holds them when the dialog opens.
    BOOL OnInitDialog() override;
    bool DispatchCommand(int id, int code) override;

    // Deletes every listed file after the warning, then empties the list.
    void OnDeleteFiles();

  private:
    std::string m_szFolder;
    ui::ListBox m_List;
};

#endif // KCG_APP_CLEAN_DLG_H
