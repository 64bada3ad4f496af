// REGEDIT4 files: what is read, what is refused, and what is written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "regcall.h"
#include "regfile.h"

namespace {

const char kSample[] = "REGEDIT4\r\n"
                       "\r\n"
                       "; the joystick driver\r\n"
                       "[HKEY_LOCAL_MACHINE\\System\\Joystick\\msjstick.drv\\CurrentJoystickSettings]\r\n"
                       "\"Joystick2OEMCallout\"=\"velix.vxd\"\r\n"
                       "\"Quoted \\\"name\\\"\"=\"C:\\\\games\\\\a \\\"b\\\".kcg\"\r\n"
                       "@=\"default\"\r\n"
                       "\r\n"
                       "[HKEY_LOCAL_MACHINE\\System\\Joystick\\msjstick.drv\\JoystickSettings\\Marrowel]\n"
                       "\"Joystick1OEMConfiguration\"=hex:00,01,02,\\\n"
                       "  ff,FE\n"
                       "\"Count\"=dword:0000001c\n"
                       "\"Expand\"=hex(2):41,00\n"
                       "\"Empty\"=hex:\n"
                       "\r\n"
                       "[HKEY_CURRENT_USER\\Software\\Empty]\r\n";

const RegValue &ValueAt(const RegTree &tree, const char *key, const char *name) {
    const RegNode *node = tree.Find(key);
    static const RegValue missing{"<missing>", 0, {}};
    if (node == nullptr || node->Value(name) == nullptr) return missing;
    return *node->Value(name);
}

TEST(RegFile, ReadsKeysAndEveryKindOfValue) {
    RegTree tree;
    std::string error;
    ASSERT_TRUE(ParseRegText(kSample, tree, &error)) << error;
    const char *current = "HKEY_LOCAL_MACHINE\\System\\Joystick\\msjstick.drv\\CurrentJoystickSettings";
    const char *oem = "HKEY_LOCAL_MACHINE\\system\\joystick\\MSJSTICK.DRV\\JoystickSettings\\Marrowel";
    const auto text = [](const std::string &s) {
        std::vector<std::uint8_t> bytes(s.begin(), s.end());
        bytes.push_back(0);
        return bytes;
    };
    EXPECT_EQ(text("velix.vxd"), ValueAt(tree, current, "Joystick2OEMCallout").data);
    EXPECT_EQ(kRegSz, ValueAt(tree, current, "joystick2oemcallout").type);
    EXPECT_EQ(text("C:\\games\\a \"b\".kcg"), ValueAt(tree, current, "Quoted \"name\"").data);
    EXPECT_EQ(text("default"), ValueAt(tree, current, "").data);
    EXPECT_EQ((std::vector<std::uint8_t>{0, 1, 2, 0xff, 0xfe}),
              ValueAt(tree, oem, "Joystick1OEMConfiguration").data);
    EXPECT_EQ(kRegBinary, ValueAt(tree, oem, "Joystick1OEMConfiguration").type);
    EXPECT_EQ((std::vector<std::uint8_t>{0x1c, 0, 0, 0}), ValueAt(tree, oem, "Count").data);
    EXPECT_EQ(kRegDword, ValueAt(tree, oem, "Count").type);
    EXPECT_EQ(2u, ValueAt(tree, oem, "Expand").type);
    EXPECT_TRUE(ValueAt(tree, oem, "Empty").data.empty());
    EXPECT_NE(nullptr, tree.Find("HKEY_CURRENT_USER\\Software\\Empty"));
}

TEST(RegFile, RefusesMalformedLinesSayingWhere) {
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"", "line 1: the file does not begin with REGEDIT4"},
        {"Windows Registry Editor Version 5.00\n", "line 1: the file does not begin with REGEDIT4"},
        {"REGEDIT4\n\"a\"=\"b\"\n", "line 2: a value line before any key"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:0g\n", "line 3: hex data must be bytes like 0a,ff"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=hex:01,\\\n",
         "line 3: hex data goes on past the end of the file"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"a\"=42\n",
         "line 3: unknown value data (expected \"text\", hex:, hex(n): or dword:)"},
    };
    for (const auto &c : cases) {
        RegTree tree;
        std::string error;
        EXPECT_FALSE(ParseRegText(c.text, tree, &error)) << c.text;
        EXPECT_EQ(c.error, error) << c.text;
    }
}

TEST(RegFile, WritesWhatReadsBackToTheSameBytes) {
    RegTree tree;
    RegNode &key = tree.Create("HKEY_LOCAL_MACHINE\\Software\\Kcg");
    key.SetValue("Text", kRegSz, {'a', '"', '\\', 0});
    key.SetValue("Embedded zero", kRegSz, {'a', 0, 'b', 0});
    key.SetValue("", kRegDword, {1, 2, 3, 4});
    key.SetValue("Long", kRegBinary, std::vector<std::uint8_t>(40, 0xAB));
    tree.Create("HKEY_LOCAL_MACHINE\\Software\\Kcg\\Empty child");

    const std::string text = FormatRegText(tree);
    EXPECT_EQ(0u, text.find("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Kcg]\r\n"
                            "\"Text\"=\"a\\\"\\\\\"\r\n"
                            "\"Embedded zero\"=hex(1):61,00,62,00\r\n"
                            "@=dword:04030201\r\n"
                            "\"Long\"=hex:"));
    EXPECT_NE(std::string::npos, text.find("\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Kcg\\Empty child]\r\n"));
    size_t lineStart = 0;
    for (size_t end; (end = text.find("\r\n", lineStart)) != std::string::npos; lineStart = end + 2) {
        EXPECT_LE(end - lineStart, 80u) << text.substr(lineStart, end - lineStart);
    }

    RegTree back;
    std::string error;
    ASSERT_TRUE(ParseRegText(text, back, &error)) << error;
    EXPECT_EQ(text, FormatRegText(back));
    EXPECT_EQ(key.Value("Long")->data, back.Find("HKEY_LOCAL_MACHINE\\Software\\Kcg")->Value("long")->data);
}

TEST(RegFile, SaveReplacesTheFileOnlyWhenComplete) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "kcg_regfile_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "joystick.reg").string();

    RegTree tree;
    ASSERT_TRUE(ParseRegText(kSample, tree, nullptr));
    std::string error;
    ASSERT_TRUE(SaveRegFile(path, tree, &error)) << error;
    RegTree loaded;
    ASSERT_TRUE(LoadRegFile(path, loaded, &error)) << error;
    EXPECT_EQ(FormatRegText(tree), FormatRegText(loaded));
    EXPECT_FALSE(fs::exists(path + ".new"));

    EXPECT_FALSE(SaveRegFile((folder / "no folder" / "x.reg").string(), tree, &error));
    EXPECT_FALSE(LoadRegFile((folder / "missing.reg").string(), loaded, &error));
    EXPECT_EQ(0u, error.find("cannot open it"));
    fs::remove_all(folder);
}

} // namespace
