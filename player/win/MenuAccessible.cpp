// The menu window's MSAA object; see MenuAccessible.h.
#include "player/win/MenuAccessible.h"

#include "common/win/WideText.h"

namespace orb {
namespace {

using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

struct Oleacc {
  bool tried = false;
  LresultFromObjectFn lresult = nullptr;
  CreateStdAccessibleObjectFn create_standard = nullptr;
};
Oleacc oleacc;

template <typename Fn>
Fn Entry(HMODULE module, const char* name) {
  // Through void*: GetProcAddress's FARPROC has no parameters, and casting it directly draws a warning.
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loaded once and kept: readers may hold our objects until the player ends.
const Oleacc& LoadOleacc() {
  if (!oleacc.tried) {
    oleacc.tried = true;
    if (HMODULE module = LoadLibraryA("oleacc.dll")) {
      oleacc.lresult = Entry<LresultFromObjectFn>(module, "LresultFromObject");
      oleacc.create_standard = Entry<CreateStdAccessibleObjectFn>(module, "CreateStdAccessibleObject");
    }
  }
  return oleacc;
}

BSTR Wide(const std::string& text) {
  std::wstring wide = win::Widen(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

void SetI4(VARIANT* v, long value) {
  v->vt = VT_I4;
  v->lVal = value;
}

}  // namespace

MenuAccessible::~MenuAccessible() {
  if (standard_) standard_->Release();
}

LRESULT MenuAccessible::Answer(WPARAM wp) {
  const Oleacc& api = LoadOleacc();
  if (!api.lresult) return 0;
  if (!standard_ && api.create_standard) {
    api.create_standard(hwnd_, OBJID_WINDOW, IID_IAccessible, reinterpret_cast<void**>(&standard_));
  }
  return api.lresult(IID_IAccessible, wp, static_cast<IAccessible*>(this));
}

void MenuAccessible::Disconnect() {
  spots_ = nullptr;
  if (standard_) standard_->Release();
  standard_ = nullptr;
}

HRESULT MenuAccessible::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, IID_IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG MenuAccessible::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT MenuAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT MenuAccessible::Check(const VARIANT& child, int& spot) const {
  if (!spots_) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > spots_->SpotCount()) return E_INVALIDARG;
  spot = static_cast<int>(child.lVal);
  return S_OK;
}

HRESULT MenuAccessible::CheckOut(const VARIANT& child, BSTR* out, int& spot) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Check(child, spot);
}

HRESULT MenuAccessible::CheckOut(const VARIANT& child, VARIANT* out, int& spot) const {
  if (!out) return E_POINTER;
  VariantInit(out);
  return Check(child, spot);
}

HRESULT MenuAccessible::Nothing(const VARIANT& child, BSTR* out) const {
  int spot = 0;
  HRESULT hr = CheckOut(child, out, spot);
  return FAILED(hr) ? hr : S_FALSE;
}

HRESULT MenuAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!spots_) return CO_E_OBJNOTCONNECTED;
  if (!standard_) return S_FALSE;
  return standard_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT MenuAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!spots_) return CO_E_OBJNOTCONNECTED;
  *count = spots_->SpotCount();
  return S_OK;
}

