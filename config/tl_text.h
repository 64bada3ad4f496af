/* Internal to the library: the in-memory text builder of the writer.
 *
 * Builds a whole KCG text in one string so that a file is written with a
 * single write. Floats with two or six decimals take an exact integer road;
 * other numbers are formatted with std::to_chars, which gives the
 * same bytes as the C library's "%d", "%ld", "0x%x", "%.2f" and "%.6f" (both
 * round the exact binary value to the nearest, ties to even) at a fraction
 * of the cost; non-finite values take the C library's own text. */
#ifndef TL_TEXT_H
#define TL_TEXT_H

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

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

/* Appends to a string it owns; every Add may throw std::bad_alloc. */
class TextBuilder {
  public:
    explicit TextBuilder(std::size_t reserve) { text_.reserve(reserve); }

    void Add(std::string_view text) { text_.append(text.data(), text.size()); }

    void AddInt(long long value) {
        char digits[24];
        const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
        text_.append(digits, r.ptr);
    }

    /* "%x" of the value's 32 bits (so a negative mask shows as ffff....). */
    void AddHex(uint32_t value) {
        char digits[16];
        const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value, 16);
        text_.append(digits, r.ptr);
    }

    /* "%.*f" with the given number of decimals. */
    void AddFixed(double value, int decimals) {
        if (AddFixedFloat(value, decimals)) return;
        if (std::isfinite(value)) {
            char digits[64]; // any float fits: sign, 39 digits, point, decimals
            const std::to_chars_result r =
                std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
            if (r.ec == std::errc()) {
                text_.append(digits, r.ptr);
                return;
            }
        }
        // Non-finite values (whose spelling is the C library's choice) and
        // doubles too long for the buffer above.
        char wide[400];
        const int n = std::snprintf(wide, sizeof wide, "%.*f", decimals, value);
        if (n > 0)
            text_.append(wide, static_cast<std::size_t>(n) < sizeof wide ? static_cast<std::size_t>(n)
                                                                         : sizeof wide - 1);
    }

    /* The text in double quotes, a backslash before each special character. */
    void AddQuoted(std::string_view text) {
        text_.push_back('"');
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (NeedsEscape(text[i])) {
                text_.append(text.data() + start, i - start);
                text_.push_back('\\');
                start = i;
            }
        }
        text_.append(text.data() + start, text.size() - start);
        text_.push_back('"');
    }

    const std::string &Text() const { return text_; }

    /* Hands the text over, leaving the builder empty. */
    std::string Take() { return std::move(text_); }

  private:
    /* The fast road for the writer's numbers: a value that is a float, with 2
     * or 6 decimals and of moderate size. Scaling a float by 10^2 or 10^6 is
     * exact in a double (24 + 20 bits), so rounding the product to an integer,
     * ties to even, is exactly the C library's rounding of the binary value.
     * Returns false when the value needs the general road. */
    bool AddFixedFloat(double value, int decimals) {
        if (decimals != 2 && decimals != 6) return false;
        if (!(std::fabs(value) < 1e9) || static_cast<double>(static_cast<float>(value)) != value)
            return false;
        const long long scale = decimals == 2 ? 100 : 1000000;
        const double rounded = std::nearbyint(std::fabs(value) * static_cast<double>(scale));
        const long long units = static_cast<long long>(rounded);
        char digits[40];
        char *end = digits + sizeof digits;
        char *p = end;
        long long fraction = units % scale;
        for (int i = 0; i < decimals; ++i, fraction /= 10)
            *--p = static_cast<char>('0' + fraction % 10);
        *--p = '.';
        long long whole = units / scale;
        do {
            *--p = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0);
        if (std::signbit(value)) *--p = '-';
        text_.append(p, end);
        return true;
    }

    std::string text_;
};

} // namespace tl

#endif
