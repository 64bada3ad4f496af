/* Internal to the library: the text builder of the writer.
 *
 * Writes a text into a block it is given, every piece checked against the
 * room left: a piece that does not fit is counted, not written, so that a
 * text cut short is reported (Complete() is false) and Size() tells the
 * length the whole text needs. A builder given no block at all only counts.
 *
 * Floats below 1e9 take an exact integer road; larger ones go through
 * std::to_chars, which gives the same bytes as the C library's "%.2f" and
 * "%.6f" (both round the exact binary value to the nearest, ties to even);
 * non-finite values take the C library's own text. Integers give the bytes
 * of "%d" and "%x". */
#ifndef TL_TEXT_H
#define TL_TEXT_H

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
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

/* The characters a quoted string escapes with a backslash, as a table. */
struct EscapedCharacters {
    bool escaped[256];
    constexpr EscapedCharacters() : escaped() {
        for (unsigned char c : {'"', ',', '[', '\\', ']', '{', '}'})
            escaped[c] = true;
    }
};
inline constexpr EscapedCharacters kEscaped{};

inline bool NeedsEscape(char c) {
    return kEscaped.escaped[static_cast<unsigned char>(c)];
}

/* The number of decimals of a fixed-point number the writer formats. */
template <int N> struct Decimals {
    static_assert(N == 2 || N == 6, "the writer's numbers have 2 or 6 decimals");
};
inline constexpr Decimals<2> kTwoDecimals{};
inline constexpr Decimals<6> kSixDecimals{};

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

inline char *PutPair(char *p, uint32_t value) {
    std::memcpy(p, kDigitPairs.text + 2 * value, 2);
    return p + 2;
}

/* Writes value, below 10^6, as six digits. Multiplying by 2^32 / 10^4,
 * rounded up, brings the first two digits above bit 32; each multiplication
 * of what is left below by 100 brings up the next two. Exact for every value
 * below 10^6. */
inline char *PutSixDigits(char *p, uint32_t value) {
    uint64_t y = static_cast<uint64_t>(value) * 429497u;
    p = PutPair(p, static_cast<uint32_t>(y >> 32));
    y = static_cast<uint64_t>(static_cast<uint32_t>(y)) * 100u;
    p = PutPair(p, static_cast<uint32_t>(y >> 32));
    y = static_cast<uint64_t>(static_cast<uint32_t>(y)) * 100u;
    return PutPair(p, static_cast<uint32_t>(y >> 32));
}

/* x rounded to an integer, ties to even, as nearbyint does, for x from 0 to
 * 2^52: the sum with 2^52 has no bits below the units, so the addition
 * rounds x, and taking 2^52 away again is exact. */
inline double RoundSmall(double x) {
#if FLT_EVAL_METHOD == 0
    constexpr double kNoFraction = 4503599627370496.0; // 2^52
    return (x + kNoFraction) - kNoFraction;
#else
    return std::nearbyint(x); // excess precision would spoil the sum
#endif
}

/* Writes the decimal digits of value at p; returns the end. */
inline char *PutDecimal(char *p, uint32_t value) {
    if (value < 10) {
        *p = static_cast<char>('0' + value);
        return p + 1;
    }
    int length = 2;
    for (uint32_t rest = value; rest >= 100; rest /= 10)
        ++length;
    char *end = p + length;
    char *q = end;
    for (; value >= 100; value /= 100)
        PutPair(q -= 2, value % 100);
    if (value >= 10)
        PutPair(q - 2, value);
    else
        q[-1] = static_cast<char>('0' + value);
    return end;
}

class TextBuilder {
  public:
    TextBuilder(char *block, std::size_t capacity) : begin_(block), next_(block), end_(block + capacity) {}
    TextBuilder(const TextBuilder &) = delete;
    TextBuilder &operator=(const TextBuilder &) = delete;

    /* The bytes written and those that did not fit: the whole text's length. */
    std::size_t Size() const { return static_cast<std::size_t>(next_ - begin_) + missing_; }

    /* True when every piece fitted. */
    bool Complete() const { return missing_ == 0; }

