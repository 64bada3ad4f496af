// The one fixture of the driver tests. Natively it runs them on the simulated
// system over a fresh in-memory registry; built for Windows it runs the same
// tests on the real registry, after putting the joystick keys that were there
// aside, and puts them back afterwards.
//
// Registry contents are given and compared as REGEDIT4 text written for the
// simulated driver key "msjstick.drv"; on Windows the text is moved to the
// driver key that the real joystick API names.
#ifndef KCG_TEST_DRIVER_FIXTURE_H
#define KCG_TEST_DRIVER_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_calls.h"
#include "regtree.h"
#include "system_seam.h"

// The path and the content of a file of tests/data/driver.
std::string DriverDataPath(const std::string &name);
std::string DriverData(const std::string &name);
// The files of a folder of tests/data/driver, as "folder/name", in name order.
std::vector<std::string> DriverDataFiles(const std::string &folder);

class DriverTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The backend behind a recorder: what the code under test gets.
    RecordingCalls &Calls() { return *calls_; }

    // Writes the keys and values of REGEDIT4 text into the registry.
    void Arrange(const std::string &regText);
    // The joystick root of the registry as REGEDIT4 text, keys and values in
    // the order of their names, so that both backends give the same text.
    std::string JoystickKeys() const;
    // The joystick root of regText in that form.
    static std::string SortedJoystickKeys(const std::string &regText);

  private:
    std::unique_ptr<RegTree> registry_; // the simulated registry; on Windows what was put aside
    std::unique_ptr<RegCall> backend_;
    std::unique_ptr<RecordingCalls> calls_;
    std::string driverKeyName_;
};

#endif