HRESULT MenuAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  int spot = 0;
  HRESULT hr = Check(child, spot);
  if (FAILED(hr)) return hr;
  // Spots are simple elements of this object, not objects of their own.
  return spot == 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT MenuAccessible::get_accName(VARIANT child, BSTR* name) {
  int spot = 0;
  HRESULT hr = CheckOut(child, name, spot);
  if (FAILED(hr)) return hr;
  // Nothing may escape into the reader's process: a failed copy of the name is a failed call.
  try {
    *name = Wide(spot == 0 ? win::Text(hwnd_) : spots_->SpotName(spot));
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT MenuAccessible::get_accRole(VARIANT child, VARIANT* role) {
  int spot = 0;
  HRESULT hr = CheckOut(child, role, spot);
  if (FAILED(hr)) return hr;
  SetI4(role, spot == 0 ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON);
  return S_OK;
}

HRESULT MenuAccessible::get_accState(VARIANT child, VARIANT* state) {
  int spot = 0;
  HRESULT hr = CheckOut(child, state, spot);
  if (FAILED(hr)) return hr;
  long bits = STATE_SYSTEM_FOCUSABLE;
  if (spot == 0 ? GetFocus() == hwnd_ : spots_->FocusedSpot() == spot) bits |= STATE_SYSTEM_FOCUSED;
  if (!IsWindowVisible(hwnd_)) bits |= STATE_SYSTEM_INVISIBLE;
  SetI4(state, bits);
  return S_OK;
}

HRESULT MenuAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (!file || !topic) return E_POINTER;
  *topic = 0;
  return Nothing(child, file);
}

HRESULT MenuAccessible::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  VariantInit(focus);
  if (!spots_) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != hwnd_) return S_FALSE;
  SetI4(focus, spots_->FocusedSpot());
  return S_OK;
}

HRESULT MenuAccessible::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  VariantInit(selection);
  return spots_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT MenuAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  int spot = 0;
  HRESULT hr = CheckOut(child, action, spot);
  if (FAILED(hr)) return hr;
  if (spot == 0) return S_FALSE;
  *action = SysAllocString(L"Press");
  return *action ? S_OK : E_OUTOFMEMORY;
}

HRESULT MenuAccessible::accSelect(long flags, VARIANT child) {
  int spot = 0;
  HRESULT hr = Check(child, spot);
  if (FAILED(hr)) return hr;
  if (spot == 0 || flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
  spots_->FocusSpot(spot);
  return S_OK;
}

HRESULT MenuAccessible::accLocation(long* x, long* y, long* w, long* h, VARIANT child) {
  if (!x || !y || !w || !h) return E_POINTER;
  int spot = 0;
  HRESULT hr = Check(child, spot);
  if (FAILED(hr)) return hr;
  RECT r;
  if (spot == 0) {
    GetClientRect(hwnd_, &r);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
  } else {
    r = spots_->SpotScreenRect(spot);
  }
  *x = r.left, *y = r.top, *w = r.right - r.left, *h = r.bottom - r.top;
  return S_OK;
}

HRESULT MenuAccessible::accNavigate(long dir, VARIANT start, VARIANT* end) {
  int spot = 0;
  HRESULT hr = CheckOut(start, end, spot);
  if (FAILED(hr)) return hr;
  const int count = spots_->SpotCount();
  int to = 0;
  if (spot == 0 && dir == NAVDIR_FIRSTCHILD) {
    to = count > 0 ? 1 : 0;
  } else if (spot == 0 && dir == NAVDIR_LASTCHILD) {
    to = count;
  } else if (spot != 0 && dir == NAVDIR_NEXT) {
    to = spot < count ? spot + 1 : 0;
  } else if (spot != 0 && dir == NAVDIR_PREVIOUS) {
    to = spot - 1;
  } else {
    return DISP_E_MEMBERNOTFOUND;
  }
  if (to == 0) return S_FALSE;
  SetI4(end, to);
  return S_OK;
}

HRESULT MenuAccessible::accHitTest(long x, long y, VARIANT* hit) {
  if (!hit) return E_POINTER;
  VariantInit(hit);
  if (!spots_) return CO_E_OBJNOTCONNECTED;
  POINT p = {x, y};
  RECT client;
  GetClientRect(hwnd_, &client);
  POINT local = p;
  ScreenToClient(hwnd_, &local);
  if (!PtInRect(&client, local)) return S_FALSE;
  SetI4(hit, spots_->SpotAtPoint(p));
  return S_OK;
}

HRESULT MenuAccessible::accDoDefaultAction(VARIANT child) {
  int spot = 0;
  HRESULT hr = Check(child, spot);
  if (FAILED(hr)) return hr;
  if (spot == 0) return DISP_E_MEMBERNOTFOUND;
  spots_->PressSpot(spot);
  return S_OK;
}

}  // namespace orb
