#include "platform/platform.h"

#include <windows.h>

#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

namespace marunda::platform {

namespace {

// Running with the administrator's rights that user account control gave on request: the user's
// own, limited rights are then those of Explorer. (Where the user's own rights are the
// administrator's, there is nothing to drop.)
bool elevatedAboveTheUser() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return false;
    }
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    const bool known =
        GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size) != 0;
    CloseHandle(token);
    return known && type == TokenElevationTypeFull;
}

// Owns one reference to a COM object.
template <class T> class Com {
public:
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com() {
        if (p_) {
            p_->Release();
        }
    }
    T** out() { return &p_; }
    void** outVoid() { return reinterpret_cast<void**>(&p_); }
    T* operator->() const { return p_; }

private:
    T* p_ = nullptr;
};

// A VARIANT that frees what it holds.
struct Variant {
    VARIANT v;
    Variant() { VariantInit(&v); }
    explicit Variant(const wchar_t* text)
        : Variant() {
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocString(text);
    }
    explicit Variant(long number)
        : Variant() {
        v.vt = VT_I4;
        v.lVal = number;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v); }
};

// Explorer's desktop runs with the logged-on user's own rights: asked through its window, the
// shell starts the program as Explorer would when the user opens it.
bool startThroughDesktop(const std::filesystem::path& program) {
    Com<IShellWindows> windows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                windows.outVoid()))) {
        return false;
    }
    Variant location{long(CSIDL_DESKTOP)};
    Variant root;
    long window = 0;
    Com<IDispatch> desktop;
    if (windows->FindWindowSW(&location.v, &root.v, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                              desktop.out()) != S_OK) {
        return false;
    }
    Com<IServiceProvider> provider;
    Com<IShellBrowser> browser;
    Com<IShellView> view;
    Com<IDispatch> background;
    Com<IShellFolderViewDual> folderView;
    Com<IDispatch> application;
    Com<IShellDispatch2> shell;
    if (FAILED(desktop->QueryInterface(IID_IServiceProvider, provider.outVoid())) ||
        FAILED(
            provider->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.outVoid())) ||
        FAILED(browser->QueryActiveShellView(view.out())) ||
        FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.outVoid())) ||
        FAILED(background->QueryInterface(IID_IShellFolderViewDual, folderView.outVoid())) ||
        FAILED(folderView->get_Application(application.out())) ||
        FAILED(application->QueryInterface(IID_IShellDispatch2, shell.outVoid()))) {
        return false;
    }
    BSTR file = SysAllocString(program.c_str());
    Variant arguments{L""};
    Variant folder{program.parent_path().c_str()};
    Variant verb{L"open"};
    Variant show{long(SW_SHOWMINIMIZED)}; // 2: minimized, with focus
    const HRESULT started = shell->ShellExecute(file, arguments.v, folder.v, verb.v, show.v);
    SysFreeString(file);
    return SUCCEEDED(started);
}

} // namespace

// Explorer tells the user itself when the program does not start, so that the shell's answer
// only says the request was taken; a missing program is told here.
Result<void> startAsUser(const std::filesystem::path& program) {
    std::error_code error;
    if (elevatedAboveTheUser() && std::filesystem::is_regular_file(program, error)) {
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const bool started = startThroughDesktop(std::filesystem::absolute(program));
        if (SUCCEEDED(com)) {
            CoUninitialize();
        }
        if (started) {
            return {};
        }
    }
    // Not raised above the user (so under Wine), or no desktop to ask: the caller's own rights.
    return startDetached(program);
}

bool windowsFolderNeedsAdministrator() {
    return true;
}

} // namespace marunda::platform
