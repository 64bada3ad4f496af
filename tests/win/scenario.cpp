#include "scenario.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>

#include "document.h"
#include "file_rules.h"
#include "kcg_editor_dlg.h"
#include "save_prompt.h"
#include "scripted_dialogs.h"
#include "test_command.h"

namespace fs = std::filesystem;

namespace {

// ---- Scenario files

std::vector<std::string> Words(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The ids of resources/resource.h by name.
const std::map<std::string, int> &ResourceIds() {
    static const std::map<std::string, int> ids = [] {
        std::map<std::string, int> found;
        std::ifstream header(KCG_RESOURCE_HEADER);
        for (std::string line; std::getline(header, line);) {
            const std::vector<std::string> w = Words(line);
            if (w.size() >= 3 && w[0] == "#define") found[w[1]] = std::atoi(w[2].c_str());
        }
        // The system's own button ids, which the small dialogs use.
        found["IDOK"] = IDOK;
        found["IDCANCEL"] = IDCANCEL;
        return found;
    }();
    return ids;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// ---- Modal dialogs: acted on from a timer inside their own loop

std::vector<std::function<void(HWND)>> *pendingModalSteps = nullptr;
HWND scenarioFrame = nullptr;
int modalTicks = 0;

BOOL CALLBACK FindModal(HWND window, LPARAM found) {
    if (window != scenarioFrame && IsWindowVisible(window) && IsWindowEnabled(window)) {
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnModalTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND modal = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindModal, reinterpret_cast<LPARAM>(&modal));
    if (modal && pendingModalSteps && !pendingModalSteps->empty()) {
        KillTimer(nullptr, timer);
        for (const auto &step : *pendingModalSteps)
            step(modal);
        pendingModalSteps->clear();
    } else if (modal && ++modalTicks > 40) {
        // A dialog nobody scripted is closed, so that no scenario waits forever.
        ADD_FAILURE() << "a modal dialog opened that the scenario did not expect";
        PostMessageA(modal, WM_CLOSE, 0, 0);
    }
}

// ---- One run

class Run {
  public:
    explicit Run(const Scenario &s) : scenario_(s) {
        scratch_ = fs::temp_directory_path() / ("kcgedit-scenario-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(scratch_);
    }
    ~Run() {
        dialog_.reset();
        PumpMessages();
        std::error_code ignored;
        fs::remove_all(scratch_, ignored);
    }

    void Step(const ScenarioStep &step);

  private:
    int Id(const std::string &name) const;
    std::string Path(const std::string &name) const;
    HWND Item(const std::string &name) const { return dialog_->Item(Id(name)); }
    void Command(const std::string &name, int code, HWND control);
    void Expect(const ScenarioStep &step);
    void ExpectBox(const std::string &kind);
    void ExpectTextsFit() const;
    void PressKey(const std::string &keys);
    int FocusedId() const;

    const Scenario &scenario_;
    fs::path scratch_;
    ui::ScriptedDialogs boxes_;
    ui::ScopedDialogHook hook_{boxes_};
    std::unique_ptr<CKcgEditorDlg> dialog_;
    HWND frame_ = nullptr; // the main window, also once it has ended
    DWORD lastCommandMs_ = 0;
    int screenAtCommand_ = 0; // the screen a box of the last command was shown on
    std::vector<std::function<void(HWND)>> modalSteps_;
    std::size_t boxesSeen_ = 0;
};

int Run::Id(const std::string &name) const {
    const auto found = ResourceIds().find(name);
    if (found == ResourceIds().end()) ADD_FAILURE() << "no id named " << name;
    return found == ResourceIds().end() ? 0 : found->second;
}

std::string Run::Path(const std::string &name) const {
    const auto after = [&](const std::string &prefix) { return name.substr(prefix.size()); };
    if (name.rfind("samples:", 0) == 0)
        return fs::path(KCG_SAMPLES_DIR "/install/config/default/" + after("samples:"))
            .make_preferred()
            .string();
    if (name.rfind("scratch:", 0) == 0) return (scratch_ / after("scratch:")).make_preferred().string();
    return name;
}

void Run::Command(const std::string &name, int code, HWND control) {
    const DWORD started = GetTickCount();
    pendingModalSteps = &modalSteps_;
    scenarioFrame = dialog_->hwnd();
    modalTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &OnModalTimer);
    if (control && code == BN_CLICKED) {
        SendMessageA(control, BM_CLICK, 0, 0);
    } else {
        SendMessageA(dialog_->hwnd(), WM_COMMAND, MAKEWPARAM(Id(name), code),
                     reinterpret_cast<LPARAM>(control));
    }
    PumpMessages();
    KillTimer(nullptr, timer);
    pendingModalSteps = nullptr;
    EXPECT_TRUE(modalSteps_.empty()) << "no modal dialog took the steps given for it";
    lastCommandMs_ = GetTickCount() - started;
    modalSteps_.clear();
}

// A key as the editor's own loop gets it, with Ctrl and Shift as named
// ("CTRL+SHIFT+Z", "F1"), sent to the control with the focus.
void Run::PressKey(const std::string &keys) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    const BYTE saved[2] = {state[VK_CONTROL], state[VK_SHIFT]};
    state[VK_CONTROL] = keys.find("CTRL+") != std::string::npos ? 0x80 : 0;
    state[VK_SHIFT] = keys.find("SHIFT+") != std::string::npos ? 0x80 : 0;
    SetKeyboardState(state);
    const std::string name = keys.substr(keys.rfind('+') == std::string::npos ? 0 : keys.rfind('+') + 1);
    const WPARAM key = name == "F1" ? VK_F1 : static_cast<WPARAM>(name[0]);
    MSG msg{GetFocus() ? GetFocus() : frame_, WM_KEYDOWN, key, 1, GetTickCount(), {}};
    if (!dialog_->PreTranslateMessage(&msg) && !IsDialogMessageA(frame_, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    PumpMessages();
    state[VK_CONTROL] = saved[0];
    state[VK_SHIFT] = saved[1];
    SetKeyboardState(state);
}

int Run::FocusedId() const {
    for (HWND w = GetFocus(); w; w = GetParent(w))
        if (GetParent(w) == dialog_->hwnd()) return GetDlgCtrlID(w);
    return 0;
}

std::string LineBreaks(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 2))
        text.replace(at, 2, "\r\n");
    return text;
}

void Run::Step(const ScenarioStep &step) {
    const std::string verb = step.Word(0);
    if (verb == "start") {
        EditorSettings settings;
        settings.internal = step.Word(1) == "internal";
        settings.installDir = fs::path(KCG_SAMPLES_DIR "/install").make_preferred().string();
        dialog_ = std::make_unique<CKcgEditorDlg>(GetModuleHandleA(nullptr), settings);
        ASSERT_TRUE(dialog_->Create(nullptr));
        frame_ = dialog_->hwnd();
        SetActiveWindow(dialog_->hwnd());
        PumpMessages();
        return;
    }
    ASSERT_TRUE(dialog_) << "a scenario begins with start";
    if (verb != "expect") screenAtCommand_ = dialog_->CurrentScreen();
    if (verb == "type") {
        SetWindowTextA(Item(step.Word(1)), LineBreaks(step.Rest(2)).c_str());
    } else if (verb == "click") {
        Command(step.Word(1), BN_CLICKED, Item(step.Word(1)));
    } else if (verb == "menu") {
        Command(step.Word(1), 0, nullptr);
    } else if (verb == "slider") {
        HWND slider = Item(step.Word(1));
        const int position = std::atoi(step.Word(2).c_str());
        SendMessageA(slider, TBM_SETPOS, TRUE, position);
        // As a drag ends: the last position, then the slider let go.
        SendMessageA(dialog_->hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(slider));
        SendMessageA(dialog_->hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                     reinterpret_cast<LPARAM>(slider));
    } else if (verb == "choose") {
        const int row = std::atoi(step.Word(1).c_str());
        HWND combo = dialog_->Item(Id("IDC_AXIS_0") + row);
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(std::atoi(step.Word(2).c_str())), 0);
        SendMessageA(dialog_->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    } else if (verb == "key") {
        PressKey(step.Word(1));
    } else if (verb == "focus") {
        SendMessageA(frame_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(step.Word(1))), TRUE);
    } else if (verb == "select") {
        SendMessageA(Item(step.Word(1)), LB_SETCURSEL, static_cast<WPARAM>(std::atoi(step.Word(2).c_str())),
                     0);
    } else if (verb == "answer") {
        static const std::map<std::string, int> kButtons = {
            {"OK", IDOK}, {"CANCEL", IDCANCEL}, {"YES", IDYES}, {"NO", IDNO}};
        boxes_.AnswerMessageBox(kButtons.at(step.Word(1)));
    } else if (verb == "pick") {
        boxes_.ConfirmFileDialog(Path(step.Rest(1)));
    } else if (verb == "pick-cancel") {
        boxes_.CancelFileDialog();
    } else if (verb == "modal") {
        const bool named = step.Word(1) == "set" || step.Word(1) == "press";
        const int id = named ? Id(step.Word(2)) : 0;
        const std::string text = step.Rest(3);
        if (step.Word(1) == "set") {
            modalSteps_.push_back([id, text](HWND modal) { SetDlgItemTextA(modal, id, text.c_str()); });
        } else if (step.Word(1) == "close-editor") {
            // What a second start with "-CLOSE" does while this dialog is open.
            HWND frame = frame_;
            modalSteps_.push_back([frame](HWND) { PostMessageA(frame, WM_CLOSE, 0, 0); });
        } else if (step.Word(1) == "no-default") {
            // Enter must not stand for a button of this dialog.
            modalSteps_.push_back([](HWND modal) {
                for (HWND child = GetWindow(modal, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    EXPECT_NE(GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON)
                        << ui::WindowText(child) << " is a default button";
            });
        } else {
            modalSteps_.push_back(
                [id](HWND modal) { PostMessageA(modal, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); });
        }
    } else if (verb == "many-executables") {
        // A copy of a sample file listing this many executables.
        std::ifstream in(Path("samples:win/harbor3d.kcg"), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string list = "EXECUTABLES = {";
        for (int i = 0, n = std::atoi(step.Word(2).c_str()); i < n; ++i)
            list += (i ? ", \"game" : " \"game") + std::to_string(i) + ".exe\"";
        const std::size_t at = text.find("EXECUTABLES");
        ASSERT_NE(at, std::string::npos);
        text.replace(at, text.find('\n', at) - at, list + " }\r");
        std::ofstream(Path(step.Word(1)), std::ios::binary) << text;
    } else if (verb == "hand-over") {
        // What a second start naming a file does.
        const std::string path = Path(step.Rest(1));
        COPYDATASTRUCT data{CKcgEditorDlg::kOpenFileRequest, static_cast<DWORD>(path.size() + 1),
                            const_cast<char *>(path.c_str())};
        SendMessageA(frame_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    } else if (verb == "expect") {
        Expect(step);
    } else {
        ADD_FAILURE() << "unknown step " << verb;
    }
    PumpMessages();
}

// The messages a scenario can name, as the rules word them.
model::Message NamedMessage(const std::string &name, int screen) {
    if (name == "save-prompt") return model::SavePromptMessage(screen);
    if (name == "owner-note") return model::OpenOwnerNote();
    if (name == "test-confirm") return model::TestConfirmation();
    if (name == "read-failed") return model::ReadFailedMessage();
    if (name == "not-windows") return model::NotWindowsMessage();
    if (name == "write-failed") return model::WriteFailedMessage();
    ADD_FAILURE() << "no message named " << name;
    return {};
}

// expect box <error|warning|information|question|message-name>: the next box
// shown, owned by the main window. expect no-box: none left unread.
void Run::ExpectBox(const std::string &kind) {
    const std::vector<ui::MessageBoxRequest> &shown = boxes_.MessageBoxes();
    ASSERT_LT(boxesSeen_, shown.size()) << "no message box was shown";
    const ui::MessageBoxRequest &box = shown[boxesSeen_++];
    EXPECT_EQ(box.owner, frame_) << "the box's owner";
    static const std::map<std::string, UINT> kIcons = {{"error", MB_ICONERROR},
                                                       {"warning", MB_ICONWARNING},
                                                       {"information", MB_ICONINFORMATION},
                                                       {"question", MB_ICONQUESTION}};
    const auto icon = kIcons.find(kind);
    if (icon != kIcons.end()) {
        EXPECT_EQ(box.Icon(), icon->second) << box.caption;
        return;
    }
    const model::Message message = NamedMessage(kind, screenAtCommand_);
    EXPECT_EQ(box.caption, message.caption);
    EXPECT_EQ(box.text, message.text);
}

// Every shown text control of the window holds its whole text, wrapped as
// the control wraps it, in the window's font.
void Run::ExpectTextsFit() const {
    for (HWND child = GetWindow(frame_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = "";
        GetClassNameA(child, kind, sizeof kind);
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if (lstrcmpiA(kind, "Static") != 0 || !(style & WS_VISIBLE) || (style & SS_TYPEMASK) > SS_RIGHT)
            continue;
        const std::string text = ui::WindowText(child);
        RECT room{}, needed{};
        GetClientRect(child, &room);
        needed = room;
        HDC dc = GetDC(child);
        const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
        DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        SelectObject(dc, font);
        ReleaseDC(child, dc);
        EXPECT_LE(needed.bottom - needed.top, room.bottom - room.top) << "cut: " << text;
        EXPECT_LE(needed.right - needed.left, room.right - room.left) << "cut: " << text;
    }
}

void Run::Expect(const ScenarioStep &step) {
    const std::string what = step.Word(1), value = step.Word(2);
    const auto yes = [&](const std::string &word) { return word == "yes"; };
    if (what == "box") {
        ExpectBox(value);
    } else if (what == "no-box") {
        EXPECT_EQ(boxesSeen_, boxes_.MessageBoxes().size())
            << "unexpected box: " << boxes_.MessageBoxes().back().caption;
    } else if (what == "file-dialogs") {
        EXPECT_EQ(boxes_.FileDialogs().size(), static_cast<std::size_t>(std::atoi(value.c_str())));
    } else if (what == "focus") {
        EXPECT_EQ(FocusedId(), Id(value));
    } else if (what == "screen") {
        EXPECT_EQ(dialog_->CurrentScreen(), std::atoi(value.c_str()));
    } else if (what == "changed") {
        EXPECT_EQ(dialog_->IsModified(), yes(value));
    } else if (what == "ended") {
        EXPECT_EQ(dialog_->HasEnded(), yes(value));
    } else if (what == "text") {
        EXPECT_EQ(ui::WindowText(Item(value)), LineBreaks(step.Rest(3))) << value;
    } else if (what == "enabled") {
        EXPECT_EQ(IsWindowEnabled(Item(value)) != FALSE, yes(step.Word(3))) << value;
    } else if (what == "checked") {
        EXPECT_EQ(SendMessageA(Item(value), BM_GETCHECK, 0, 0) == BST_CHECKED, yes(step.Word(3))) << value;
    } else if (what == "visible") {
        // The control's own flag: the dialog itself stays hidden.
        EXPECT_EQ((GetWindowLongPtrA(Item(value), GWL_STYLE) & WS_VISIBLE) != 0, yes(step.Word(3))) << value;
    } else if (what == "position") {
        EXPECT_EQ(SendMessageA(Item(value), TBM_GETPOS, 0, 0), std::atoi(step.Word(3).c_str())) << value;
    } else if (what == "items") {
        EXPECT_EQ(SendMessageA(Item(value), LB_GETCOUNT, 0, 0), std::atoi(step.Word(3).c_str())) << value;
    } else if (what == "file") {
        const std::string path = step.Rest(2);
        const std::size_t last = path.rfind(' ');
        EXPECT_EQ(fs::exists(Path(path.substr(0, last))), yes(path.substr(last + 1))) << path;
    } else if (what == "can-undo") {
        EXPECT_EQ(dialog_->CanUndo(), yes(value));
    } else if (what == "texts-fit") {
        ExpectTextsFit();
    } else if (what == "within") {
        // The last command's time, in milliseconds, against a generous bound.
        EXPECT_LE(lastCommandMs_, static_cast<DWORD>(std::atoi(value.c_str())))
            << "the last command took too long";
        std::printf("last command: %lu ms\n", static_cast<unsigned long>(lastCommandMs_));
    } else if (what == "document") {
        EXPECT_EQ(dialog_->Doc().Path(), Path(value));
    } else {
        ADD_FAILURE() << "unknown expectation " << what;
    }
}

} // namespace

std::string ScenarioStep::Word(std::size_t i) const {
    const std::vector<std::string> words = Words(text);
    return i < words.size() ? words[i] : std::string();
}

std::string ScenarioStep::Rest(std::size_t i) const {
    std::size_t at = 0;
    for (std::size_t word = 0; word < i; ++word) {
        at = text.find_first_not_of(" \t", at);
        at = at == std::string::npos ? at : text.find_first_of(" \t", at);
    }
    at = at == std::string::npos ? at : text.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : text.substr(at);
}

std::vector<Scenario> LoadScenarios(const std::string &folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".scn") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<Scenario> scenarios;
    for (const fs::path &file : files) {
        std::ifstream in(file);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::size_t start = line.find_first_not_of(" \t");
            if (start == std::string::npos || line[start] == '#') continue;
            if (line.compare(start, 9, "scenario ") == 0) {
                scenarios.push_back({file.filename().string(), line.substr(start + 9), {}});
            } else if (!scenarios.empty()) {
                scenarios.back().steps.push_back({number, line.substr(start)});
            }
        }
    }
    return scenarios;
}

void RunScenario(const Scenario &scenario) {
    Run run(scenario);
    for (const ScenarioStep &step : scenario.steps) {
        SCOPED_TRACE(scenario.file + ":" + std::to_string(step.line) + ": " + step.text);
        run.Step(step);
        if (::testing::Test::HasFatalFailure()) return;
    }
}
