// Sets of enumeration values (up to 32 elements), as published set properties hold them.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E item : items)
            Include(item);
    }

    static constexpr TSet FromBits(uint32_t bits)
    {
        TSet s;
        s.FBits = bits;
        return s;
    }
    constexpr uint32_t Bits() const { return FBits; }

    constexpr bool Contains(E item) const { return (FBits & Bit(item)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E item)
    {
        FBits |= Bit(item);
        return *this;
    }
    constexpr TSet& Exclude(E item)
    {
        FBits &= ~Bit(item);
        return *this;
    }

    constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
    constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
    constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint32_t Bit(E item) { return 1u << static_cast<unsigned>(item); }

    uint32_t FBits = 0;
};
