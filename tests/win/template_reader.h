// Reads an extended dialog template from a module's resources into plain
// values, so that tests can compare positions, styles and order exactly as
// written in the resource script (no pixel rounding, no system fix-ups).
#ifndef KCG_TESTS_WIN_TEMPLATE_READER_H
#define KCG_TESTS_WIN_TEMPLATE_READER_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className; // predefined classes by name: "Button", "Edit", ...
    std::string title;     // text, or "#n" for a resource ordinal (pictures)
};

struct DialogTemplate {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int menu = 0; // menu resource ordinal, 0 for none
    std::string title;
    int pointSize = 0;
    std::string font;
    std::vector<TemplateItem> items;
};

// The template, or nothing if the resource is missing or malformed.
std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, int id);

#endif // KCG_TESTS_WIN_TEMPLATE_READER_H
