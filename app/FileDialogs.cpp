#include "app/FileDialogs.h"

#include <shobjidl.h>

#include <cstdio>
#include <memory>

#include "components/safewrite/WinFile.h"
#include "framework/Dialogs.h"
#include "framework/Text.h"

namespace {

const wchar_t* const PresetFilterName = L"Réglages Klangor / Klangor settings (*.ini)";
const wchar_t* const PresetPattern = L"*.ini";

const char* const FailureMessage =
    "La boîte de dialogue du système n'a pas pu s'ouvrir. / The system's dialog could not be opened.";

struct TRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using TComPointer = std::unique_ptr<T, TRelease>;

// The thread in a single-threaded apartment while it lives. A thread already
// in one stays there; one in the multithreaded apartment cannot show the
// dialogs, which says so in Result().
class TApartment {
 public:
  TApartment() : FResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~TApartment() {
    if (SUCCEEDED(FResult)) CoUninitialize();
  }
  TApartment(const TApartment&) = delete;
  TApartment& operator=(const TApartment&) = delete;
  HRESULT Result() const { return FResult; }

 private:
  HRESULT FResult;
};

enum class TKind { SavePreset, LoadPreset, PickFolder };

HRESULT Prepare(IFileDialog& dialog, TKind kind, const std::string& title) {
  FILEOPENDIALOGOPTIONS options = 0;
  HRESULT result = dialog.GetOptions(&options);
  // Only real files and folders: a library or a phone's folder has no path.
  options |= FOS_FORCEFILESYSTEM;
  if (kind == TKind::PickFolder) options |= FOS_PICKFOLDERS;
  if (kind == TKind::LoadPreset) options |= FOS_FILEMUSTEXIST;
  if (SUCCEEDED(result)) result = dialog.SetOptions(options);
  if (SUCCEEDED(result)) result = dialog.SetTitle(Text::ToWide(title).c_str());
  if (kind == TKind::PickFolder) return result;
  const COMDLG_FILTERSPEC filter{PresetFilterName, PresetPattern};
  if (SUCCEEDED(result)) result = dialog.SetFileTypes(1, &filter);
  if (SUCCEEDED(result)) result = dialog.SetDefaultExtension(L"ini");
  return result;
}

TDialogAnswer PathOfResult(IFileDialog& dialog) {
  IShellItem* chosen = nullptr;
  if (const HRESULT result = dialog.GetResult(&chosen); FAILED(result)) return {std::nullopt, result};
  const TComPointer<IShellItem> item(chosen);
  wchar_t* name = nullptr;
  if (const HRESULT result = item->GetDisplayName(SIGDN_FILESYSPATH, &name); FAILED(result))
    return {std::nullopt, result};
  std::string path = Text::FromWide(name);
  CoTaskMemFree(name);
  return {std::move(path), S_OK};
}

TDialogAnswer Ask(HWND owner, TKind kind, const std::string& title) {
  const TApartment apartment;
  if (FAILED(apartment.Result())) return {std::nullopt, apartment.Result()};
  IFileDialog* made = nullptr;
  const CLSID& kindClass = kind == TKind::SavePreset ? CLSID_FileSaveDialog : CLSID_FileOpenDialog;
  if (const HRESULT result =
          CoCreateInstance(kindClass, nullptr, CLSCTX_INPROC_SERVER, IID_IFileDialog, reinterpret_cast<void**>(&made));
      FAILED(result))
    return {std::nullopt, result};
  const TComPointer<IFileDialog> dialog(made);
  if (const HRESULT result = Prepare(*dialog, kind, title); FAILED(result)) return {std::nullopt, result};
  const HRESULT shown = dialog->Show(owner);
  if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return {};
  if (FAILED(shown)) return {std::nullopt, shown};
  return PathOfResult(*dialog);
}

}  // namespace

namespace FileDialogs {

TDialogAnswer AskPresetToSave(HWND owner, const std::string& title) { return Ask(owner, TKind::SavePreset, title); }

TDialogAnswer AskPresetToLoad(HWND owner, const std::string& title) { return Ask(owner, TKind::LoadPreset, title); }

TDialogAnswer AskFolder(HWND owner, const std::string& title) { return Ask(owner, TKind::PickFolder, title); }

void ShowFailure(const TDialogAnswer& answer, const std::string& otherWay) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(answer.Error));
  ShowMessageBox(std::string(FailureMessage) + "\r\r" + WinFile::SystemMessage(static_cast<DWORD>(answer.Error)) +
                 " (" + code + ")\r\r" + otherWay);
}

}  // namespace FileDialogs
