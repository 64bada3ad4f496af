#include "template_reader.h"

#include <cstring>

namespace {

// A bounds-checked reader over the template's bytes.
class Cursor {
  public:
    Cursor(const BYTE *data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t offset() const { return pos_; }

    template <class T> T Get() {
        T value{};
        if (pos_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }

    std::string String() {
        std::string text;
        for (WORD c = Get<WORD>(); ok_ && c != 0; c = Get<WORD>()) {
            text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        return text;
    }

    // A name that is absent, an ordinal ("#n") or a string.
    std::string NameOrOrdinal() {
        const WORD first = Get<WORD>();
        if (first == 0x0000) return std::string();
        if (first == 0xFFFF) return "#" + std::to_string(Get<WORD>());
        pos_ -= sizeof(WORD);
        return String();
    }

    void AlignTo4() { pos_ = (pos_ + 3) & ~static_cast<std::size_t>(3); }
    void Skip(std::size_t bytes) {
        if (pos_ + bytes > size_) ok_ = false;
        pos_ += bytes;
    }

  private:
    const BYTE *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

std::string PredefinedClass(const std::string &name) {
    static const char *const kNames[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    if (name.size() > 1 && name[0] == '#') {
        const int ordinal = std::stoi(name.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85) return kNames[ordinal - 0x80];
    }
    return name;
}

} // namespace

std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const auto *bytes = static_cast<const BYTE *>(LockResource(loaded));
    if (!bytes) return std::nullopt;
    Cursor in(bytes, SizeofResource(module, found));

    DialogTemplate dialog;
    if (in.Get<WORD>() != 1 || in.Get<WORD>() != 0xFFFF) return std::nullopt; // not extended
    in.Get<DWORD>();                                                          // help id
    in.Get<DWORD>();                                                          // extended style
    dialog.style = in.Get<DWORD>();
    const WORD count = in.Get<WORD>();
    dialog.x = in.Get<short>();
    dialog.y = in.Get<short>();
    dialog.cx = in.Get<short>();
    dialog.cy = in.Get<short>();
    const std::string menu = in.NameOrOrdinal();
    dialog.menu = menu.size() > 1 && menu[0] == '#' ? std::stoi(menu.substr(1)) : 0;
    in.NameOrOrdinal(); // window class
    dialog.title = in.String();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.Get<WORD>();
        in.Get<WORD>(); // weight
        in.Get<BYTE>(); // italic
        in.Get<BYTE>(); // character set
        dialog.font = in.String();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.AlignTo4();
        TemplateItem item;
        in.Get<DWORD>(); // help id
        item.exStyle = in.Get<DWORD>();
        item.style = in.Get<DWORD>();
        item.x = in.Get<short>();
        item.y = in.Get<short>();
        item.cx = in.Get<short>();
        item.cy = in.Get<short>();
        item.id = static_cast<int>(in.Get<DWORD>());
        item.className = PredefinedClass(in.NameOrOrdinal());
        item.title = in.NameOrOrdinal();
        in.Skip(in.Get<WORD>()); // creation data
        dialog.items.push_back(item);
    }
    if (!in.ok()) return std::nullopt;
    return dialog;
}
