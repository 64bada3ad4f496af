#include "editor_fixture.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace editor_test {

std::string SampleInstallation() {
    std::string path = KCG_SAMPLES_DIR "/install";
    for (char &c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string SampleFile(const std::string &folder, const std::string &name) {
    return SampleInstallation() + "\\config\\default\\" + folder + "\\" + name;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "kcgedit-test-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(GetTickCount());
    CreateDirectoryA(folder_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(Path(found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
}

std::string ReadWholeFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::set<int> VisibleControls(HWND dialog) {
    std::set<int> visible;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) visible.insert(GetDlgCtrlID(child));
    }
    return visible;
}

void EditorDialog::TearDown() {
    dialog.reset();
    PumpMessages();
    hook.reset();
}

void EditorDialog::Open(bool internal) {
    dialog = std::make_unique<CKcgEditorDlg>(GetModuleHandleA(nullptr));
    dialog->m_bInternal = internal ? 1 : 0;
    dialog->m_szInstallDir = SampleInstallation();
    ASSERT_TRUE(dialog->Create(nullptr));
    PumpMessages();
}

void EditorDialog::Click(int id) {
    SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

std::string EditorDialog::Text(int id) const {
    return ui::WindowText(Item(id));
}

void EditorDialog::SetText(int id, const std::string &text) {
    SetWindowTextA(Item(id), text.c_str());
}

int EditorDialog::SliderPosition(int id) const {
    return static_cast<int>(SendMessageA(Item(id), TBM_GETPOS, 0, 0));
}

void EditorDialog::SetSliderPosition(int id, int position) {
    SendMessageA(Item(id), TBM_SETPOS, TRUE, position);
}

} // namespace editor_test
