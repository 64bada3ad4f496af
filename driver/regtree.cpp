#include "regtree.h"

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool RegNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::vector<std::string_view> RegSplitPath(std::string_view path) {
    std::vector<std::string_view> names;
    size_t begin = 0;
    while (begin <= path.size()) {
        size_t end = path.find('\\', begin);
        if (end == std::string_view::npos) end = path.size();
        if (end > begin) names.push_back(path.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

RegNode *RegNode::Child(std::string_view name) {
    for (const auto &child : children_) {
        if (RegNamesEqual(child->Name(), name)) return child.get();
    }
    return nullptr;
}

const RegNode *RegNode::Child(std::string_view name) const {
    return const_cast<RegNode *>(this)->Child(name);
}

RegNode &RegNode::ChildOrNew(std::string_view name) {
    if (RegNode *child = Child(name)) return *child;
    children_.push_back(std::make_unique<RegNode>(std::string(name)));
    return *children_.back();
}

const RegValue *RegNode::Value(std::string_view name) const {
    for (const RegValue &value : values_) {
        if (RegNamesEqual(value.name, name)) return &value;
    }
    return nullptr;
}

void RegNode::SetValue(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data) {
    for (RegValue &value : values_) {
        if (RegNamesEqual(value.name, name)) {
            value.type = type;
            value.data = std::move(data);
            return;
        }
    }
    values_.push_back(RegValue{std::string(name), type, std::move(data)});
}

RegNode *RegTree::Find(RegNode &from, std::string_view path) {
    RegNode *node = &from;
    for (std::string_view name : RegSplitPath(path)) {
        node = node->Child(name);
        if (node == nullptr) return nullptr;
    }
    return node;
}

const RegNode *RegTree::Find(const RegNode &from, std::string_view path) {
    return Find(const_cast<RegNode &>(from), path);
}

RegNode &RegTree::Create(RegNode &from, std::string_view path) {
    RegNode *node = &from;
    for (std::string_view name : RegSplitPath(path))
        node = &node->ChildOrNew(name);
    return *node;
}
