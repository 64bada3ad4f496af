/* The document's file name: which names Save As may take, and which name an
 * opened file keeps.
 *
 * The editor writes only files ending in ".kcg", never takes a title that a
 * game of the driver software already uses, and never overwrites a file the
 * maker released. A file opened outside internal-use mode keeps its name only
 * when the editor itself made it (owner OEM); any other becomes untitled, so
 * that the next save has to choose a new name. */
#ifndef KCG_MODEL_FILE_RULES_H
#define KCG_MODEL_FILE_RULES_H

#include <string>

#include "message.h"
#include "tl_cfg.h"

namespace model {

// What the open and save dialogs offer.
constexpr const char *kKcgFileFilter = "Kavelin Config Files (*.kcg)|*.kcg|All Files (*.*)|*.*||";
constexpr const char *kKcgDefaultExtension = ".kcg";

// The document's own file, or none. An untitled document's folder and name
// are those Save As starts from.
struct DocumentName {
    bool hasFileName = false;
    std::string folder;   // ends in a separator, or "."
    std::string fileName; // without folder
};

// The name a document has when it has no file of its own.
DocumentName UntitledName();

// A chosen path split after its last backslash (or slash): the folder keeps
// the separator; a path without one is all name and an empty folder.
DocumentName NameOfPath(const std::string &path);

// The name without folder and without the part from its last ".".
std::string FileTitle(const std::string &path);
// The part of the name without folder after its last "."; "" when it has none.
std::string FileExtension(const std::string &path);

enum class SaveAsStep {
    kAccept,     // write to the chosen path
    kRefuse,     // show the message, then the save dialog again
    kAskReplace, // ask the message's question; ReplaceAccepted decides
};

struct SaveAsCheck {
    SaveAsStep step = SaveAsStep::kAccept;
    Message message; // empty for kAccept
};

// Checks a path the user chose in the save dialog, in this order: a title
// reserved by another game (letter case ignored) is refused; in internal-use
// mode every other name is accepted as it is; an extension other than "kcg"
// (letter case ignored) is refused; a file that does not exist or cannot be
// read is accepted (and then overwritten without a question); a file owned by
// QUORVANE is refused; any other file asks whether to replace it. The file is
// read into a temporary record that is released before returning.
SaveAsCheck CheckSaveAsName(const std::string &path, const TlStringList &reservedTitles, bool internal);

// The answer to the replace question accepts the name unless it is No.
bool ReplaceAccepted(Answer answer);

// The name an opened file gives the document and whether the owner note is
// shown. The file is read once more for the owner it stores: outside
// internal-use mode a file not owned by OEM (no owner given included) makes
// the document untitled and shows the note. A file that cannot be read now
// keeps its name, as does every file in internal-use mode.
struct OpenedName {
    DocumentName name;
    bool showOwnerNote = false;
};
OpenedName NameOpenedFile(const std::string &path, bool internal);

// The note shown after opening a file the editor did not make.
Message OpenOwnerNote();

} // namespace model

#endif
