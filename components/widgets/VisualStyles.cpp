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
  if (!FIsThemeActive || !FOpenThemeData || !FDrawThemeBackground || !FCloseThemeData) {
    FreeLibrary(FLibrary);
    FLibrary = nullptr;
  }
}

TVisualStyles::~TVisualStyles() {
  if (FLibrary) FreeLibrary(FLibrary);
}

bool TVisualStyles::Active() const { return FLibrary && FIsThemeActive(); }

void TWindowTheme::DrawPart(HWND window, HDC dc, int part, int state, const RECT& rect, const RECT* clip) {
  const TVisualStyles& styles = TVisualStyles::Instance();
  if (!styles.FLibrary) return;
  if (window != FWindow) {
    Reset();
    FTheme = styles.FOpenThemeData(window, FClass);
    FWindow = window;
  }
  if (FTheme) styles.FDrawThemeBackground(FTheme, dc, part, state, &rect, clip);
}

void TWindowTheme::Reset() {
  if (FTheme) TVisualStyles::Instance().FCloseThemeData(FTheme);
  FTheme = nullptr;
  FWindow = nullptr;
}
