// The first step of a setter that acts only on a new value.
#pragma once

#include <utility>

// Stores value in field and answers true when they differ; answers false and
// leaves the field alone otherwise.
template <class T, class V>
bool AssignIfChanged(T& field, V&& value) {
  if (field == value) return false;
  field = std::forward<V>(value);
  return true;
}
