/* The document being edited: the record, the values the three screens show
 * (with the axis rows, the revision and the orientation), the file's name and
 * folder, and the values as they were last saved.
 *
 * The screens read and write Values(); the record takes them only when the
 * document is written (or asked for), so the record keeps everything the
 * screens do not show. "Changed" means one thing only: the values would write
 * a file different from the one the saved values wrote. */
#ifndef KCG_MODEL_DOCUMENT_H
#define KCG_MODEL_DOCUMENT_H

#include <functional>
#include <string>

#include "document_record.h"
#include "file_rules.h"
#include "message.h"
#include "screen_values.h"
#include "tl_api.h"

namespace model {

// The instructions shown when a document has none of its own; asked for only
// then, since finding the text may mean telling the user it is missing.
using DefaultText = std::function<std::string()>;

class Document {
  public:
    // internal: internal-use mode, which keeps opened files as they are.
    explicit Document(bool internal);
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    bool Internal() const { return internal_; }

    // A new untitled document: the editor's record and empty screens; it
    // counts as saved.
    void New(const DefaultText &defaultInstructions);

    // Reads the file at path as the document (see LoadDocumentRecord); when it
    // loads, the screens show it and it counts as saved. The name is the
    // caller's to set. Otherwise nothing changes.
    LoadResult Load(const std::string &path, const DefaultText &defaultInstructions);

    // Copies the values into the record (the record then holds what the screens
    // show). False when memory ran out while copying lists.
    bool ApplyToRecord();

    // Writes the values, through the record, to path. takeSnapshot: the written
    // values become the saved ones. False when the record could not take the
    // values or the file was not written; nothing is then taken as saved.
    bool Write(const std::string &path, bool takeSnapshot);

    // True when the values would write a different file than the saved ones.
    bool Changed() const;
    // The values as they are now count as saved: after the screens have shown
    // a new or opened document and given back what they show (a sorted list
    // of executables, say).
    void MarkSaved() { saved_ = values_; }

    ScreenValues &Values() { return values_; }
    const ScreenValues &Values() const { return values_; }
    const TlConfig &Record() const { return record_; }

    const DocumentName &Name() const { return name_; }
    void SetName(const DocumentName &name) { name_ = name; }
    std::string Path() const { return name_.folder + name_.fileName; }

  private:
    bool internal_;
    TlConfig record_;
    ScreenValues values_;
    ScreenValues saved_;
    DocumentName name_;
};

// What the user is told when a file cannot be read, is not a Windows game's
// file (normal mode), or cannot be written.
Message ReadFailedMessage();
Message NotWindowsMessage();
Message WriteFailedMessage();

// True when both values give the same file: the texts as far as the record
// keeps them, the owner word's meaning, instructions only where included, and
// each slider as the value it stores. Which rows are in use (a slider of a row
// not in use stores the default) is a matter of the screen as it is now, so
// a's rows in use count for both.
bool WriteTheSame(const ScreenValues &a, const ScreenValues &b);

} // namespace model

#endif
