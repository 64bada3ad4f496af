// File Revision Number: sets the revision that the next save writes into the
// configuration file. A released file starts at 1.0; only in internal-use mode
// may a revision lie below it (but never be 0.0).
#ifndef KCG_APP_FILE_REVISION_DLG_H
#define KCG_APP_FILE_REVISION_DLG_H

#include "ui.h"

class CFileRevisionDlg : public ui::Dialog {
  public:
    // internal: internal-use mode, which lowers the smallest revision.
    explicit CFileRevisionDlg(bool internal, HINSTANCE instance = nullptr);

    // The revision the edits show when the dialog opens, and the accepted one
    // after it ends with OK.
    int m_nMajor = 0; // 0 to 99
    int m_nMinor = 0; // 0 to 9

  protected:
    BOOL OnInitDialog() override;
    // Takes the two edits; a refused entry is reported once, its edit gets
    // the focus and the dialog stays open.
    void OnOK() override;

  private:
    bool m_bInternal;
    ui::Edit m_editMajor, m_editMinor;
};

#endif // KCG_APP_FILE_REVISION_DLG_H
