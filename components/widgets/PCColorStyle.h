// The seven values from which the cylinder progress bar derives the colours
// of one part of the bar: four feed the colour factors, three the shading
// across the bar's thickness. Every change is handed to the owning control,
// which recomputes its derived colours.
#pragma once

#include <cstdint>

#include "framework/Classes.h"

class TProgressCyl;

class TPCColorStyle : public TPersistent {
 public:
  explicit TPCColorStyle(TProgressCyl* control) : FControl(control) {}

  int32_t IntensityRGB() const { return FIntensityRGB; }
  float Intensity() const { return FIntensity; }
  float IntensityFactor() const { return FIntensityFactor; }
  int32_t RangeRGB() const { return FRangeRGB; }
  int32_t ColorRGB() const { return FColorRGB; }
  float ColorFactor() const { return FColorFactor; }
  float LightAngle() const { return FLightAngle; }

  // Intensity, RangeRGB and LightAngle are divisors: 0 is refused.
  void SetIntensityRGB(int32_t value);
  void SetIntensity(float value);
  void SetIntensityFactor(float value);
  void SetRangeRGB(int32_t value);
  void SetColorRGB(int32_t value);
  void SetColorFactor(float value);
  void SetLightAngle(float value);

  // Copies the seven values through the setters, in published order; the
  // control recomputes its colours once.
  void Assign(const TPCColorStyle& source);

  PUBLISHED_PROPERTIES;

 private:
  template <class V>
  void Change(V& field, V value);

  TProgressCyl* FControl;  // not owned: the control owns its styles
  bool FChanged = false;   // a value changed since Assign began
  int32_t FIntensityRGB = 255;
  float FIntensity = 4.0f;
  float FIntensityFactor = -1.0f;
  int32_t FRangeRGB = 255;
  int32_t FColorRGB = 255;
  float FColorFactor = -1.0f;
  float FLightAngle = -3.0f;
};
