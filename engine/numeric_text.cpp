#include "engine/numeric_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cfloat>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "engine/blank_characters.h"
#include "engine/float_guard.h"

namespace rillo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of s that is a decimal number, 0 if none.
std::size_t NumberPrefixLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++expDigits;
        if (expDigits > 0) return j;
    }
    return mantissaEnd;
}

// Converts a text already known to be a number of the form above.
double ConvertNumber(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Huge exponents overflow; tiny ones are simply zero.
        std::size_t e = s.find_first_of("Ee");
        bool negativeExponent = e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-';
        if (negativeExponent) return 0.0;
        throw ComputationError("Overflow");
    }
    if (ec != std::errc() || ptr != s.data() + s.size()) return 0.0;
    return value;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c, Blanks::AndLineFeeds)) compact.push_back(c);
    }
    std::size_t n = NumberPrefixLength(compact);
    if (n == 0) return 0.0;
    return ConvertNumber(std::string_view(compact).substr(0, n));
}

bool HasLeadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (!IsBlank(c, Blanks::AndLineFeeds)) compact.push_back(c);
    }
    return NumberPrefixLength(compact) > 0;
}

float ReadLeadingSingle(std::string_view text) { return ToSingle(ReadLeadingNumber(text)); }

std::optional<double> ParseWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front(), Blanks::AndLineFeeds)) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back(), Blanks::AndLineFeeds) || text.back() == '\r')) text.remove_suffix(1);
    if (text.empty() || NumberPrefixLength(text) != text.size()) return std::nullopt;
    return ConvertNumber(text);
}

bool IsDecimalNumberText(std::string_view text) {
    return !text.empty() && NumberPrefixLength(text) == text.size();
}

double ReadWholeNumber(std::string_view text) {
    std::optional<double> value = ParseWholeNumber(text);
    if (!value) throw ComputationError("Type mismatch");
    return *value;
}

