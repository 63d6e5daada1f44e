// The menu window as screen readers see it: an MSAA client object with one push button per spot. oleacc
// is loaded on the first WM_GETOBJECT only, so a menu nobody reads starts as fast as before.
#pragma once

#include <oleacc.h>
#include <windows.h>

#include <string>

namespace orb {

// What the accessible object asks of the menu window; spots are numbered from 1.
class AccessibleSpots {
 public:
  virtual ~AccessibleSpots() = default;
  virtual int SpotCount() = 0;
  virtual std::string SpotName(int spot) = 0;
  virtual RECT SpotScreenRect(int spot) = 0;
  // The spot with the keyboard focus, 0 for none.
  virtual int FocusedSpot() = 0;
  // The topmost spot under a screen point, 0 for none.
  virtual int SpotAtPoint(POINT screen) = 0;
  // Runs the spot's action later, from the window's own message loop: a reader's call must return at once.
  virtual void PressSpot(int spot) = 0;
  virtual void FocusSpot(int spot) = 0;
};

class MenuAccessible final : public IAccessible {
 public:
  MenuAccessible(HWND hwnd, AccessibleSpots& spots) : hwnd_(hwnd), spots_(&spots) {}

  // The answer to WM_GETOBJECT for OBJID_CLIENT; 0 when oleacc cannot be loaded.
  LRESULT Answer(WPARAM wp);
  // The window is going: readers that still hold the object get errors from now on.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: readers use the vtable; no type information.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Nothing(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return Nothing(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return Nothing(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return Nothing(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~MenuAccessible();
  // S_OK with the spot number (0 for the client itself) in `spot`, or the error for a bad child id.
  HRESULT Check(const VARIANT& child, int& spot) const;
  // The same after clearing an out parameter (E_POINTER when there is none).
  HRESULT CheckOut(const VARIANT& child, BSTR* out, int& spot) const;
  HRESULT CheckOut(const VARIANT& child, VARIANT* out, int& spot) const;
  HRESULT Nothing(const VARIANT& child, BSTR* out) const;

  HWND hwnd_;
  AccessibleSpots* spots_;           // null once disconnected
  IAccessible* standard_ = nullptr;  // oleacc's own window object: the client's parent
  ULONG refs_ = 1;
};

}  // namespace orb
