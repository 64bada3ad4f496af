// Runs the editor's window scenarios: the main dialog created modeless on the
// sample installation with scripted message boxes and file dialogs, driven
// step by step from a scenario file, one step per line:
//
//   scenario <name>           starts a scenario; the lines up to the next one are its steps
//   start [internal]          creates the dialog (internal-use mode)
//   type <ID> <text>          replaces a control's text ("\n" types a line break)
//   click <ID>                presses a button as a click does
//   menu <ID>                 chooses a menu command
//   slider <ID> <position>    moves a slider as the keys do
//   choose <row> <entry>      selects an entry of an axis row's list
//   select <ID> <index>       selects an item of a list box
//   focus <ID>                moves the focus as Tab would
//   key <keys>                a key with Ctrl and Shift as named, "CTRL+Z", "F1"
//   answer OK|CANCEL|YES|NO   the answer to the next message box
//   pick <path> | pick-cancel the answer to the next file dialog
//   modal set <ID> <text> | modal press <ID> | modal no-default | modal close-editor
//   hand-over <path>          a second start hands the editor a file to open
//                             what to do in the next modal dialog that opens
//   expect <what> ...         see Expect() in scenario.cpp; "expect texts-fit": every
//                             shown text of the window fits its control
//
// Control and command ids are the names of resources/resource.h. A path
// "samples:win/x.kcg" names a file of the sample installation, "scratch:x"
// one in the scenario's scratch folder.
#ifndef KCG_TESTS_WIN_SCENARIO_H
#define KCG_TESTS_WIN_SCENARIO_H

#include <string>
#include <vector>

struct ScenarioStep {
    int line;
    std::string text;
    // The i-th word, or "" past the end; Rest(i): the line from the i-th word on.
    std::string Word(std::size_t i) const;
    std::string Rest(std::size_t i) const;
};

struct Scenario {
    std::string file, name;
    std::vector<ScenarioStep> steps;
};

// Every scenario of every *.scn file in folder.
std::vector<Scenario> LoadScenarios(const std::string &folder);

// Runs one scenario; each failed step is a test failure naming its line.
void RunScenario(const Scenario &scenario);

#endif
