/* Internal to the library: the text buffer of the writer.
 *
 * A text is built twice by the same code. The first time the buffer has no
 * memory and only adds up how long the text can be: the exact length of
 * every piece of plain text, and for numbers and quoted strings the most
 * characters they can take. The second time it writes into one block of
 * that size. Every piece is checked against the room left, so a text that
 * would not fit (the record changed between the two passes) is cut short and
 * reported, never written past the block.
 *
 * Floats with two or six decimals take an exact integer road; other numbers
 * are formatted with std::to_chars, which gives the same bytes as the C
 * library's "%d", "0x%x", "%.2f" and "%.6f" (both round the exact binary
 * value to the nearest, ties to even); non-finite values take the C
 * library's own text. */
#ifndef TL_TEXT_H
#define TL_TEXT_H

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

namespace tl {

/* Length of a fixed-size text member, read no further than its capacity
 * less the terminator, so that a member without its NUL is still safe. */
template <std::size_t N> std::size_t FieldLength(const char (&field)[N]) {
    const void *nul = std::memchr(field, '\0', N - 1);
    return nul != nullptr ? static_cast<std::size_t>(static_cast<const char *>(nul) - field) : N - 1;
}

template <std::size_t N> std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, FieldLength(field));
}

/* True for the characters a quoted string escapes with a backslash. */
inline bool NeedsEscape(char c) {
    return c == '"' || c == ',' || c == '[' || c == '\\' || c == ']' || c == '{' || c == '}';
}

