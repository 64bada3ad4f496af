// The window shown while the main dialog initialises (mostly while the
// installation's configuration files are read). It has nothing to act on.
#ifndef KCG_APP_SPLASH_DLG_H
#define KCG_APP_SPLASH_DLG_H

#include "dialog.h"

class CSplashDlg : public ui::Dialog {
  public:
    explicit CSplashDlg(HINSTANCE instance = nullptr);

    // Creates the window and draws it at once: no messages are handled until
    // the main dialog's initialisation is over.
    bool Show();
    // Ends the window by the close message, as any window is asked to close.
    void Close();

  protected:
    BOOL OnInitDialog() override { return FALSE; } // no control to give the focus to
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR *result) override;
};

#endif // KCG_APP_SPLASH_DLG_H