namespace {

constexpr int kSignificantDigits = 15;

constexpr unsigned long long kPowersOfTen[] = {1ULL,
                                               10ULL,
                                               100ULL,
                                               1000ULL,
                                               10000ULL,
                                               100000ULL,
                                               1000000ULL,
                                               10000000ULL,
                                               100000000ULL,
                                               1000000000ULL,
                                               10000000000ULL,
                                               100000000000ULL,
                                               1000000000000ULL,
                                               10000000000000ULL,
                                               100000000000000ULL,
                                               1000000000000000ULL,
                                               10000000000000000ULL,
                                               100000000000000000ULL,
                                               1000000000000000000ULL,
                                               10000000000000000000ULL};

// Writes "[-]whole.fraction" from the rounded value times 10^decimals, with
// at least one whole digit, straight into the string's own buffer.
std::string WriteScaled(bool negative, unsigned long long scaled, int decimals) {
    int digits = 1;
    while (digits < 20 && scaled >= kPowersOfTen[digits]) ++digits;
    if (digits < decimals + 1) digits = decimals + 1;
    const std::size_t length = static_cast<std::size_t>(negative + digits + (decimals > 0));
    std::string out(length, '0');
    char* p = out.data() + length;
    int written = 0;
    // Most values shown fit 32 bits once scaled, whose division is cheaper.
    for (; scaled > 0xFFFFFFFFull; scaled /= 10, ++written) {
        if (written == decimals && decimals > 0) *--p = '.';
        *--p = static_cast<char>('0' + scaled % 10);
    }
    for (auto small = static_cast<std::uint32_t>(scaled); written < digits; small /= 10, ++written) {
        if (written == decimals && decimals > 0) *--p = '.';
        *--p = static_cast<char>('0' + small % 10);
    }
    if (negative) *--p = '-';
    return out;
}

// "00" to "99", two digits a time: half the divisions of one at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the two digits of 0 <= n < 100 just before p.
char* PutDigitPair(char* p, std::uint32_t n) {
    p -= 2;
    std::memcpy(p, kDigitPairs.data() + 2 * n, 2);
    return p;
}

// WriteScaled for three decimals and a scaled value within 32 bits, the form
// of nearly every number shown: "[-]whole.fff", at most 12 characters.
std::string WriteThousandths(bool negative, std::uint32_t thousandths) {
    std::uint32_t whole = thousandths / 1000;
    const std::uint32_t fraction = thousandths % 1000;
    int wholeDigits = 1;
    for (std::uint32_t limit = 10; wholeDigits < 10 && whole >= limit; limit *= 10) ++wholeDigits;
    std::string out(static_cast<std::size_t>(negative + wholeDigits + 4), '.');
    char* p = PutDigitPair(out.data() + out.size(), fraction % 100);
    *--p = static_cast<char>('0' + fraction / 100);
    --p;  // the point, already there
    for (; whole >= 100; whole /= 100) p = PutDigitPair(p, whole % 100);
    if (whole >= 10) {
        p = PutDigitPair(p, whole);
    } else {
        *--p = static_cast<char>('0' + whole);
    }
    if (negative) *--p = '-';
    return out;
}

// The nearest integer to 0 <= x < 2^63, ties to even, as llrintl gives it.
unsigned long long NearestInteger(long double x) {
#if defined(__x86_64__) && LDBL_MANT_DIG == 64
    // x + 2^63 lies in [2^63, 2^64), where the 64-bit significand of the
    // extended format steps by 1: the sum is rounded to the nearest integer,
    // and its significand is 2^63 plus that integer. This spares the call
    // and the control-word switches of a conversion.
    const long double shifted = x + 0x1p63L;
    std::uint64_t significand;
    std::memcpy(&significand, &shifted, sizeof significand);
    const unsigned long long n = significand - (std::uint64_t{1} << 63);
    // Where extended arithmetic is only emulated in double precision (as
    // under valgrind) the sum is not exact: the check sends that to llrintl.
    const long double off = static_cast<long double>(static_cast<long long>(n)) - x;
    if (off >= -0.5L && off <= 0.5L) return n;
    return static_cast<unsigned long long>(std::llrintl(x));
#else
    return static_cast<unsigned long long>(std::llrintl(x));
#endif
}

// n / 10^drop rounded half up, for 1 <= drop <= 15, by a division the
// compiler turns into a multiplication for each constant divisor.
template <int... Drop>
constexpr auto MakeDividers(std::integer_sequence<int, Drop...>) {
    using Divider = unsigned long long (*)(unsigned long long);
    return std::array<Divider, sizeof...(Drop)>{[](unsigned long long n) {
        constexpr unsigned long long unit = kPowersOfTen[Drop + 1];
        return n / unit + (n % unit >= unit / 2 ? 1 : 0);
    }...};
}
constexpr auto kRoundedDividers = MakeDividers(std::make_integer_sequence<int, 15>{});

// 10^k for 0 <= k <= 27, all exact in long double.
constexpr long double kLongPowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                                            1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
                                            1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// The common case in integer arithmetic: magnitudes from 1e-12 to 1e15 and up
// to six decimals, rounded and scaled by 10^decimals. Returns false when the
// value is outside that range.
bool ScaleFast(double value, int decimals, unsigned long long& scaled) {
    const double a = std::fabs(value);
    if (!(a >= 1e-12 && a < 1e15) || decimals < 0 || decimals > 6) return false;
    // Past 1e12 six decimals would carry the scaled value out of 64 bits.
    if (decimals > 3 && a >= 1e12) return false;
    if (decimals == 3 && a < 1e6) {
        // The shown form of nearly every number. a * 1000 in double precision
        // lies within 6e-8 of the exact product (it is below 2^30), and
        // rounding a to 15 significant digits first moves the product by at
        // most 5e-7: unless it lies within 1e-5 of a half, every rounding
        // ends on the same nearest integer. Adding and taking away 2^52
        // rounds to that integer in the current (nearest) rounding mode.
        const double thousandths = a * 1000.0;
        const double nearest = (thousandths + 0x1p52) - 0x1p52;
        if (std::fabs(thousandths - nearest) < 0.5 - 1e-5) {
            scaled = static_cast<unsigned long long>(nearest);
            return true;
        }
    }
    // m = floor(log10(a)): an estimate from the binary exponent (a is a
    // normal number here; 1233 / 4096 is just under log10(2)), then corrected
    // so that a * 10^(14 - m) has exactly 15 whole digits.
    const int binaryExponent = static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7FF) - 1023;
    int m = (binaryExponent * 1233) >> 12;
    auto scaledBy = [&](int mm) {
        return static_cast<long double>(a) * kLongPowersOfTen[kSignificantDigits - 1 - mm];
    };
    long double scaledValue = scaledBy(m);
    while (scaledValue >= 1e15L) scaledValue = scaledBy(++m);
    while (scaledValue < 1e14L) scaledValue = scaledBy(--m);
    // The 15 significant digits, rounded to nearest (ties to even, as printf does).
    unsigned long long n = NearestInteger(scaledValue);
    if (n == kPowersOfTen[15]) {
        n = kPowersOfTen[14];
        ++m;
    }
    // n stands for n * 10^(m - 14); keep `decimals` decimals, halves away from zero.
    const int drop = kSignificantDigits - 1 - m - decimals;
    if (drop <= 0) {
        scaled = n * kPowersOfTen[-drop];  // the limits above keep this within 64 bits
    } else if (drop > kSignificantDigits) {
        scaled = 0;
    } else {
        scaled = kRoundedDividers[static_cast<std::size_t>(drop - 1)](n);
    }
    return true;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) throw ComputationError("Overflow");
    if (unsigned long long scaled; ScaleFast(value, decimals, scaled)) {
        // A value that rounds to zero shows no sign: "-0.000" reads as a
        // quantity below zero.
        const bool negative = std::signbit(value) && scaled != 0;
        if (decimals == 3 && scaled <= 0xFFFFFFFFull) {
            return WriteThousandths(negative, static_cast<std::uint32_t>(scaled));
        }
        return WriteScaled(negative, scaled, decimals);
    }

    // Any other magnitude: the 15 significant digits from the exact decimal
    // form, d.dddddddddddddde[+-]x.
    char sci[40];
    const char* sciEnd =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14).ptr;
    char digits[kSignificantDigits];
    digits[0] = sci[0];
    std::copy(sci + 2, sci + 16, digits + 1);
    int exponent = 0;
    std::from_chars(sci + 17 + (sci[17] == '+' ? 1 : 0), sciEnd, exponent);

    // The digit at index i weighs 10^(exponent - i); keep those down to 10^-decimals.
    const int keep = exponent + 1 + decimals;
    std::string scaled;
    for (int i = 0; i < keep; ++i) scaled.push_back(i < kSignificantDigits ? digits[i] : '0');
    if (keep >= 0 && keep < kSignificantDigits && digits[keep] >= '5') {
        int i = static_cast<int>(scaled.size()) - 1;
        while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') scaled[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++scaled[static_cast<std::size_t>(i)];
        } else {
            scaled.insert(scaled.begin(), '1');
        }
    }
    while (static_cast<int>(scaled.size()) < decimals + 1) scaled.insert(scaled.begin(), '0');
    const bool negative = std::signbit(value) && scaled.find_first_not_of('0') != std::string::npos;
    std::string out = negative ? "-" : "";
    out += scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        out += '.';
        out.append(scaled, scaled.size() - static_cast<std::size_t>(decimals));
    }
    return out;
}