/* "00" to "99", two characters each. */
struct DigitPairs {
    char text[200];
    constexpr DigitPairs() : text() {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
inline constexpr DigitPairs kDigitPairs{};

/* Writes the decimal digits of value at p; returns the end. */
inline char *PutDecimal(char *p, uint32_t value) {
    int length = 1;
    for (uint32_t rest = value; rest >= 10; rest /= 10)
        ++length;
    char *end = p + length;
    for (char *q = end; value >= 10; value /= 100) {
        if (value < 100) {
            std::memcpy(q - 2, kDigitPairs.text + 2 * value, 2);
            return end;
        }
        q -= 2;
        std::memcpy(q, kDigitPairs.text + 2 * (value % 100), 2);
    }
    p[0] = static_cast<char>('0' + value);
    return end;
}

class TextBuilder {
  public:
    /* A builder that only measures: Size() becomes the most the text can take. */
    TextBuilder() = default;

    /* A builder writing into block[0, capacity). */
    TextBuilder(char *block, std::size_t capacity) : begin_(block), next_(block), end_(block + capacity) {}

    TextBuilder(const TextBuilder &) = delete;
    TextBuilder &operator=(const TextBuilder &) = delete;

    /* Measuring: the bound so far. Writing: the bytes written so far. */
    std::size_t Size() const { return static_cast<std::size_t>(next_ - begin_) + missing_; }

    /* Writing: true when every piece fitted. */
    bool Complete() const { return missing_ == 0; }

    const char *Data() const { return begin_; }

    void Add(std::string_view text) { Put(text.data(), text.size()); }

    void Add(char c) {
        if (next_ != end_)
            *next_++ = c;
        else
            ++missing_;
    }

    void AddInt(int32_t value) {
        PutFormatted(11, [value](char *p) {
            uint32_t magnitude = static_cast<uint32_t>(value);
            if (value < 0) {
                *p++ = '-';
                magnitude = 0u - magnitude;
            }
            return PutDecimal(p, magnitude);
        });
    }

    /* "%x" of the value's 32 bits (so a negative mask shows as ffff....). */
    void AddHex(uint32_t value) {
        PutFormatted(8, [value](char *p) { return std::to_chars(p, p + 8, value, 16).ptr; });
    }

    /* "%.2f" or "%.6f" of the value. */
    template <int Decimals> void AddFixed(float value) {
        static_assert(Decimals == 2 || Decimals == 6, "the writer's numbers have 2 or 6 decimals");
        const double magnitude = std::fabs(static_cast<double>(value));
        if (Measuring()) {
            missing_ += FixedBound(magnitude, Decimals);
        } else if (magnitude < 1e9) {
            PutFormatted(kShortFixed, [value, magnitude](char *p) {
                return PutShortFixed<Decimals>(p, value, magnitude);
            });
        } else {
            AddLongFixed(value, Decimals);
        }
    }

    /* "{ v0, v1, ... }" with 2 or 6 decimals. */
    template <int Decimals> void AddFixedGroup(const float *values, int count) {
        if (count <= 0) {
            Add("{  }");
            return;
        }
        if (Measuring()) {
            std::size_t bound = 2 * static_cast<std::size_t>(count) + 2;
            for (int i = 0; i < count; ++i)
                bound += FixedBound(std::fabs(static_cast<double>(values[i])), Decimals);
            missing_ += bound;
            return;
        }
        // With room for the group at its widest on the integer road, the
        // values go straight in; the first value off that road (or a group
        // near the end of the block) takes the checked road.
        int i = 0;
        if (static_cast<std::size_t>(count) * (kShortFixed + 2) + 2 <= Room()) {
            char *p = next_;
            std::memcpy(p, "{ ", 2);
            p += 2;
            for (; i < count; ++i) {
                const double magnitude = std::fabs(static_cast<double>(values[i]));
                if (!(magnitude < 1e9)) break;
                if (i > 0) {
                    std::memcpy(p, ", ", 2);
                    p += 2;
                }
                p = PutShortFixed<Decimals>(p, values[i], magnitude);
            }
            next_ = p;
        } else {
            Add("{ ");
        }
        for (; i < count; ++i) {
            if (i > 0) Add(", ");
            AddFixed<Decimals>(values[i]);
        }
        Add(" }");
    }

    /* The text in double quotes, a backslash before each special character. */
    void AddQuoted(std::string_view text) {
        if (Measuring()) {
            missing_ += 2 + 2 * text.size();
            return;
        }
        Add('"');
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (NeedsEscape(text[i])) {
                Put(text.data() + start, i - start);
                Add('\\');
                start = i;
            }
        }
        Put(text.data() + start, text.size() - start);
        Add('"');
    }

  private:
    // The most characters of a number on the integer road: a sign, ten
    // integer digits (1e9 when rounding carries), the point, six decimals.
    static constexpr std::size_t kShortFixed = 18;
    // Any float: a sign, 39 integer digits, the point, six decimals.
    static constexpr std::size_t kLongFixed = 47;

    bool Measuring() const { return end_ == nullptr; }
    std::size_t Room() const { return static_cast<std::size_t>(end_ - next_); }

    void Put(const char *bytes, std::size_t size) {
        if (size > Room()) {
            missing_ += size;
            return;
        }
        if (size != 0) std::memcpy(next_, bytes, size);
        next_ += size;
    }

    // format(p) writes at most `most` (at most 48) characters at p and returns
    // their end; straight into the block when they fit.
    template <class Format> void PutFormatted(std::size_t most, Format format) {
        if (most <= Room()) {
            next_ = format(next_);
            return;
        }
        char local[48];
        Put(local, static_cast<std::size_t>(format(local) - local));
    }

    // The most characters "%.*f" gives for a value of this magnitude: a
    // sign, the integer digits (one more when rounding carries: below 9
    // there is one digit, below 99 two, ...), the point and the decimals.
    // Non-finite values fall through to the largest count.
    static std::size_t FixedBound(double magnitude, int decimals) {
        std::size_t digits = 1;
        for (double limit = 9; digits < 39 && !(magnitude < limit); limit = limit * 10 + 9)
            ++digits;
        return 2 + digits + static_cast<std::size_t>(decimals);
    }

    // The integer road for |value| below 1e9. Scaling a float by 10^2 or
    // 10^6 is exact in a double (24 + 20 bits), so rounding the product to an
    // integer, ties to even, is exactly the C library's rounding of the
    // binary value.
    template <int Decimals> static char *PutShortFixed(char *p, float value, double magnitude) {
        constexpr uint64_t kScale = Decimals == 2 ? 100 : 1000000;
        const uint64_t units = static_cast<uint64_t>(std::nearbyint(magnitude * static_cast<double>(kScale)));
        const uint32_t fraction = static_cast<uint32_t>(units % kScale);
        if (std::signbit(value)) *p++ = '-';
        p = PutDecimal(p, static_cast<uint32_t>(units / kScale));
        *p++ = '.';
        if (Decimals == 6) {
            std::memcpy(p, kDigitPairs.text + 2 * (fraction / 10000), 2);
            std::memcpy(p + 2, kDigitPairs.text + 2 * (fraction / 100 % 100), 2);
            p += 4;
        }
        std::memcpy(p, kDigitPairs.text + 2 * (fraction % 100), 2);
        return p + 2;
    }

    // Magnitudes from 1e9 up, and non-finite values.
    void AddLongFixed(float value, int decimals) {
        if (std::isfinite(value)) {
            PutFormatted(kLongFixed, [value, decimals](char *p) {
                const std::to_chars_result r =
                    std::to_chars(p, p + kLongFixed, value, std::chars_format::fixed, decimals);
                return r.ec == std::errc() ? r.ptr : p;
            });
            return;
        }
        // The C library's spelling of infinity and NaN.
        char text[kLongFixed + 1];
        const int n = std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
        if (n > 0)
            Put(text,
                static_cast<std::size_t>(n) < sizeof text ? static_cast<std::size_t>(n) : sizeof text - 1);
    }

    char *begin_ = nullptr;
    char *next_ = nullptr;
    char *end_ = nullptr;
    std::size_t missing_ = 0; // measuring: the whole bound; writing: what did not fit
};

} // namespace tl

#endif
