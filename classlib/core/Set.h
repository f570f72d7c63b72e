#pragma once
// A set of enumeration values (at most 32 elements), as the runtime's "set of".
#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <class E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  static constexpr TSet FromBits(uint32_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  constexpr uint32_t Bits() const { return bits_; }
  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E e) { bits_ |= Bit(e); return *this; }
  constexpr TSet& Exclude(E e) { bits_ &= ~Bit(e); return *this; }
  constexpr TSet operator|(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator&(TSet o) const { return FromBits(bits_ & o.bits_); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
  constexpr bool operator==(const TSet&) const = default;

private:
  static constexpr uint32_t Bit(E e) { return uint32_t(1) << unsigned(e); }
  uint32_t bits_ = 0;
};

template <class T>
struct IsTSet : std::false_type {};
template <class E>
struct IsTSet<TSet<E>> : std::true_type {
  using Element = E;
};
