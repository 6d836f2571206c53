// Learns the HTTP status a URL download was answered with: the download
// itself reports success also for a "404 Not Found", whose error page it
// saves as the file.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <urlmon.h>

class HttpStatusCallback final : public IBindStatusCallback, public IServiceProvider, public IHttpNegotiate {
 public:
  // Whether the server answered with a success status; true when no HTTP
  // answer came at all, which the caller judges by what was saved.
  bool Succeeded() const { return FStatusCode == 0 || (FStatusCode >= 200 && FStatusCode < 300); }

  // Made with one reference, freed with the last: the download may keep a
  // reference for a while after it has returned.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&FReferences); }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override;

  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) override;
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD statusCode, LPCWSTR, LPCWSTR, LPWSTR* additionalHeaders) override;

 private:
  ~HttpStatusCallback() = default;

  LONG FReferences = 1;
  DWORD FStatusCode = 0;
};
