#include "components/widgets/LMDApplication.h"

#include "components/widgets/VisualStyles.h"
#include "framework/GdiHandles.h"

namespace {

// OBM_CHECKBOXES without defining OEMRESOURCE for the whole program.
constexpr int CheckBoxesBitmap = 32759;

SIZE SystemCheckGlyphSize() {
  const TGdiObject checks(LoadBitmapW(nullptr, MAKEINTRESOURCEW(CheckBoxesBitmap)));
  BITMAP info{};
  SIZE size{13, 13};  // the classic size, should the system lack the bitmap
  if (checks.Handle() && GetObjectW(checks.Handle(), sizeof(info), &info)) size = {info.bmWidth / 4, info.bmHeight / 3};
  return size;
}

}  // namespace

TLMDApplication& TLMDApplication::Instance() {
  static TLMDApplication instance;
  return instance;
}

TLMDApplication::TLMDApplication() : FStandardGlyph(SystemCheckGlyphSize()) {}

bool TLMDApplication::ThemesAvailable() const { return TVisualStyles::Instance().Active(); }
