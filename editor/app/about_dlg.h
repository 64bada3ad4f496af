// The About box: the editor's name and version, closed with OK.
#ifndef KCG_APP_ABOUT_DLG_H
#define KCG_APP_ABOUT_DLG_H

#include "dialog.h"
#include "resource.h"

class CAboutDlg : public ui::Dialog {
  public:
    explicit CAboutDlg(HINSTANCE instance = nullptr) : ui::Dialog(IDD_ABOUTBOX, instance) {}
};

#endif // KCG_APP_ABOUT_DLG_H
