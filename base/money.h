#pragma once

#include <QtGlobal>

namespace torvane::base {

// A whole amount in tenge, computed in 64 bits. An overflow is remembered
// instead of wrapping, so a product too large for any integer can never be
// shown as if it were a price.
class Money
{
public:
    constexpr Money() = default;
    constexpr Money(qint64 value) : m_value(value) {}

    static constexpr Money overflowed()
    {
        Money m;
        m.m_overflow = true;
        return m;
    }

    constexpr qint64 value() const { return m_value; }
    constexpr bool overflow() const { return m_overflow; }

    friend constexpr Money operator*(Money a, Money b)
    {
        Money r;
        r.m_overflow = a.m_overflow || b.m_overflow || __builtin_mul_overflow(a.m_value, b.m_value, &r.m_value);
        return r;
    }
    friend constexpr Money operator+(Money a, Money b)
    {
        Money r;
        r.m_overflow = a.m_overflow || b.m_overflow || __builtin_add_overflow(a.m_value, b.m_value, &r.m_value);
        return r;
    }
    Money &operator+=(Money other) { return *this = *this + other; }

    friend constexpr bool operator==(Money a, Money b) = default;

private:
    qint64 m_value = 0;
    bool m_overflow = false;
};

// What a pricing rule returns for a row: a whole amount, or a decimal one in
// the section that prices by square feet.
struct Amount {
    constexpr Amount() = default;
    constexpr Amount(Money m) : money(m) {}
    constexpr Amount(qint64 v) : money(v) {}
    constexpr Amount(int v) : money(v) {}
    constexpr Amount(double v) : isDecimal(true), decimal(v) {}

    bool isDecimal = false;
    Money money;
    double decimal = 0;
};

} // namespace torvane::base
