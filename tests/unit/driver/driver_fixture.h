// The one fixture of the driver tests. Natively it runs them on the simulated
// system over a fresh in-memory registry; built for Windows it runs the same
// tests on the real registry, after putting the joystick keys that were there
// aside, and puts them back afterwards.
#ifndef KCG_TEST_DRIVER_FIXTURE_H
#define KCG_TEST_DRIVER_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_calls.h"
#include "regcall.h"
#include "regtree.h"

// Bytes of a value as written: little-endian 32-bit numbers, or text with its zero.
std::vector<std::uint8_t> Le32Bytes(const std::vector<std::int32_t> &numbers);
std::vector<std::uint8_t> TextBytes(const std::string &text);

class DriverTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The backend itself, for arranging and inspecting the registry.
    RegCall &Backend() { return *backend_; }
    // The backend behind a recorder: what the code under test gets.
    RecordingCalls &Calls() { return *calls_; }

    // Creates the joystick root and the driver key.
    void CreateDriverKey();
    // Writes a value under a key given relative to the driver key, creating the key.
    void PutValue(const std::string &key, const std::string &name, std::uint32_t type,
                  const std::vector<std::uint8_t> &data);
    void PutCallout(int joystickNumber, const std::string &text);
    // The bytes of a value under a key relative to the driver key; a missing
    // key or value fails the test and gives none.
    std::vector<std::uint8_t> Value(const std::string &key, const std::string &name);
    bool KeyExists(const std::string &key);
    // The recorder's steps, with keys given relative to the driver key
    // ("set JoystickSettings\\Marrowel:Joystick1Filter"); Writes() only the "set" ones.
    std::vector<std::string> Steps() const;
    std::vector<std::string> Writes() const;

    // The path below HKEY_LOCAL_MACHINE of a key given relative to the driver key.
    std::string DriverPath(const std::string &key) const;

    // A file in the test's own temporary folder.
    std::string WriteFile(const std::string &name, const std::string &text);
    std::string TempPath(const std::string &name) const;

  private:
    std::unique_ptr<RegTree> registry_; // the simulated registry; on Windows what was put aside
    std::unique_ptr<RegCall> backend_;
    std::unique_ptr<RecordingCalls> calls_;
    std::string driverKeyName_;
    std::string tempFolder_;
};

#endif