std::string FormatFixed3(double value) {
    // Below 10^6 as in ScaleFast, but without its other limits: every
    // magnitude down to zero rounds there to the same thousandths as from
    // the 15-digit form. What is not below (a NaN among them) and what lies
    // too near a half takes the whole way.
    const double a = std::fabs(value);
    if (a < 1e6) {
        const double thousandths = a * 1000.0;
        const double nearest = (thousandths + 0x1p52) - 0x1p52;
        if (std::fabs(thousandths - nearest) < 0.5 - 1e-5) {
            const auto scaled = static_cast<std::uint32_t>(nearest);
            return WriteThousandths(std::signbit(value) && scaled != 0, scaled);
        }
    }
    return FormatFixed(value, 3);
}

std::string ShortestNumber(float value) {
    if (!std::isfinite(value)) throw ComputationError("Overflow");
    if (value == 0.0f) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                             std::chars_format::general, 7);
    std::string text(buf, res.ptr);
    std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    // Exponent form as "1.5E+08".
    std::string mantissa = text.substr(0, e);
    int exponent = std::atoi(text.c_str() + e + 1);
    std::string exp = std::to_string(std::abs(exponent));
    if (exp.size() < 2) exp.insert(exp.begin(), '0');
    return mantissa + "E" + (exponent < 0 ? "-" : "+") + exp;
}

}  // namespace rillo
