#include "components/widgets/PCColorStyle.h"

#include <utility>

#include "components/widgets/ProgressCyl2.h"

template <class V>
void TPCColorStyle::Change(V& field, V value) {
  if (!AssignIfChanged(field, value)) return;
  FChanged = true;
  if (FControl) FControl->StyleChanged();
}

void TPCColorStyle::SetIntensityRGB(int32_t value) { Change(FIntensityRGB, value); }

void TPCColorStyle::SetIntensity(float value) {
  if (value != 0.0f) Change(FIntensity, value);
}

void TPCColorStyle::SetIntensityFactor(float value) { Change(FIntensityFactor, value); }

void TPCColorStyle::SetRangeRGB(int32_t value) {
  if (value != 0) Change(FRangeRGB, value);
}

void TPCColorStyle::SetColorRGB(int32_t value) { Change(FColorRGB, value); }

void TPCColorStyle::SetColorFactor(float value) { Change(FColorFactor, value); }

void TPCColorStyle::SetLightAngle(float value) {
  if (value != 0.0f) Change(FLightAngle, value);
}

// The control hears of the copy once, after all seven values, so that it
// repaints once.
void TPCColorStyle::Assign(const TPCColorStyle& source) {
  TProgressCyl* const control = std::exchange(FControl, nullptr);
  FChanged = false;
  SetIntensityRGB(source.FIntensityRGB);
  SetIntensity(source.FIntensity);
  SetIntensityFactor(source.FIntensityFactor);
  SetRangeRGB(source.FRangeRGB);
  SetColorRGB(source.FColorRGB);
  SetColorFactor(source.FColorFactor);
  SetLightAngle(source.FLightAngle);
  FControl = control;
  if (FChanged && FControl) FControl->StyleChanged();
}

const PropertyTable& TPCColorStyle::PublishedTable() {
  static const PropertyTable table(&TPersistent::PublishedTable(),
                                   {{"IntensityRGB", Set(&TPCColorStyle::SetIntensityRGB)},
                                    {"Intensity", Set(&TPCColorStyle::SetIntensity)},
                                    {"IntensityFactor", Set(&TPCColorStyle::SetIntensityFactor)},
                                    {"RangeRGB", Set(&TPCColorStyle::SetRangeRGB)},
                                    {"ColorRGB", Set(&TPCColorStyle::SetColorRGB)},
                                    {"ColorFactor", Set(&TPCColorStyle::SetColorFactor)},
                                    {"LightAngle", Set(&TPCColorStyle::SetLightAngle)}});
  return table;
}
