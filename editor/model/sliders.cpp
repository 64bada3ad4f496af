#include "sliders.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace model {

float SliderValue(int position) {
    return static_cast<float>(position) * 0.01f;
}

int SliderPosition(float value, float factor) {
    // Kept in a float variable so the product is rounded to single precision
    // before the truncation, whatever precision the compiler computes in.
    const volatile float product = value * factor;
    const float p = product;
    if (std::isnan(p)) return 0;
    if (p >= static_cast<float>(INT_MAX)) return INT_MAX;
    if (p <= static_cast<float>(INT_MIN)) return INT_MIN;
    return static_cast<int>(p);
}

std::string ScalarTipText(int position) {
    char text[64];
    std::snprintf(text, sizeof text, "Current scalar: %.2f", position * 0.02);
    return text;
}

std::string DeadZoneTipText(int position) {
    char text[64];
    std::snprintf(text, sizeof text, "Current dead zone: %d%%", position);
    return text;
}

std::string ScalarValueText(int position) {
    char text[32];
    std::snprintf(text, sizeof text, "x%.2f", position * 0.02);
    return text;
}

std::string DeadZoneValueText(int position) {
    return std::to_string(position) + "%";
}

} // namespace model
