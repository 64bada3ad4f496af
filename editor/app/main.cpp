// The editor program.
#include <windows.h>

#include "kcg_editor_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    Win32StartupSystem system;
    CKcgEditorApp app(instance, system);
    app.InitInstance();
    return 0;
}
