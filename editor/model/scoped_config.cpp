#include "scoped_config.h"

#include <cstdint>
#include <cstring>

namespace model {
namespace {

// A pointer into from's storage rebased onto to's; any other pointer as is.
template <typename T> T *Rebase(T *pointer, const TlConfig &from, TlConfig &to) {
    const auto address = reinterpret_cast<std::uintptr_t>(pointer);
    const auto begin = reinterpret_cast<std::uintptr_t>(&from);
    if (pointer == nullptr || address < begin || address >= begin + sizeof(TlConfig)) return pointer;
    return reinterpret_cast<T *>(reinterpret_cast<unsigned char *>(&to) + (address - begin));
}

} // namespace

void MoveConfig(TlConfig &to, TlConfig &from) {
    if (&to == &from) return;
    TlFreeConfig(&to);
    std::memcpy(&to, &from, sizeof(TlConfig));
    for (int d = 0; d < TL_DEVICES; ++d) {
        to.currentAxisMap[d] = Rebase(to.currentAxisMap[d], from, to);
        to.currentSensitivity[d] = Rebase(to.currentSensitivity[d], from, to);
    }
    TlInitConfig(&from); // from's heap parts now belong to to
}

} // namespace model