    /* Appends each piece, a text or a character, in turn; one check of the
     * room left for all of them. */
    template <class... Pieces> void Add(const Pieces &...pieces) {
        const std::size_t size = (Length(pieces) + ...);
        if (size > Room()) {
            missing_ += size;
            return;
        }
        char *p = next_;
        ((p = Copy(p, pieces)), ...);
        next_ = p;
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
    template <int N> void AddFixed(float value, Decimals<N>) {
        if (std::fabs(value) < 1e9f)
            PutFormatted(kShortFixed, [value](char *p) { return PutShortFixed<N>(p, value); });
        else
            AddLongFixed(value, N);
    }

    /* "{ v0, v1, ... }" with 2 or 6 decimals. */
    template <int N> void AddFixedGroup(const float *values, int count, Decimals<N> decimals) {
        // With room for the group at its widest on the integer road, the
        // values go straight in; from the first value off that road on (and
        // for a group near the end of the block) each piece is checked.
        int i = 0;
        if (static_cast<std::size_t>(count) * (kShortFixed + 2) + 3 <= Room()) {
            char *p = next_;
            *p++ = '{';
            for (; i < count && std::fabs(values[i]) < 1e9f; ++i) {
                if (i > 0) *p++ = ',';
                *p++ = ' ';
                p = PutShortFixed<N>(p, values[i]);
            }
            next_ = p;
        } else {
            Add('{');
        }
        for (; i < count; ++i) {
            Add(i > 0 ? ", " : " ");
            AddFixed(values[i], decimals);
        }
        Add(" }");
    }

    /* The text in double quotes, a backslash before each special character. */
    void AddQuoted(std::string_view text) {
        Add('"');
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (NeedsEscape(text[i])) {
                Add(std::string_view(text.data() + start, i - start), '\\');
                start = i;
            }
        }
        Add(std::string_view(text.data() + start, text.size() - start), '"');
    }

  private:
    // The most characters of a number on the integer road: a sign, ten
    // integer digits (1e9 when rounding carries), the point, six decimals.
    static constexpr std::size_t kShortFixed = 18;
    // Any float: a sign, 39 integer digits, the point, six decimals.
    static constexpr std::size_t kLongFixed = 47;

    static std::size_t Length(std::string_view text) { return text.size(); }
    static std::size_t Length(char) { return 1; }
    static char *Copy(char *p, std::string_view text) {
        if (!text.empty()) std::memcpy(p, text.data(), text.size());
        return p + text.size();
    }
    static char *Copy(char *p, char c) {
        *p = c;
        return p + 1;
    }

    std::size_t Room() const { return static_cast<std::size_t>(end_ - next_); }

    // format(p) writes at most `most` (at most 48) characters at p and returns
    // their end; straight into the block when they fit.
    template <class Format> void PutFormatted(std::size_t most, Format format) {
        if (most <= Room()) {
            next_ = format(next_);
            return;
        }
        char local[48];
        Add(std::string_view(local, static_cast<std::size_t>(format(local) - local)));
    }

    // The integer road for |value| below 1e9. Scaling a float by 10^2 or
    // 10^6 is exact in a double (24 + 20 bits), so rounding the product to an
    // integer, ties to even, is exactly the C library's rounding of the
    // binary value.
    template <int N> static char *PutShortFixed(char *p, float value) {
        constexpr uint64_t kScale = N == 2 ? 100 : 1000000;
        const double scaled = std::fabs(static_cast<double>(value)) * static_cast<double>(kScale);
        const uint64_t units = static_cast<uint64_t>(static_cast<int64_t>(RoundSmall(scaled)));
        const uint64_t whole = units / kScale;
        const uint32_t fraction = static_cast<uint32_t>(units - whole * kScale);
        // The sign without a branch: half the values of a curve table are
        // negative, in no order a branch predictor could learn.
        *p = '-';
        p += std::signbit(value) ? 1 : 0;
        p = PutDecimal(p, static_cast<uint32_t>(whole));
        *p++ = '.';
        return N == 6 ? PutSixDigits(p, fraction) : PutPair(p, fraction);
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
            Add(std::string_view(text, static_cast<std::size_t>(n) < sizeof text ? static_cast<std::size_t>(n)
                                                                                 : sizeof text - 1));
    }

    char *begin_;
    char *next_;
    char *end_;
    std::size_t missing_ = 0;
};

/* The C library's 24-character text of a local time, without its newline
 * ("Www Mmm dd hh:mm:ss yyyy"), as the header of a written file shows it. */
struct TimeText {
    char text[64];
    std::size_t size;
};
TimeText FormatTime(const std::tm &local);

} // namespace tl

#endif
