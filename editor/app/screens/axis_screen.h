// The Axis Mapping screen: which of the game's motions each ball motion
// drives, inverted or not, and how the ball is mounted; and committing the
// choices into the document's axis rows.
//
// Axis row k is combo box IDC_AXIS_0 + k, invert button IDC_INVERT_0 + k and
// read-only edit IDC_AXIS_OPPOSITE_0 + k. Its open list offers the motion
// list's pairs; closed, the box shows one item more, the display item after
// the pairs: the label of the direction named beside the box on the picture.
// The edit shows the other label. The document's choices always describe
// what is shown.
#ifndef KCG_APP_AXIS_SCREEN_H
#define KCG_APP_AXIS_SCREEN_H

#include "axis_rules.h"
#include "screen.h"

class AxisScreen : public Screen {
  public:
    AxisScreen(ui::Dialog &frame, model::Document &doc, const EditorContext &context);

    void SetUp() override;
    bool Dispatch(int id, int code) override;
    void FromDocument() override;
    void Show(bool visible) override;
    void ShowRestored() override;
    // The picture of the ball as mounted is shown once the window draws
    // again, so that it is painted over a fresh background.
    void Shown() override { ShowOrientationPicture(); }

    // Entering from General Information: the motion list from the (trimmed)
    // labels into the combo boxes, showing the committed mapping.
    void Enter();
    // Takes the choices into the document's rows; false when one motion is
    // chosen for two ball axes (reported unless silent).
    bool Commit(bool silent);
    // Next: the choices committed, and at least one motion mapped outside
    // internal-use mode; a failed check has been reported.
    bool CheckForNext();
    // The motion list built when the screen was last entered.
    const model::MotionList &Motions() const { return motions_; }

  private:
    void OnSelChange(int row);
    void OnDropDown(int row);
    void OnCloseUp(int row);
    void OnSelEndCancel(int row);
    void OnInvert(int row);
    void OnOrientation();

    void ShowOrientationPicture() const;
    int DisplayItemIndex() const { return static_cast<int>(motions_.size()); }
    void RemoveDisplayItem(int row) const;
    void ShowChoice(int row) const;
    // Takes the pair the row's combo box has selected, if it has one.
    bool TakeSelectedPair(int row);
    void FocusOpposite(int row) const;
    ui::ComboBox Combo(int row) const { return ui::ComboBox(Item(IDC_AXIS_0 + row)); }
    ui::Edit Opposite(int row) const { return ui::Edit(Item(IDC_AXIS_OPPOSITE_0 + row)); }

    // What the rows show: the document's choices, committed by Commit.
    model::AxisChoices &Choices() const { return doc_.Values().choices; }

    model::MotionList motions_;
};

#endif // KCG_APP_AXIS_SCREEN_H
