// What start-up hands the editor, and what the editor learns at its start
// that every screen may read.
#ifndef KCG_APP_EDITOR_CONTEXT_H
#define KCG_APP_EDITOR_CONTEXT_H

#include <functional>
#include <string>

#include "tl_cfg.h"

// Set by start-up before the main dialog runs.
struct EditorSettings {
    bool internal = false;  // internal-use mode
    std::string installDir; // the driver software's folder (empty: none known)
    std::string programDir; // the editor's own folder, where its help file lies
    std::string startFile;  // a file named on the command line, opened once the window shows
    // Opens a help file in the system's help viewer (command, data); none: Help does nothing.
    std::function<void(const std::string &, unsigned, unsigned long)> showHelp;
};

// Read by the screens and the commands; filled by the main dialog's
// initialisation.
struct EditorContext {
    bool internal = false;
    std::string winConfigDir;      // the installation's Windows games' files
    TlStringList reservedTitles{}; // titles a new file may not take
    TlStringList reservedExes{};   // executable names a game may not list
};

#endif // KCG_APP_EDITOR_CONTEXT_H
