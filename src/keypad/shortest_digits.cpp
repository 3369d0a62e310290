#include "keypad/shortest_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace keypad {

namespace {

// A non-negative integer of any size, little-endian 32-bit limbs, no leading zero limbs; just
// the operations the digit generation needs.
class Natural {
public:
    explicit Natural(std::uint64_t v = 0)
    {
        for (; v != 0; v >>= 32)
            m_limbs.push_back(static_cast<std::uint32_t>(v));
    }

    Natural& shiftLeft(int bits)
    {
        if (m_limbs.empty() || bits == 0)
            return *this;
        m_limbs.insert(m_limbs.begin(), static_cast<size_t>(bits / 32), 0u);
        if (const int rest = bits % 32; rest != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : m_limbs) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry != 0)
                m_limbs.push_back(carry);
        }
        return *this;
    }

    Natural& multiply(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : m_limbs) {
            const std::uint64_t p = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(p);
            carry = p >> 32;
        }
        if (carry != 0)
            m_limbs.push_back(static_cast<std::uint32_t>(carry));
        return *this;
    }

    friend Natural operator+(const Natural& a, const Natural& b)
    {
        Natural sum;
        std::uint64_t carry = 0;
        for (size_t i = 0; i < std::max(a.m_limbs.size(), b.m_limbs.size()) || carry != 0; ++i) {
            const std::uint64_t s = carry + a.limb(i) + b.limb(i);
            sum.m_limbs.push_back(static_cast<std::uint32_t>(s));
            carry = s >> 32;
        }
        return sum;
    }

    // Only for a >= b.
    Natural& subtract(const Natural& b)
    {
        std::int64_t borrow = 0;
        for (size_t i = 0; i < m_limbs.size(); ++i) {
            const std::int64_t d = static_cast<std::int64_t>(m_limbs[i]) - b.limb(i) - borrow;
            borrow = d < 0 ? 1 : 0;
            m_limbs[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
        return *this;
    }

    friend int compare(const Natural& a, const Natural& b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (size_t i = a.m_limbs.size(); i-- > 0;)
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        return 0;
    }

private:
    std::uint32_t limb(size_t i) const { return i < m_limbs.size() ? m_limbs[i] : 0u; }

    std::vector<std::uint32_t> m_limbs;
};

} // namespace

ShortestDigits shortestDigits(long double a, int base, int maxDigits)
{
    // a = f * 2^k with a 64-bit significand f.
    int binaryExponent = 0;
    const long double mantissa = std::frexp(a, &binaryExponent);
    const auto f = static_cast<std::uint64_t>(std::ldexp(mantissa, 64));
    const int k = binaryExponent - 64;

    // a = r / s; the numbers that round to a lie strictly between (r - below) / s and
    // (r + above) / s. At a power of two the gap below is half the gap above.
    const bool powerOfTwo = f == (std::uint64_t{1} << 63);
    const int scale = powerOfTwo ? 2 : 1;
    Natural r = Natural(f).shiftLeft(std::max(k, 0) + scale);
    Natural s = Natural(1).shiftLeft(std::max(-k, 0) + scale);
    Natural above = Natural(1).shiftLeft(std::max(k, 0) + scale - 1);
    Natural below = Natural(1).shiftLeft(std::max(k, 0));

    // Scale so that the upper end lies in (B^-1, 1]: the first digit then has the weight B^(K-1).
    const auto b = static_cast<std::uint32_t>(base);
    int exponent = static_cast<int>(std::floor(std::log(a) / std::log(static_cast<long double>(base)))) + 1;
    for (int i = 0; i < exponent; ++i)
        s.multiply(b);
    for (int i = exponent; i < 0; ++i) {
        r.multiply(b);
        above.multiply(b);
        below.multiply(b);
    }
    while (compare(r + above, s) > 0) {
        s.multiply(b);
        ++exponent;
    }
    while (compare(Natural(r + above).multiply(b), s) <= 0) {
        r.multiply(b);
        above.multiply(b);
        below.multiply(b);
        --exponent;
    }

    ShortestDigits out;
    out.exponent = exponent - 1;
    while (static_cast<int>(out.digits.size()) < maxDigits) {
        r.multiply(b);
        above.multiply(b);
        below.multiply(b);
        int d = 0;
        for (; compare(r, s) >= 0; ++d)
            r.subtract(s);
        const bool lowEnough = compare(r, below) < 0;        // stopping here stays inside
        const bool highEnough = compare(r + above, s) > 0;  // the next digit up stays inside
        if (!lowEnough && !highEnough) {
            out.digits.push_back(d);
            continue;
        }
        if (lowEnough && highEnough) // both end the string: the nearer one
            out.digits.push_back(compare(Natural(r).shiftLeft(1), s) < 0 ? d : d + 1);
        else
            out.digits.push_back(highEnough ? d + 1 : d);
        break;
    }
    return out;
}

} // namespace keypad
