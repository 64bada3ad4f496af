// Keeps the driver and editor tests from disturbing the Wine prefix they run
// in: the joystick keys found there are copied into memory and removed before
// each test, and put back after it.
#ifndef KCG_TEST_WINDOWS_REGISTRY_H
#define KCG_TEST_WINDOWS_REGISTRY_H

#include "regtree.h"

// Copies the joystick root (if any) into saved, then removes it from the registry.
bool PutAsideJoystickKeys(RegTree &saved);
// Removes whatever the test left under the joystick root and writes saved back.
bool RestoreJoystickKeys(const RegTree &saved);
// Copies the joystick root (if any) into tree, to see what a test left.
void CopyJoystickKeys(RegTree &tree);

#endif
