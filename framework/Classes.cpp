#include "framework/Classes.h"

#include <algorithm>

#include "framework/SysUtils.h"

const PropertyTable& TPersistent::PublishedTable() {
  static const PropertyTable table(nullptr, {});
  return table;
}

const PropertyTable& TPersistent::Published() const { return PublishedTable(); }

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (FOwner) FOwner->Insert(this);
}

TComponent::~TComponent() {
  // Owned components go in reverse creation order, so that a later component
  // never outlives one it was created after.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) FOwner->Remove(this);
}

void TComponent::SetName(const std::string& name) { FName = name; }

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* component : FComponents)
    if (component->Name() == name) return component;
  return nullptr;
}

void TComponent::Insert(TComponent* component) { FComponents.push_back(component); }

void TComponent::Remove(TComponent* component) {
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
}

const PropertyTable& TComponent::PublishedTable() {
  static const PropertyTable table(&TPersistent::PublishedTable(),
                                   {{"Name", Set(&TComponent::SetName)}, {"Tag", Ignore()}});
  return table;
}

const std::string& TStringList::Strings(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FLines[static_cast<size_t>(index)];
}
