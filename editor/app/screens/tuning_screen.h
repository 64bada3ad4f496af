// The Tuning screen: one scalar and one dead-zone slider per labelled motion,
// the Suggest buttons, and slider tips that keep up with the slider.
#ifndef KCG_APP_TUNING_SCREEN_H
#define KCG_APP_TUNING_SCREEN_H

#include "axis_rules.h"
#include "screen.h"

class TuningScreen : public Screen {
  public:
    // tips: the frame's tool tips, which a moved slider asks to read it again.
    TuningScreen(ui::Dialog &frame, model::Document &doc, const EditorContext &context,
                 const ui::ToolTip &tips);

    void SetUp() override;
    bool Dispatch(int id, int code) override;
    void Show(bool visible) override;

    // Entering from Axis Mapping: the rows of the game's motions are enabled
    // and every row is labelled.
    void Enter(const model::MotionList &motions);
    // A slider moved (mouse or keys).
    void OnSliderMoved(HWND slider) const;
    void FromDocument() override;
    void ShowRestored() override;

  private:
    void OnSuggest(int row);
    // The numbers beside the row follow its sliders.
    void ShowValues(int row) const;

    const ui::ToolTip &tips_;
};

#endif // KCG_APP_TUNING_SCREEN_H
