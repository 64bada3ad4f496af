// Prints the joystick driver's registry key name, as the joystick API gives it
// for the id that asks for the name rather than for a device. The demo
// installation writes the controller's joystick entries under that key.
// Exit status 0 with the name on standard output, 1 when there is none.
#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

int main() {
    JOYCAPSA caps{};
    // The "no device" id is -1 at the width of the id parameter; in a 64-bit
    // program 0xFFFFFFFF would be an ordinary, absent joystick.
    if (joyGetDevCapsA(static_cast<UINT_PTR>(-1), &caps, sizeof caps) != JOYERR_NOERROR ||
        caps.szRegKey[0] == '\0')
        return 1;
    std::printf("%s\n", caps.szRegKey);
    return 0;
}
