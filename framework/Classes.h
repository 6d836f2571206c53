// The object model: persistent objects with published properties, and
// components that own other components and release them with themselves.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Published.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Calls an event when it is assigned; an unassigned event is skipped.
template <class Event, class... Args>
void Raise(const Event& event, Args&&... args) {
  if (event) event(std::forward<Args>(args)...);
}

// Stores a property's new value; true when it differs from the value held,
// so that a setter announces a change only when there is one.
template <class T, class V>
bool AssignIfChanged(T& field, V&& value) {
  if (field == value) return false;
  field = std::forward<V>(value);
  return true;
}

class TPersistent : public TObject {
 public:
  // The published properties of the object's class, by which a stored layout
  // sets them. Every class below declares its own with PUBLISHED_PROPERTIES.
  virtual const PropertyTable& Published() const;
  static const PropertyTable& PublishedTable();
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& name);

  // Owned components in creation order.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;

  // True from the component's creation by the layout reader until every
  // stored property is set: work that depends on several properties (a
  // label's measured size) waits for Loaded() instead of running per setter.
  bool Loading() const { return FLoading; }
  // Called once the stored layout has set every property of the component.
  virtual void Loaded() {}

  // What the layout reader asks a component, as it knows no other classes:
  // the component that the objects stored inside this one are placed in,
  // placing this one in the component read around it, and the handler this
  // component publishes under a name (nothing when it has none).
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetParentComponent(TComponent* /*parent*/) {}
  virtual std::any FindMethod(const std::string& /*name*/) const { return {}; }

  PUBLISHED_PROPERTIES;

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  friend class LayoutReader;

  std::string FName;
  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
  bool FLoading = false;
};

// An event property: the value names a handler that the root component of
// the layout being read publishes (FindMethod).
template <class T, class Handler>
PropertyTable::Setter Event(void (T::*setter)(Handler)) {
  return [setter](TPersistent& object, const LayoutValue& value) {
    using Method = std::decay_t<Handler>;
    if (value.kind != LayoutValue::Kind::Identifier || !value.root) value.Fail("a method name");
    const std::any found = value.root->FindMethod(value.text);
    const Method* method = std::any_cast<Method>(&found);
    if (!method) value.Fail("a method of the right kind");
    (static_cast<T&>(object).*setter)(*method);
  };
}

// A list of texts in the order they were added.
class TStringList {
 public:
  int Count() const { return static_cast<int>(FLines.size()); }
  const std::string& Strings(int index) const;
  const std::string& operator[](int index) const { return Strings(index); }
  void Add(const std::string& line) { FLines.push_back(line); }
  void Clear() { FLines.clear(); }
  void Assign(const TStringList& source) { FLines = source.FLines; }
  const std::vector<std::string>& Lines() const { return FLines; }

 private:
  std::vector<std::string> FLines;
};
