#include "framework/Published.h"

#include "framework/SysUtils.h"

void LayoutValue::Fail(const std::string& expected) const {
  throw ELayoutError("line " + IntToStr(line) + ": expected " + expected);
}

long long LayoutValue::AsInteger() const {
  if (kind != Kind::Integer) Fail("a whole number");
  return integer;
}

double LayoutValue::AsFloat() const {
  if (kind == Kind::Integer) return static_cast<double>(integer);
  if (kind != Kind::Float) Fail("a number");
  return number;
}

bool LayoutValue::AsBoolean() const {
  if (kind == Kind::Identifier && text == "True") return true;
  if (kind == Kind::Identifier && text == "False") return false;
  Fail("True or False");
}

std::string LayoutValue::AsString() const {
  if (kind != Kind::String) Fail("a quoted text");
  return text;
}

const std::string& LayoutValue::AsIdentifier() const {
  if (kind != Kind::Identifier) Fail("an identifier");
  return text;
}

PropertyTable::PropertyTable(const PropertyTable* base, std::vector<std::pair<std::string, Setter>> setters,
                             std::vector<std::pair<std::string, SubObject>> subObjects)
    : FBase(base), FSetters(setters.begin(), setters.end()), FSubObjects(subObjects.begin(), subObjects.end()) {}

const PropertyTable::Setter* PropertyTable::FindSetter(const std::string& name) const {
  for (const PropertyTable* table = this; table; table = table->FBase) {
    auto found = table->FSetters.find(name);
    if (found != table->FSetters.end()) return &found->second;
  }
  return nullptr;
}

const PropertyTable::SubObject* PropertyTable::FindSubObject(const std::string& name) const {
  for (const PropertyTable* table = this; table; table = table->FBase) {
    auto found = table->FSubObjects.find(name);
    if (found != table->FSubObjects.end()) return &found->second;
  }
  return nullptr;
}
