// Messages as data: the system's flag values and button ids, and texts with values put in.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "message.h"

using namespace model;

#ifdef _WIN32
// The dialogs pass these on to the system unchanged.
static_assert(static_cast<unsigned>(MessageIcon::kError) == MB_ICONERROR, "stop icon");
static_assert(static_cast<unsigned>(MessageIcon::kWarning) == MB_ICONWARNING, "exclamation icon");
static_assert(static_cast<unsigned>(MessageIcon::kInformation) == MB_ICONINFORMATION, "information icon");
static_assert(static_cast<unsigned>(MessageButtons::kOk) == MB_OK, "OK");
static_assert(static_cast<unsigned>(MessageButtons::kOkCancel) == MB_OKCANCEL, "OK, Cancel");
static_assert(static_cast<unsigned>(MessageButtons::kYesNoCancel) == MB_YESNOCANCEL, "Yes, No, Cancel");
static_assert(static_cast<unsigned>(MessageButtons::kYesNo) == MB_YESNO, "Yes, No");
static_assert(static_cast<int>(Answer::kOk) == IDOK && static_cast<int>(Answer::kCancel) == IDCANCEL &&
                  static_cast<int>(Answer::kYes) == IDYES && static_cast<int>(Answer::kNo) == IDNO,
              "button ids");
#endif

TEST(Message, FillInPutsEachValueInOnce) {
    const struct {
        const char *text, *placeholder, *value, *expected;
    } cases[] = {
        {"File:\n%s", "%s", "C:\\a%sb\\x", "File:\nC:\\a%sb\\x"},
        {"%1 %1", "%1", "%1%1", "%1%1 %1%1"},
        {"keep", "", "x", "keep"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FillIn(c.text, c.placeholder, c.value), c.expected) << c.text;
}
