// Names for screen readers of the controls that have no text of their own.
#include "accessible.h"

#include <windows.h>
#include <oleacc.h>

#include "../../runtime/library.h"
#include "../dispatch/dispatch.h"
#include "../objects/widetext.h"

namespace {

// Not imported: oleacc (with ole32 and oleaut32) comes in with the first screen reader's request.
typedef HRESULT(WINAPI* TCreateStdAccessibleObject)(HWND, LONG, REFIID, void**);
typedef LRESULT(WINAPI* TLresultFromObject)(REFIID, WPARAM, IUnknown*);
typedef BSTR(WINAPI* TSysAllocString)(const OLECHAR*);

struct TAccessibility {
  bool tried;
  TCreateStdAccessibleObject createStd;
  TLresultFromObject lresultFromObject;
  TSysAllocString sysAllocString;
};
TAccessibility Acc;

constexpr IID kIidUnknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidDispatch = {0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// A window's answer to WM_GETOBJECT with OBJID_QUERYCLASSNAMEIDX: 65536 plus the index of its
// class in oleacc's table of the system's classes, as Windows documents that message (no
// header names the base). The two kinds that need a name: an edit is index 4, a combo box 5.
constexpr LRESULT kClassNameIndexBase = 65536;
constexpr LRESULT kEditIndex = kClassNameIndexBase + 4;
constexpr LRESULT kComboBoxIndex = kClassNameIndexBase + 5;

// The standard object of the control in all but its name, which is the label's text, and the
// role of a combo box, which Windows' standard object gives and Wine's does not.
class TNamedAccessible final : public IAccessible {
 public:
  TNamedAccessible(IAccessible* standard, HWND label, LONG role)
      : fStandard(standard), fLabel(label), fRole(role) {}
  TNamedAccessible(const TNamedAccessible&) = delete;
  TNamedAccessible& operator=(const TNamedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, kIidUnknown) && !IsEqualIID(iid, kIidDispatch) &&
        !IsEqualIID(iid, kIidAccessible))
      return fStandard->QueryInterface(iid, out);  // its window, its list of children
    *out = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++fRefs; }
  ULONG STDMETHODCALLTYPE Release() override {
    if (--fRefs) return fRefs;
    fStandard->Release();
    delete this;
    return 0;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return fStandard->get_accName(child, name);
    wchar_t text[256] = L"";
    GetWindowTextW(fLabel, text, 256);
    *name = Acc.sysAllocString(text);
    return *name ? S_OK : E_OUTOFMEMORY;
  }

  // The rest as the standard object answers.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    return fStandard->GetTypeInfoCount(n);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
    return fStandard->GetTypeInfo(i, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT n, LCID lcid,
                                          DISPID* ids) override {
    return fStandard->GetIDsOfNames(iid, names, n, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* arg) override {
    return fStandard->Invoke(id, iid, lcid, flags, params, result, info, arg);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return fStandard->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override {
    return fStandard->get_accChildCount(n);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return fStandard->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return fStandard->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return fStandard->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!fRole || child.vt != VT_I4 || child.lVal != CHILDID_SELF)
      return fStandard->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = fRole;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return fStandard->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return fStandard->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return fStandard->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return fStandard->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return fStandard->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return fStandard->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return fStandard->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
    return fStandard->accSelect(how, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h,
                                        VARIANT child) override {
    return fStandard->accLocation(x, y, w, h, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override {
    return fStandard->accNavigate(dir, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return fStandard->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return fStandard->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return fStandard->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return fStandard->put_accValue(child, value);
  }

 private:
  ~TNamedAccessible() = default;
  IAccessible* fStandard;
  HWND fLabel;
  LONG fRole;  // 0: the standard object's
  ULONG fRefs = 1;
};

bool LoadAccessibility() {
  if (!Acc.tried) {
    Acc.tried = true;
    UseCom();  // marshalled to the reader's process through COM
    HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
    Acc.createStd = LookUpFunction<TCreateStdAccessibleObject>(oleacc, "CreateStdAccessibleObject");
    Acc.lresultFromObject = LookUpFunction<TLresultFromObject>(oleacc, "LresultFromObject");
    Acc.sysAllocString =
        LookUpFunction<TSysAllocString>(LoadSystemLibrary("oleaut32.dll"), "SysAllocString");
  }
  return Acc.createStd && Acc.lresultFromObject && Acc.sysAllocString;
}

LRESULT NamedObject(TControl* c, WPARAM flags) {
  IAccessible* standard = nullptr;
  if (!LoadAccessibility() || FAILED(Acc.createStd(c->fHandle, OBJID_CLIENT, kIidAccessible,
                                                   reinterpret_cast<void**>(&standard))))
    return 0;
  auto* named =
      new TNamedAccessible(standard, c->fNameLabel, c->fKind.MsgAddItem ? ROLE_SYSTEM_COMBOBOX : 0);
  LRESULT result = Acc.lresultFromObject(kIidAccessible, flags, named);
  named->Release();
  return result;
}

bool AccessibleHandler(TControl* c, TMsg& msg, LRESULT& result) {
  if (msg.message != WM_GETOBJECT) return false;
  LONG id = static_cast<LONG>(msg.lParam);
  // The kind of control, for a reader that knows it by this answer alone (Wine's oleacc), where
  // the system's procedure does not tell it.
  if (id == OBJID_QUERYCLASSNAMEIDX) {
    result = CallDefault(c, msg);
    if (!result) result = c->fKind.MsgAddItem ? kComboBoxIndex : kEditIndex;
    return true;
  }
  if (id != OBJID_CLIENT) return false;
  result = NamedObject(c, msg.wParam);
  return result != 0;  // else the standard object, without the name
}

}  // namespace

void SetAccessibleName(TControl* c, const TText& name) {
  // A new window goes to the bottom of its siblings' z-order, and so does the control's after it.
  c->fNameLabel =
      CreateWindowExW(0, L"Static", ProgramText(name).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0,
                      GetHandle(c->fParent), reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)),
                      GetModuleHandleA(nullptr), nullptr);
  AttachProc(c, AccessibleHandler);
}
