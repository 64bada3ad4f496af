// Committing the Axis Mapping screen's choices into the rows' mapping.
#include "kcg_editor_dlg.h"

bool CKcgEditorDlg::CommitAxisMap(bool /*silent*/) {
    // The axis combo boxes are not filled from the labels yet, so they hold no
    // choice that could conflict or change the mapping: the committed mapping
    // stands as it is.
    return true;
}
