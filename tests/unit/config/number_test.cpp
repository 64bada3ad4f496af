// The reader's float conversion must give what sscanf("%f") gives, for every
// form a file may hold, on every platform.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "tl_number.h"

namespace {

void ExpectSameAsScanf(const std::string &text) {
    float expected = -12345.0f, got = -12345.0f;
    const int scanned = std::sscanf(text.c_str(), "%f", &expected);
    ASSERT_EQ(TlScanFloat(text.c_str(), &got), scanned == 1 ? 1 : 0) << '"' << text << '"';
    if (scanned != 1) return;
    EXPECT_TRUE(std::isnan(expected) ? std::isnan(got) : std::memcmp(&expected, &got, sizeof got) == 0)
        << text << ": " << got << " instead of " << expected;
}

TEST(ScanFloat, AgreesWithScanfOnTheFormsFilesHold) {
    std::istringstream forms(
        "0|0.00|-0.00|1.00|-1.00|0.57735|-1.73205|1.732050|100.0|120|-30|.5|-.5|5.|+2.5|"
        "  3.25|\t-0.75|1E5|1.5E-3|2E+2|1E|1E+|7.25XYZ|0X1P3|-0X1.8P1|INF|-INFINITY|NAN|"
        "1E-50|1E50|-1E-46|3.4028235E38|0.000001|123456789012345678901234567890|| |-|+|.|"
        "ABC|--1|E5");
    for (std::string text; std::getline(forms, text, '|');)
        ExpectSameAsScanf(text);
}

TEST(ScanFloat, AgreesWithScanfOnPrintedFloats) {
    std::mt19937 random(20261206);
    std::uniform_real_distribution<float> wide(-1000.0f, 1000.0f);
    char text[64];
    for (int i = 0; i < 5000; ++i) {
        std::snprintf(text, sizeof text, i % 3 == 0 ? "%.2f" : i % 3 == 1 ? "%.6f" : "%.9g", wide(random));
        ExpectSameAsScanf(text);
    }
}

} // namespace
