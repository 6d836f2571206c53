// Published properties: each class has one table from property name to the
// way a stored layout value is applied through the property's setter. This
// table is the only reflection the framework has; the layout reader uses it to
// set properties by name.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

class TPersistent;
class TComponent;

// One value of a stored layout: a number, a quoted text, an identifier
// (True, clBlue, bvNone, a handler name), a set "[fsBold]" or a list of texts.
struct LayoutValue {
  enum class Kind { Integer, Float, String, Identifier, Set, Strings };
  Kind kind = Kind::Integer;
  long long integer = 0;
  double number = 0;
  std::string text;                // String and Identifier
  std::vector<std::string> items;  // Set members and Strings lines
  int line = 0;
  // The component being read, whose published methods event properties name.
  const TComponent* root = nullptr;

  long long AsInteger() const;
  double AsFloat() const;
  bool AsBoolean() const;
  std::string AsString() const;
  const std::string& AsIdentifier() const;
  [[noreturn]] void Fail(const std::string& expected) const;
};

// The identifiers of an enumeration in ordinal order; a header that declares
// an enumeration a layout sets specialises this for it, and the layout then
// reads the enumeration by these names.
template <class E>
struct EnumNames {};

template <class E>
concept NamedEnum = std::is_enum_v<E> && requires {
  EnumNames<E>::names();
};

template <NamedEnum E>
E EnumFromLayout(const LayoutValue& value) {
  const auto& names = EnumNames<E>::names();
  for (size_t i = 0; i < names.size(); ++i)
    if (value.AsIdentifier() == names[i]) return static_cast<E>(i);
  value.Fail("one of the identifiers of its enumeration");
}

// The reading of a value type that is neither a number, a text, an
// enumeration with EnumNames nor a set of one (colours): specialised with the
// type.
template <class V>
V FromLayout(const LayoutValue& value);

template <class E>
class TSet;
template <NamedEnum E>
TSet<E> SetFromLayout(const LayoutValue& value);

template <class V>
constexpr bool IsEnumSet = false;
template <class E>
constexpr bool IsEnumSet<TSet<E>> = true;

template <class V>
V ConvertLayout(const LayoutValue& value) {
  if constexpr (std::is_same_v<V, bool>)
    return value.AsBoolean();
  else if constexpr (std::is_same_v<V, std::string>)
    return value.AsString();
  else if constexpr (std::is_floating_point_v<V>)
    return static_cast<V>(value.AsFloat());
  else if constexpr (std::is_integral_v<V>)
    return static_cast<V>(value.AsInteger());
  else if constexpr (NamedEnum<V>)
    return EnumFromLayout<V>(value);
  else if constexpr (IsEnumSet<V>)
    return SetFromLayout<typename V::Member>(value);
  else
    return FromLayout<V>(value);
}

class PropertyTable {
 public:
  using Setter = std::function<void(TPersistent&, const LayoutValue&)>;
  using SubObject = std::function<TPersistent&(TPersistent&)>;

  PropertyTable(const PropertyTable* base, std::vector<std::pair<std::string, Setter>> setters,
                std::vector<std::pair<std::string, SubObject>> subObjects = {});

  // Walks from the class to its ancestors.
  const Setter* FindSetter(const std::string& name) const;
  const SubObject* FindSubObject(const std::string& name) const;

 private:
  const PropertyTable* FBase;
  std::map<std::string, Setter> FSetters;
  std::map<std::string, SubObject> FSubObjects;
};

// A property applied through the class's setter, converting the layout value
// to the setter's parameter type.
template <class T, class V>
PropertyTable::Setter Set(void (T::*setter)(V)) {
  return [setter](TPersistent& object, const LayoutValue& value) {
    (static_cast<T&>(object).*setter)(ConvertLayout<std::decay_t<V>>(value));
  };
}

// A property that is stored in layouts but has no effect here (design-time
// information, or a platform feature the program does not use).
inline PropertyTable::Setter Ignore() {
  return [](TPersistent&, const LayoutValue&) {};
}

// A sub-object reached by a dotted path such as Font.Style.
template <class T, class S>
PropertyTable::SubObject Sub(S& (T::*getter)()) {
  return [getter](TPersistent& object) -> TPersistent& { return (static_cast<T&>(object).*getter)(); };
}

// Declares in a class body the class's own table of published properties,
// defined with the class, and the virtual that hands it to the layout reader.
#define PUBLISHED_PROPERTIES                                                   \
  const PropertyTable& Published() const override { return PublishedTable(); } \
  static const PropertyTable& PublishedTable()
