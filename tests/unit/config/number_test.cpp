// The reader's number conversions must give what sscanf("%f") and sscanf("%d")
// give, for every form a file may hold, on every platform; the conversions of
// plain decimals straight from the text too, wherever they take a form.
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
    const char *end = text.c_str() + text.size();
    float plain = -12345.0f;
    if (tl::ScanPlainFloat(text.c_str(), end, &plain)) {
        EXPECT_EQ(std::memcmp(&expected, &plain, sizeof plain), 0) << text << ": plain " << plain;
    }
    int whole = 0;
    int32_t plainWhole = 0;
    if (tl::ScanPlainInt(text.c_str(), end, &plainWhole)) {
        ASSERT_EQ(std::sscanf(text.c_str(), "%d", &whole), 1) << text;
        EXPECT_EQ(plainWhole, whole) << text;
    }
}

TEST(ScanFloat, AgreesWithScanfOnTheFormsFilesHold) {
    std::istringstream forms(
        "0|0.00|-0.00|1.00|-1.00|0.57735|-1.73205|1.732050|100.0|120|-30|.5|-.5|5.|+2.5|"
        "  3.25|\t-0.75|1E5|1.5E-3|2E+2|1E|1E+|7.25XYZ|0X1P3|-0X1.8P1|INF|-INFINITY|NAN|"
        "1E-50|1E50|-1E-46|3.4028235E38|0.000001|123456789012345678901234567890|| |-|+|.|"
        "ABC|--1|E5|-0|007.50|0.333333333|16777215|16777217|1.5.3|12.5E|999999999|1234567890|-0.707107|"
        "3.|0X10|0x10|12X|4294967297|42949672.97|1.00E5|1.000000E5|-0.0000001|1.0000001|1.0000000|"
        "12.00|1.005|1.00000|0.250000X|-1.00e2|1.000000e2");
    for (std::string text; std::getline(forms, text, '|');)
        ExpectSameAsScanf(text);
}

TEST(ScanFloat, AgreesWithScanfOnPrintedFloats) {
    std::mt19937 random(20261206);
    std::uniform_real_distribution<float> wide(-1000.0f, 1000.0f);
    char text[64];
    for (int i = 0; i < 5000; ++i) {
        std::snprintf(text, sizeof text,
                      i % 4 == 0   ? "%.2f"
                      : i % 4 == 1 ? "%.6f"
                      : i % 4 == 2 ? "%.9g"
                                   : "%.0f",
                      wide(random) / (i % 5 == 0 ? 1000 : 1));
        ExpectSameAsScanf(text);
    }
}

// The plain conversion scales by the double nearest 10^-fraction instead of
// dividing by a float power of ten: the same float for every number of digits
// it takes (below 2^24, at most nine), and it takes the forms files hold.
TEST(ScanFloat, PlainScalingIsExactForEveryNumberItTakes) {
    const float powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f};
    const double scales[] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9};
    for (int fraction = 0; fraction <= 9; ++fraction) {
        long differences = 0;
        for (uint32_t digits = 0; digits < (1u << 24); ++digits)
            differences += static_cast<float>(static_cast<double>(digits) * scales[fraction]) !=
                           static_cast<float>(digits) / powers[fraction];
        EXPECT_EQ(differences, 0) << fraction << " digits after the point";
    }
    for (const char *text : {"-0.707107", "1.00", "12345678", "-1.2345678", "0.00000001"}) {
        float plain = 0.0f, scanned = 0.0f;
        ASSERT_TRUE(tl::ScanPlainFloat(text, text + std::strlen(text), &plain)) << text;
        std::sscanf(text, "%f", &scanned);
        EXPECT_EQ(plain, scanned) << text;
    }
}

} // namespace
