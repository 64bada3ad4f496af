// An in-memory registry: a tree of keys, each with named, typed values.
//
// Key and value names compare without regard to letter case, as in the
// Windows registry; both keep the order in which they were first added. The
// root is nameless; its children are the hives ("HKEY_LOCAL_MACHINE", ...).
// Paths are key names joined by backslashes; empty names in a path are skipped.
#ifndef KCG_REGTREE_H
#define KCG_REGTREE_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct RegValue {
    std::string name; // "" is the key's default value
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

class RegNode {
  public:
    explicit RegNode(std::string name) : name_(std::move(name)) {}
    RegNode(const RegNode &) = delete;
    RegNode &operator=(const RegNode &) = delete;

    const std::string &Name() const { return name_; }

    // The child called name, or null.
    RegNode *Child(std::string_view name);
    const RegNode *Child(std::string_view name) const;
    // The child called name, added at the end when missing.
    RegNode &ChildOrNew(std::string_view name);
    const std::vector<std::unique_ptr<RegNode>> &Children() const { return children_; }

    // The value called name, or null.
    const RegValue *Value(std::string_view name) const;
    // Replaces the value called name (keeping its place) or adds it at the end.
    void SetValue(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data);
    const std::vector<RegValue> &Values() const { return values_; }

  private:
    std::string name_;
    std::vector<RegValue> values_;
    // Pointers to nodes stay valid while the node is in the tree.
    std::vector<std::unique_ptr<RegNode>> children_;
};

class RegTree {
  public:
    RegTree() : root_("") {}

    RegNode &Root() { return root_; }
    const RegNode &Root() const { return root_; }

    // The key at path below from, or null when a level is missing.
    static RegNode *Find(RegNode &from, std::string_view path);
    static const RegNode *Find(const RegNode &from, std::string_view path);
    // The key at path below from, creating every missing level.
    static RegNode &Create(RegNode &from, std::string_view path);

    RegNode *Find(std::string_view path) { return Find(root_, path); }
    const RegNode *Find(std::string_view path) const { return Find(root_, path); }
    RegNode &Create(std::string_view path) { return Create(root_, path); }

  private:
    RegNode root_;
};

// True when a and b are equal ignoring the case of ASCII letters.
bool RegNamesEqual(std::string_view a, std::string_view b);

// The key names of path in order, empty names left out.
std::vector<std::string_view> RegSplitPath(std::string_view path);

#endif
