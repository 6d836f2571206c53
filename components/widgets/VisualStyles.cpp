#include "components/widgets/VisualStyles.h"

namespace {

template <class Proc>
Proc Entry(HMODULE library, const char* name) {
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

TVisualStyles& TVisualStyles::Instance() {
  static TVisualStyles instance;
  return instance;
}

TVisualStyles::TVisualStyles() : FLibrary(LoadLibraryW(L"uxtheme.dll")) {
  if (!FLibrary) return;
  FIsThemeActive = Entry<IsThemeActiveProc>(FLibrary, "IsThemeActive");
  FOpenThemeData = Entry<OpenThemeDataProc>(FLibrary, "OpenThemeData");
  FDrawThemeBackground = Entry<DrawThemeBackgroundProc>(FLibrary, "DrawThemeBackground");
  FCloseThemeData = Entry<CloseThemeDataProc>(FLibrary, "CloseThemeData");
  FOpenThemeDataForDpi = Entry<OpenThemeDataForDpiProc>(FLibrary, "OpenThemeDataForDpi");
  if (!FIsThemeActive || !FOpenThemeData || !FDrawThemeBackground || !FCloseThemeData) {
    FreeLibrary(FLibrary);
    FLibrary = nullptr;
  }
}

TVisualStyles::~TVisualStyles() {
  if (FLibrary) FreeLibrary(FLibrary);
}

bool TVisualStyles::Active() const { return FLibrary && FIsThemeActive(); }

HTHEME TVisualStyles::Open(HWND window, LPCWSTR themeClass, TDpi dpi) const {
  if (FOpenThemeDataForDpi) return FOpenThemeDataForDpi(window, themeClass, static_cast<UINT>(dpi.PixelsPerInch()));
  return FOpenThemeData(window, themeClass);
}

void TWindowTheme::DrawPart(HWND window, TDpi dpi, HDC dc, int part, int state, const RECT& rect, const RECT* clip) {
  const TVisualStyles& styles = TVisualStyles::Instance();
  if (!styles.FLibrary) return;
  if (window != FWindow || dpi != FDpi) {
    Reset();
    FTheme = styles.Open(window, FClass, dpi);
    FWindow = window;
    FDpi = dpi;
  }
  if (FTheme) styles.FDrawThemeBackground(FTheme, dc, part, state, &rect, clip);
}

void TWindowTheme::Reset() {
  if (FTheme) TVisualStyles::Instance().FCloseThemeData(FTheme);
  FTheme = nullptr;
  FWindow = nullptr;
}
