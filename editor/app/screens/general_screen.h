// The General Information screen: the game's title, its executables, the
// setup instructions and the motion labels, and the checks of "Next >>".
#ifndef KCG_APP_GENERAL_SCREEN_H
#define KCG_APP_GENERAL_SCREEN_H

#include "screen.h"

class GeneralScreen : public Screen {
  public:
    GeneralScreen(ui::Dialog &frame, model::Document &doc, const EditorContext &context);

    void SetUp() override;
    bool Dispatch(int id, int code) override;
    void FromDocument() override;
    void Show(bool visible) override;

    // The checks of Next, in order, on the trimmed entries (which stay
    // trimmed on the screen); true when all pass. A failed check has been
    // reported, with the focus on the control to correct.
    bool CheckForNext();

  private:
    void OnAddExecutable();
    void OnRemoveExecutable();
    void OnBrowseExecutable();
    void OnInstructionsCheck();
    void OnDirectX5();
    void OnPreDirectX5();
    // Which variable names label the rows: a view of the screen, not part of the document.
    void ShowVariableNames() const;

    bool directX5_ = true;
};

#endif // KCG_APP_GENERAL_SCREEN_H
