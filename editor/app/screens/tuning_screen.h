// The Tuning screen: one scalar and one dead-zone slider per labelled motion,
// the Suggest buttons, slider tips that keep up with the slider, and the plot
// of the response of the row with the focus.
#ifndef KCG_APP_TUNING_SCREEN_H
#define KCG_APP_TUNING_SCREEN_H

#include <array>

#include "axis_rules.h"
#include "response_plot.h"
#include "screen.h"

class TuningScreen : public Screen {
  public:
    // What a row's sliders and Suggest button send the frame when they gain
    // the focus (see ui::WatchFocus).
    static constexpr UINT kRowFocusMessage = WM_APP + 2;

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

    // A row's control gained the focus: the plot shows that row. The plot
    // keeps its row while the focus is anywhere else.
    void OnRowFocused(HWND control);
    // WM_DRAWITEM: true when it drew the plot.
    bool DrawItem(const DRAWITEMSTRUCT &item) const;

  private:
    void OnSuggest(int row);
    // The numbers beside the row follow its sliders.
    void ShowValues(int row) const;
    // The plot shows its row's sliders as they stand.
    ResponsePicture PlottedPicture() const;
    void ShowResponse() const;

    const ui::ToolTip &tips_;
    // The motion of each row in use (its labels); row -1 for a row out of use.
    std::array<model::Motion, model::kRows> motions_;
    int plotRow_ = -1; // the row the plot shows, or -1 for none
};

#endif // KCG_APP_TUNING_SCREEN_H
