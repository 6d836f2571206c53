// A set of the values of a small enumeration, one bit per value, as a stored
// layout writes it: "[fsBold]", "[lboImageListOrder, lboCheckImageNr]".
#pragma once

#include <initializer_list>
#include <string>

#include "framework/Published.h"

template <class E>
class TSet {
 public:
  using Member = E;
  TSet() = default;
  TSet(std::initializer_list<E> members) {
    for (E member : members) Include(member);
  }
  bool Contains(E member) const { return (FBits & Bit(member)) != 0; }
  void Include(E member) { FBits |= Bit(member); }
  bool operator==(const TSet& other) const { return FBits == other.FBits; }

 private:
  static unsigned Bit(E member) { return 1u << static_cast<unsigned>(member); }

  unsigned FBits = 0;
};

// The set a layout value names, each member by its enumeration's identifier.
template <NamedEnum E>
TSet<E> SetFromLayout(const LayoutValue& value) {
  if (value.kind != LayoutValue::Kind::Set) value.Fail("a set");
  const auto& names = EnumNames<E>::names();
  TSet<E> set;
  for (const std::string& item : value.items) {
    size_t i = 0;
    while (i < names.size() && item != names[i]) ++i;
    if (i == names.size()) value.Fail("one of the identifiers of its enumeration");
    set.Include(static_cast<E>(i));
  }
  return set;
}
