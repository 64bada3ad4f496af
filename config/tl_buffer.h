/* Internal to the library: a growable array of plain values whose memory
 * comes through the allocation seam, so that running out of memory is a
 * result (false) rather than an exception. */
#ifndef TL_BUFFER_H
#define TL_BUFFER_H

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

#include "tl_alloc.h"

namespace tl {

template <typename T> class Buffer {
    static_assert(std::is_trivially_copyable<T>::value, "a Buffer holds plain values");

  public:
    Buffer() = default;
    ~Buffer() { std::free(data_); }
    Buffer(const Buffer &) = delete;
    Buffer &operator=(const Buffer &) = delete;

    size_t size() const { return size_; }
    T *data() { return data_; }
    const T *data() const { return data_; }
    T &operator[](size_t i) { return data_[i]; }
    const T &operator[](size_t i) const { return data_[i]; }
    T *begin() { return data_; }
    T *end() { return data_ + size_; }
    const T *begin() const { return data_; }
    const T *end() const { return data_ + size_; }

    void clear() { size_ = 0; }
    /* Makes room for count values in all; false when memory ran out. */
    bool reserve(size_t count) {
        if (count <= capacity_) return true;
        size_t capacity = capacity_ < 16 ? 16 : capacity_;
        while (capacity < count)
            capacity *= 2;
        if (capacity > SIZE_MAX / sizeof(T)) return false;
        T *grown = static_cast<T *>(Realloc(data_, capacity * sizeof(T)));
        if (grown == nullptr) return false;
        data_ = grown;
        capacity_ = capacity;
        return true;
    }
    /* Sets the size to count (new values uninitialised); false when memory ran out. */
    bool resize(size_t count) {
        if (!reserve(count)) return false;
        size_ = count;
        return true;
    }
    bool push_back(const T &value) {
        if (size_ == capacity_ && !reserve(size_ + 1)) return false;
        data_[size_++] = value;
        return true;
    }

  private:
    T *data_ = nullptr;
    size_t size_ = 0, capacity_ = 0;
};

} // namespace tl

#endif
