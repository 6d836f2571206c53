// Paints the progress bar once per named look, each with its name beside it,
// into one bitmap and writes it as a BMP file: progress_looks <file.bmp>.
#include <windows.h>

#include <cstdio>
#include <string>

#include "components/widgets/ProgressCyl2.h"

namespace {

constexpr int LabelWidth = 130, BarWidth = 260, BarHeight = 22, RowHeight = 28, Margin = 6;

// A top-down 24-bit BMP of the bitmap's rows.
bool WriteBmp(TBitmap& bitmap, const char* path) {
  const int stride = (bitmap.Width() * 3 + 3) & ~3;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = bitmap.Width();
  info.biHeight = -bitmap.Height();
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride * bitmap.Height());
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(header) + sizeof(info);
  header.bfSize = header.bfOffBits + info.biSizeImage;
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  bool written = std::fwrite(&header, sizeof(header), 1, file) == 1 && std::fwrite(&info, sizeof(info), 1, file) == 1;
  for (int y = 0; written && y < bitmap.Height(); ++y)
    written = std::fwrite(bitmap.ScanLine(y), static_cast<size_t>(stride), 1, file) == 1;
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: progress_looks <file.bmp>\n");
    return 2;
  }
  const auto& names = EnumNames<TProEffect>::names();
  const int looks = static_cast<int>(names.size()) - 1;  // peCustom is no look
  TBitmap sheet;
  sheet.SetSize(LabelWidth + BarWidth + 2 * Margin, looks * RowHeight + 2 * Margin);
  TCanvas& canvas = sheet.Canvas();
  canvas.Brush().Color = clWhite;
  canvas.FillRect({0, 0, sheet.Width(), sheet.Height()});
  canvas.Font().SetName("Arial");
  canvas.Font().SetHeight(-12);
  canvas.Font().SetColor(clBlack);
  canvas.Brush().Style = bsClear;
  int row = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    const auto effect = static_cast<TProEffect>(i);
    if (effect == peCustom) continue;
    const int top = Margin + row++ * RowHeight;
    canvas.TextOut(Margin, top + 4, names[i]);
    TProgressCyl bar(nullptr);
    bar.SetBounds(Margin + LabelWidth, top, BarWidth, BarHeight);
    bar.SetProEffect(effect);
    bar.SetPosition(60);
    bar.PaintOn(canvas.Handle());
  }
  if (!WriteBmp(sheet, argv[1])) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
