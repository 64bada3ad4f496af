// Message texts with values put in.
#include <gtest/gtest.h>

#include "message.h"

using namespace model;

TEST(Message, FillInPutsEachValueInOnce) {
    const struct {
        const char *text, *placeholder, *value, *expected;
    } cases[] = {
        {"%1 %1", "%1", "%1%1", "%1%1 %1%1"},
        {"keep", "", "x", "keep"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FillIn(c.text, c.placeholder, c.value), c.expected) << c.text;
}
