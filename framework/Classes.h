// The object model: persistent objects with published properties, and
// components that own other components and release them with themselves.
#pragma once

#include <functional>
#include <memory>
#include <string>
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

class TPersistent : public TObject {
 public:
  // The published properties of the object's class, by which a stored layout
  // sets them.
  virtual const PropertyTable& Published() const;
  static const PropertyTable& PublishedTable();
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& name);
  TComponent* Owner() const { return FOwner; }

  // Owned components in creation order.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;

  // Called once the stored layout has set every property of the component.
  virtual void Loaded() {}

  const PropertyTable& Published() const override;
  static const PropertyTable& PublishedTable();

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  std::string FName;
  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
};

// A list of texts, the lines of which a folder listing yields and a check list
// shows.
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
