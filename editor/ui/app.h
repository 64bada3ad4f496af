// The application: its module instance and the start-up work every window
// of the program depends on.
#ifndef KCG_UI_APP_H
#define KCG_UI_APP_H

#include <windows.h>

#include <optional>
#include <string>

namespace ui {

class App {
  public:
    // instance: the program's module; null means the running program.
    explicit App(HINSTANCE instance = nullptr);
    virtual ~App() = default;
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    HINSTANCE Instance() const { return instance_; }

    // Registers the common controls the templates use (trackbars, tool tips)
    // and the standard ones. Call before the first dialog is created.
    bool InitCommonControls() const;

    // A string of the string table, or nothing when the id has none.
    std::optional<std::string> LoadText(UINT id) const;

    // The process's whole command line, program path included.
    static std::string CommandLine();
    // The full path of the program file.
    std::string ProgramPath() const;

  private:
    HINSTANCE instance_;
};

// A string of a module's string table, or nothing when the id has none.
std::optional<std::string> LoadResourceText(HINSTANCE instance, UINT id);

} // namespace ui

#endif // KCG_UI_APP_H
