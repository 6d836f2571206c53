#include "components/version/HttpStatusCallback.h"

HRESULT HttpStatusCallback::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IBindStatusCallback)
    *object = static_cast<IBindStatusCallback*>(this);
  else if (iid == IID_IServiceProvider)
    *object = static_cast<IServiceProvider*>(this);
  else if (iid == IID_IHttpNegotiate)
    *object = static_cast<IHttpNegotiate*>(this);
  else
    *object = nullptr;
  if (!*object) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG HttpStatusCallback::Release() {
  const LONG references = InterlockedDecrement(&FReferences);
  if (references == 0) delete this;
  return references;
}

// The HTTP layer asks for its negotiator through the callback's services.
HRESULT HttpStatusCallback::QueryService(REFGUID service, REFIID iid, void** object) {
  if (service == IID_IHttpNegotiate) return QueryInterface(iid, object);
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT HttpStatusCallback::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) {
  *additionalHeaders = nullptr;
  return S_OK;
}

HRESULT HttpStatusCallback::OnResponse(DWORD statusCode, LPCWSTR, LPCWSTR, LPWSTR* additionalHeaders) {
  if (additionalHeaders) *additionalHeaders = nullptr;
  FStatusCode = statusCode;
  return S_OK;
}
