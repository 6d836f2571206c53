#include "components/widgets/PCColorStyle.h"

#include "components/widgets/ProgressCyl2.h"

template <class V>
void TPCColorStyle::Change(V& field, V value) {
  if (AssignIfChanged(field, value) && FControl) FControl->StyleChanged();
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

void TPCColorStyle::Assign(const TPCColorStyle& source) {
  SetIntensityRGB(source.FIntensityRGB);
  SetIntensity(source.FIntensity);
  SetIntensityFactor(source.FIntensityFactor);
  SetRangeRGB(source.FRangeRGB);
  SetColorRGB(source.FColorRGB);
  SetColorFactor(source.FColorFactor);
  SetLightAngle(source.FLightAngle);
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
