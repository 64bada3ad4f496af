#include "text_rules.h"

namespace model {
namespace {

unsigned char Lower(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string TrimWhiteSpace(const std::string &text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsWhiteSpace(text[begin]))
        ++begin;
    while (end > begin && IsWhiteSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

int CompareIgnoringCase(const std::string &a, const std::string &b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = Lower(a[i]), y = Lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int FindIgnoringCase(const TlStringList &list, const std::string &name) {
    for (int i = 0; i < list.count && list.items; ++i)
        if (list.items[i] && EqualIgnoringCase(list.items[i], name)) return i;
    return -1;
}

int FindIgnoringCase(const std::vector<std::string> &list, const std::string &name) {
    for (size_t i = 0; i < list.size(); ++i)
        if (EqualIgnoringCase(list[i], name)) return static_cast<int>(i);
    return -1;
}

} // namespace model
