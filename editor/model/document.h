/* The editor's document: what a new document's record holds, how an opened
 * file is made into an editable one, and the snapshots behind the change test.
 *
 * The editor edits the identification, instructions, motion labels, and the
 * KAVELIN section's axis map, dead zones and tuning scalars. Everything else
 * is fixed for a new document and forced to the same values when a file is
 * opened, except in internal-use mode, which keeps opened files as they are. */
#ifndef KCG_MODEL_DOCUMENT_H
#define KCG_MODEL_DOCUMENT_H

#include "rows.h"
#include "tl_api.h"

namespace model {

// The document as it was at the last New, load or save: the rows' axis mapping
// and the slider positions of its scalars and dead zones.
struct Snapshot {
    AxisRows rows;
    RowInts scalarPos;   // TUNING_SCALARS x 100.0001, truncated
    RowInts deadZonePos; // PosMin of NULL_REGION_n_USER x 100.0001, truncated
};

// Releases cfg and fills it with the library's defaults and then the editor's
// values for a new document. The values the screens supply are not set here.
// False when memory for the empty command line ran out (it is then none,
// which writes the same).
bool ResetDocumentRecord(TlConfig &cfg);

// The snapshot of a new document: rows unmapped, scalars 50, dead zones 0.
Snapshot NewDocumentSnapshot();

// The snapshot of cfg with the given rows (the rows come from the caller:
// the screens when saving, the USER map when loading).
Snapshot TakeSnapshot(const TlConfig &cfg, const AxisRows &rows);

// The change test: true when rows or cfg's scalars and dead zones differ
// from the snapshot. cfg must already hold the screens' values.
bool DiffersFromSnapshot(const TlConfig &cfg, const AxisRows &rows, const Snapshot &saved);

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
// normalised, and sets *saved to its snapshot (rows from AXIS_MAP_HRZ_USER).
// Otherwise leaves doc and *saved as they were.
LoadResult LoadDocument(const char *path, bool internal, TlConfig &doc, Snapshot &saved);

} // namespace model

#endif
