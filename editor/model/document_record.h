/* The document's record: what a new document's record holds and how an opened
 * file is made into an editable one.
 *
 * The editor edits the identification, instructions, motion labels, and the
 * KAVELIN section's axis map, dead zones and tuning scalars. Everything else
 * is fixed for a new document and forced to the same values when a file is
 * opened, except in internal-use mode, which keeps opened files as they are. */
#ifndef KCG_MODEL_DOCUMENT_RECORD_H
#define KCG_MODEL_DOCUMENT_RECORD_H

#include "tl_api.h"

namespace model {

// Releases cfg and fills it with the library's defaults and then the editor's
// values for a new document. The values the screens supply are not set here.
// False when memory for the empty command line ran out (it is then none,
// which writes the same).
bool ResetDocumentRecord(TlConfig &cfg);

// Makes a record just read from a file into an editable document (in place).
// In every mode the file becomes a version 5.0 Windows file for driver
// software 4.8 with the KAVELIN section, fixed sensitivities and button-curve
// dead zone. Outside internal-use mode it also becomes OEM-owned, a file owned
// by someone else loses its title, executables, revision and orientation, and
// every value the editor does not edit is set as for a new document.
void NormaliseOpenedRecord(TlConfig &cfg, bool internal);

enum class LoadResult {
    kLoaded,     // doc holds the normalised file
    kReadFailed, // the file could not be read; doc unchanged
    kNotWindows  // not a Windows game's file (normal mode only); doc unchanged
};

// Reads the file at path; if the editor may edit it, replaces doc with it,
// normalised. Otherwise leaves doc as it was.
LoadResult LoadDocumentRecord(const char *path, bool internal, TlConfig &doc);

} // namespace model

#endif
