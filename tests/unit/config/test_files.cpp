#include "test_files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#define KCG_PROCESS_ID _getpid
#else
#include <unistd.h>
#define KCG_PROCESS_ID getpid
#endif

namespace fs = std::filesystem;

namespace testfiles {

namespace {

// "Suite.Name" with characters that a file name cannot hold replaced.
std::string currentTestName() {
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name =
        info != nullptr ? std::string(info->test_suite_name()) + "." + info->name() : "outside";
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_') c = '_';
    return name;
}

} // namespace

TempDir::TempDir() {
    std::ostringstream name;
    name << "kcg_test_" << KCG_PROCESS_ID() << "_" << currentTestName();
    fs::path folder = fs::temp_directory_path() / name.str();
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    EXPECT_FALSE(error) << "cannot create " << folder.string() << ": " << error.message();
    path_ = folder.string();
}

TempDir::~TempDir() {
    std::error_code error;
    fs::remove_all(path_, error);
}

std::string TempDir::file(const std::string &name) const {
    return joinPath(path_, name);
}

std::string joinPath(const std::string &folder, const std::string &name) {
    return (fs::path(folder) / name).string();
}

bool writeBytes(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::string readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool fileExists(const std::string &path) {
    std::error_code error;
    return fs::exists(path, error);
}

} // namespace testfiles

// ---- Record comparison ------------------------------------------------------

namespace testfiles {

namespace {

template <typename T> void expectSameBytes(const T &a, const T &b, const char *member) {
    EXPECT_EQ(0, std::memcmp(&a, &b, sizeof a)) << member << " differs";
}

void expectSameString(const char *a, const char *b, const std::string &member) {
    if (a == nullptr || b == nullptr) {
        EXPECT_EQ(a == nullptr, b == nullptr) << member << " is null in only one record";
        return;
    }
    EXPECT_STREQ(a, b) << member;
}

void expectSameList(int32_t countA, char **a, int32_t countB, char **b, const std::string &member) {
    ASSERT_EQ(countA, countB) << member << " count";
    for (int k = 0; k < countA; ++k)
        expectSameString(a[k], b[k], member + "[" + std::to_string(k) + "]");
}

template <typename Entry>
void expectSameButtons(int32_t countA, const Entry *a, int32_t countB, const Entry *b, const char *member) {
    ASSERT_EQ(countA, countB) << member << " count";
    for (int k = 0; k < countA; ++k) {
        EXPECT_STREQ(a[k].name, b[k].name) << member << "[" << k << "].name";
        EXPECT_STREQ(a[k].label, b[k].label) << member << "[" << k << "].label";
    }
}

// Which member of its own record a derived pointer points at, as an offset.
std::ptrdiff_t offsetIn(const TlConfig &cfg, const void *pointer) {
    return static_cast<const char *>(pointer) - reinterpret_cast<const char *>(&cfg);
}

} // namespace

void expectSameRecord(const TlConfig &a, const TlConfig &b) {
#define KCG_SAME(member) expectSameBytes(a.member, b.member, #member)
    KCG_SAME(versionMajor);
    KCG_SAME(versionMinor);
    KCG_SAME(applicationNumberMajor);
    KCG_SAME(applicationNumberMinor);
    KCG_SAME(fileRevisionMajor);
    KCG_SAME(fileRevisionMinor);
    EXPECT_STREQ(a.applicationName, b.applicationName);
    KCG_SAME(owner);
    KCG_SAME(platform);
    KCG_SAME(level);
    KCG_SAME(orientation);
    EXPECT_STREQ(a.driverType, b.driverType);

    KCG_SAME(hideFile);
    expectSameList(a.executableCount, a.executables, b.executableCount, b.executables, "executables");
    expectSameList(a.copyFileCount, a.copyFiles, b.copyFileCount, b.copyFiles, "copyFiles");
    expectSameString(a.commandLine, b.commandLine, "commandLine");
    ASSERT_EQ(a.customCount, b.customCount) << "customCount";
    for (int g = 0; g < a.customCount; ++g)
        expectSameList(a.custom[g].count, a.custom[g].items, b.custom[g].count, b.custom[g].items,
                       "custom[" + std::to_string(g) + "]");
    KCG_SAME(showInstructions);
    expectSameList(a.instructionCount, a.instructions, b.instructionCount, b.instructions, "instructions");

    for (int n = 0; n < TL_AXES; ++n) {
        EXPECT_STREQ(a.motionLabelPos[n], b.motionLabelPos[n]) << "motionLabelPos[" << n << "]";
        EXPECT_STREQ(a.motionLabelNeg[n], b.motionLabelNeg[n]) << "motionLabelNeg[" << n << "]";
    }
    KCG_SAME(appMin);
    KCG_SAME(appMax);
    KCG_SAME(highPassFilter);
    KCG_SAME(highPassFilterCurrent);
    expectSameButtons(a.buttonMaskCount, a.buttonMasks, b.buttonMaskCount, b.buttonMasks, "buttonMasks");
    for (int k = 0; k < a.buttonMaskCount; ++k)
        KCG_SAME(buttonMasks[k].mask);
    expectSameButtons(a.buttonNumberCount, a.buttonNumbers, b.buttonNumberCount, b.buttonNumbers,
                      "buttonNumbers");
    for (int k = 0; k < a.buttonNumberCount; ++k)
        KCG_SAME(buttonNumbers[k].number);
    expectSameButtons(a.buttonCharacterCount, a.buttonCharacters, b.buttonCharacterCount, b.buttonCharacters,
                      "buttonCharacters");
    for (int k = 0; k < a.buttonCharacterCount; ++k)
        EXPECT_STREQ(a.buttonCharacters[k].text, b.buttonCharacters[k].text)
            << "buttonCharacters[" << k << "].text";

    KCG_SAME(devicePresent);
    for (int d = 0; d < TL_DEVICES; ++d) {
        SCOPED_TRACE("device " + std::to_string(d));
        const TlAxisMap *mapsA[] = {&a.axisMapHrzDflt[d], &a.axisMapVrtDflt[d], &a.axisMapHrzUser[d],
                                    &a.axisMapVrtUser[d]};
        const TlAxisMap *mapsB[] = {&b.axisMapHrzDflt[d], &b.axisMapVrtDflt[d], &b.axisMapHrzUser[d],
                                    &b.axisMapVrtUser[d]};
        for (int m = 0; m < 4; ++m) {
            EXPECT_STREQ(mapsA[m]->letters, mapsB[m]->letters) << "axis map " << m;
            expectSameBytes(mapsA[m]->axis, mapsB[m]->axis, "axis map axes");
            expectSameBytes(mapsA[m]->invert, mapsB[m]->invert, "axis map inverts");
        }
        EXPECT_EQ(offsetIn(a, a.currentAxisMap[d]), offsetIn(b, b.currentAxisMap[d])) << "currentAxisMap";
        EXPECT_EQ(offsetIn(a, a.currentSensitivity[d]), offsetIn(b, b.currentSensitivity[d]))
            << "currentSensitivity";
        KCG_SAME(motionMapPosDflt[d]);
        KCG_SAME(motionMapNegDflt[d]);
        KCG_SAME(motionMapPosUser[d]);
        KCG_SAME(motionMapNegUser[d]);
        KCG_SAME(buttonDflt[d]);
        KCG_SAME(buttonUser[d]);
        KCG_SAME(nullRegionDflt[d]);
        KCG_SAME(nullRegionUser[d]);
        KCG_SAME(tuningScalars[d]);
        for (int set = 0; set < TL_SETS; ++set)
            KCG_SAME(sensitivity[set][d]);
        KCG_SAME(samplingFrequency[d]);
        KCG_SAME(curveControlValid[d]);
        KCG_SAME(curveControl[d]);
        KCG_SAME(curveGiven[d]);
        KCG_SAME(curveOwned[d]);
        for (int c = 0; c < TL_CURVES; ++c) {
            const TlCurve &ca = a.curve[d][c];
            const TlCurve &cb = b.curve[d][c];
            ASSERT_EQ(ca.pointCount, cb.pointCount) << "curve " << c << " pointCount";
            ASSERT_EQ(ca.segmentCount, cb.segmentCount) << "curve " << c << " segmentCount";
            if (ca.pointCount > 0) {
                EXPECT_EQ(0, std::memcmp(ca.points, cb.points, ca.pointCount * sizeof(TlPoint)))
                    << "curve " << c;
            }
            if (ca.segmentCount > 0) {
                EXPECT_EQ(0, std::memcmp(ca.segments, cb.segments, ca.segmentCount * sizeof(TlSegment)))
                    << "curve " << c << " segments";
            }
        }
    }
#undef KCG_SAME
}

Groups toGroups(const TlValue &value) {
    Groups groups;
    for (int g = 0; g < value.groupCount; ++g)
        groups.emplace_back(value.groups[g].items, value.groups[g].items + value.groups[g].count);
    return groups;
}

std::string caseName(const char *description) {
    std::string name;
    for (const char *c = description; *c != '\0'; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

} // namespace testfiles
