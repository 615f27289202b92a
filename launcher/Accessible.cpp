// A button's object for screen readers. The standard object of an owner-drawn
// button calls it a client area on some systems; this one passes every question
// to it but the role. oleacc comes only when a screen reader first asks.
#include "Accessible.h"

#include <oleacc.h>

#include <new>

static const GUID AccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

static FARPROC OleaccProc(const char* name)
{
    if (BarState.Oleacc == nullptr)
        BarState.Oleacc = LoadLibraryA("oleacc.dll");
    return BarState.Oleacc != nullptr ? GetProcAddress(BarState.Oleacc, name) : nullptr;
}

static bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

namespace {

class ButtonObject : public IAccessible {
public:
    explicit ButtonObject(IAccessible* standard) : references(1), inner(standard) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (IsEqualGUID(id, IID_IUnknown) || IsEqualGUID(id, IID_IDispatch) || IsEqualGUID(id, AccessibleId)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return inner->QueryInterface(id, out);  // the window and enumeration interfaces of the standard object
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)InterlockedIncrement(&references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            inner->Release();
            HeapFree(GetProcessHeap(), 0, this);
        }
        return (ULONG)left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return inner->GetTypeInfoCount(n); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override { return inner->GetTypeInfo(i, l, t); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override
    {
        return inner->GetIDsOfNames(r, n, c, l, d);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                     UINT* a) override
    {
        return inner->Invoke(d, r, l, f, p, v, e, a);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!IsSelf(child))
            return inner->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return inner->get_accParent(p); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override { return inner->get_accChildCount(n); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** p) override { return inner->get_accChild(c, p); }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT c, BSTR* s) override { return inner->get_accName(c, s); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* s) override { return inner->get_accValue(c, s); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* s) override { return inner->get_accDescription(c, s); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* v) override { return inner->get_accState(c, v); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* s) override { return inner->get_accHelp(c, s); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* s, VARIANT c, long* t) override { return inner->get_accHelpTopic(s, c, t); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* s) override
    {
        return inner->get_accKeyboardShortcut(c, s);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* v) override { return inner->get_accFocus(v); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* v) override { return inner->get_accSelection(v); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* s) override { return inner->get_accDefaultAction(c, s); }
    HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override { return inner->accSelect(f, c); }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT c) override
    {
        return inner->accLocation(x, y, w, h, c);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT s, VARIANT* e) override { return inner->accNavigate(d, s, e); }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* c) override { return inner->accHitTest(x, y, c); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override { return inner->accDoDefaultAction(c); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR s) override { return inner->put_accName(c, s); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR s) override { return inner->put_accValue(c, s); }

private:
    LONG references;
    IAccessible* inner;
};

}  // namespace

LRESULT AnswerAccessible(HWND button, WPARAM wParam, LPARAM lParam)
{
    typedef HRESULT(WINAPI * StandardProc)(HWND, LONG, REFIID, void**);
    typedef LRESULT(WINAPI * ResultProc)(REFIID, WPARAM, LPUNKNOWN);
    if ((LONG)lParam != OBJID_CLIENT)
        return 0;
    StandardProc standard = (StandardProc)(void*)OleaccProc("CreateStdAccessibleObject");
    ResultProc result = (ResultProc)(void*)OleaccProc("LresultFromObject");
    IAccessible* inner = nullptr;
    if (standard == nullptr || result == nullptr || FAILED(standard(button, OBJID_CLIENT, AccessibleId, (void**)&inner)))
        return 0;
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(ButtonObject));
    if (memory == nullptr) {
        inner->Release();
        return 0;
    }
    ButtonObject* object = ::new (memory) ButtonObject(inner);
    const LRESULT answer = result(AccessibleId, wParam, object);
    object->Release();  // the answer holds its own reference
    return answer;
}
