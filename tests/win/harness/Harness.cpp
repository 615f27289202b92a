#include "Harness.h"

#include <oleacc.h>

#include <doctest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace qt {

TempDir::TempDir(const char* subfolder)
{
    char base[MAX_PATH], name[MAX_PATH + 64];
    GetTempPathA(sizeof base, base);
    static unsigned counter;
    do
        std::snprintf(name, sizeof name, "%sqvtest-%lu-%u", base, GetCurrentProcessId(), ++counter);
    while (!CreateDirectoryA(name, nullptr));
    root_ = path_ = name;
    if (subfolder != nullptr) {
        path_ += "\\" + std::string(subfolder);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
}

TempDir::~TempDir()
{
    const std::string from = root_ + '\0';  // a list of names, ended by an empty one
    SHFILEOPSTRUCTA remove = {nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, FALSE, nullptr, nullptr};
    SHFileOperationA(&remove);
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Garbage()
{
    std::string garbage(65536, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = (char)((i * 2654435761u) >> 13);
    return garbage;
}

std::string ManySections()
{
    std::string many;
    for (int i = 0; i < 10000; ++i)
        many += Section("S" + std::to_string(i)) + Key("K", std::string(1024, 'k'));
    return many;
}

std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback)
{
    // The buffer grows until the text is whole: a cut text comes back as its size less one or two.
    for (DWORD size = 1 << 16;; size *= 4) {
        std::string text(size, '\0');
        const DWORD n = !section ? GetPrivateProfileSectionNamesA(&text[0], size, file.c_str())
                        : !key   ? GetPrivateProfileSectionA(section, &text[0], size, file.c_str())
                                 : GetPrivateProfileStringA(section, key, fallback, &text[0], size, file.c_str());
        if (n >= size - 2 && size < (1u << 26))
            continue;
        text.resize(n && !key ? n - 1 : n);
        for (char& c : text)
            c = c ? c : '|';
        return text;
    }
}

std::string Settings(const std::string& file)
{
    std::string all, names = Profile(file, nullptr, nullptr) + "|";
    for (size_t at = 0, bar; (bar = names.find('|', at)) != std::string::npos && bar > at; at = bar + 1)
        all += names.substr(at, bar - at) + ": " + Profile(file, names.substr(at, bar - at).c_str(), nullptr) + "\n";
    return all;
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program = path;
    return program.substr(0, program.find_last_of('\\'));
}

std::string EditorProgram()
{
    char path[MAX_PATH];
    const std::string relative = ProgramFolder() + "\\..\\editor\\bin\\QVconfig.exe";
    GetFullPathNameA(relative.c_str(), sizeof path, path, nullptr);
    return path;
}

void RegisterOpener(const char* extension, const std::string& program)
{
    const std::string type = std::string("QuenvoletTest") + (extension + 1), command = Quoted(program) + " \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, extension, REG_SZ, type.c_str(), 0);
    RegSetValueA(HKEY_CLASSES_ROOT, (type + "\\shell\\open\\command").c_str(), REG_SZ, command.c_str(), 0);
}

std::string TextOf(HWND window)
{
    char text[512] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

void Pump(int milliseconds, HWND dialog)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (dialog && IsDialogMessageA(dialog, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while ((int)(GetTickCount() - start) < milliseconds);
}

// The client area's pixels as paint draws them, from the screen's device, into a memory bitmap of its size.
void Capture::take(HWND window, const std::function<void(HDC memory, HDC screen, const RECT& client)>& paint)
{
    RECT r;
    GetClientRect(window, &r);
    w = r.right, h = r.bottom;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    paint(memory, screen, r);
    SelectObject(memory, previous);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB}};  // top row first
    std::vector<RGBQUAD> rgb((size_t)w * h);
    GetDIBits(memory, bitmap, 0, h, rgb.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(nullptr, screen);
    for (const RGBQUAD& q : rgb)
        pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
}

Capture::Capture(HWND window, bool repaint)
{
    if (repaint)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    take(window, [&](HDC memory, HDC screen, const RECT& r) {
        BitBlt(memory, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
    });
}

Capture Capture::Printed(HWND window)
{
    Capture shot;
    shot.take(window, [&](HDC memory, HDC, const RECT& r) {
        FillRect(memory, &r, (HBRUSH)GetStockObject(WHITE_BRUSH));
        SendMessageA(window, WM_PRINTCLIENT, (WPARAM)memory, PRF_CLIENT);
    });
    return shot;
}

HANDLE Hold(const std::string& path, DWORD share, DWORD access)
{
    HANDLE held = CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    return held;
}

HANDLE StartProcess(std::string commandLine, const char* folder)
{
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

bool WaitForProcess(HANDLE process, int milliseconds)
{
    const bool ended = PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, milliseconds);
    CloseHandle(process);
    return ended;
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

HWND FindOther(const char* cls, const char* caption)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, cls, caption)) != nullptr)
        if (ProcessOf(window) != GetCurrentProcessId() && IsWindowVisible(window))
            return window;
    return nullptr;
}

HWND WaitFor(const char* cls, const char* caption, HWND gone)
{
    HWND found = nullptr;
    PumpUntil([&] { return !IsWindow(gone) && (found = FindOther(cls, caption)) != nullptr; }, Slow);
    REQUIRE_MESSAGE(found != nullptr, std::string(caption != nullptr ? caption : cls));
    return found;
}

// The block is made in the window's process, where the drop's handle must point; a fixed block is its own handle.
void DropOnto(HWND window, const Texts& names, POINT at)
{
    const DROPFILES header = {sizeof(DROPFILES), at, FALSE, FALSE};
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& n : names)
        block += n + '\0';
    block += '\0';
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, ProcessOf(window));
    void* there = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
    REQUIRE(there != nullptr);
    REQUIRE(WriteProcessMemory(process, there, block.data(), block.size(), nullptr));
    CloseHandle(process);
    PostMessageA(window, WM_DROPFILES, (WPARAM)there, 0);
}

std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds)
{
    // Renamed when complete, the record may still be held for a moment: it is read until its "end=" line is in.
    std::string text;
    PumpUntil([&] { return (text = ReadFile(path)).find("\nend=") != std::string::npos; }, milliseconds);
    std::map<std::string, std::string> record;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        record[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    // Its end, so that it neither outlives its folder nor overlaps the next case.
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, std::strtoul(record["pid"].c_str(), nullptr, 10));
    if (process != nullptr)
        WaitForProcess(process, milliseconds);
    return record;
}

void TypeInto(HWND edit, const std::string& text)
{
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    for (char c : text)
        SendMessageA(edit, WM_CHAR, (WPARAM)(unsigned char)c, 1);
}

void PostKey(HWND control, WPARAM key)
{
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

void PressKeys(const std::vector<int>& keys)
{
    const BYTE held[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    for (int key : keys) {
        for (int m = 0; m < 3; ++m)
            if (key & (Shift << m))
                keybd_event(held[m], 0, 0, 0);
        keybd_event((BYTE)key, 0, 0, 0);
        keybd_event((BYTE)key, 0, KEYEVENTF_KEYUP, 0);
        for (int m = 2; m >= 0; --m)
            if (key & (Shift << m))
                keybd_event(held[m], 0, KEYEVENTF_KEYUP, 0);
    }
}

std::vector<int> KeysOf(const std::string& text, std::vector<int> before)
{
    for (char c : text)
        before.push_back(VkKeyScanA(c) & 0x7FF);  // the key, and Shift, Ctrl and Alt as it needs them
    return before;
}

void ClickWithMouse(HWND window)
{
    const RECT r = WindowRect(window);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

static std::string AwaitedCaption;
static std::function<void(HWND)> AwaitedAct;

static void CALLBACK LookForDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowA(DialogClass, AwaitedCaption.c_str());
    DWORD process = 0;
    GetWindowThreadProcessId(dialog, &process);
    if (dialog != nullptr && process == GetCurrentProcessId() && IsWindowVisible(dialog))
        KillTimer(nullptr, timer), AwaitedAct(dialog);
}

void WhenDialog(const char* caption, std::function<void(HWND)> act)
{
    AwaitedCaption = caption, AwaitedAct = act;
    SetTimer(nullptr, 0, 30, LookForDialog);
}

ForegroundWindow::ForegroundWindow()
    : window(CreateWindowExA(0, "EDIT", "Elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 300, 200, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr))
{
    SetForegroundWindow(window), PumpUntil([&] { return active(); }, 5000);
}

std::pair<std::string, long> Accessible(HWND window)
{
    typedef HRESULT(WINAPI * FromWindow)(HWND, DWORD, REFIID, void**);
    static const GUID IAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    FromWindow from = (FromWindow)(void*)GetProcAddress(LoadLibraryA("oleacc.dll"), "AccessibleObjectFromWindow");
    IAccessible* object = nullptr;
    if (from == nullptr || FAILED(from(window, (DWORD)OBJID_CLIENT, IAccessibleId, (void**)&object)))
        return {"<none>", -1};
    VARIANT self, role;
    self.vt = VT_I4, self.lVal = CHILDID_SELF, role.vt = VT_EMPTY, role.lVal = -1;
    BSTR name = nullptr;
    char text[512] = "";
    if (SUCCEEDED(object->get_accName(self, &name)))
        WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof text, nullptr, nullptr), SysFreeString(name);
    object->get_accRole(self, &role);
    object->Release();
    return {text, role.lVal};
}

static BoxAnswerer* Answerer;

// A box's caption and texts joined by "|", and its icon and buttons; false for a dialog with fields, which is no box.
static bool BoxTexts(HWND dialog, std::string& texts, std::string& face)
{
    char text[2048] = "";
    if (!GetClassNameA(dialog, text, sizeof text) || lstrcmpA(text, DialogClass) != 0)
        return false;
    texts = TextOf(dialog);
    std::string icon = "no icon", buttons;
    const struct { LPCSTR id; const char* word; } icons[] = {
        {IDI_HAND, "error"}, {IDI_QUESTION, "question"}, {IDI_EXCLAMATION, "warning"}, {IDI_ASTERISK, "information"}};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        GetClassNameA(child, text, sizeof text);
        const bool label = lstrcmpiA(text, "Static") == 0;
        if (!label && lstrcmpiA(text, "Button") != 0)
            return false;
        // An icon control holds its resource name as text, not words.
        const LONG style = GetWindowLongA(child, GWL_STYLE), type = style & SS_TYPEMASK;
        if (label && type == SS_ICON)
            for (const auto& i : icons)
                icon = (HICON)SendMessageA(child, STM_GETICON, 0, 0) == LoadIconA(nullptr, i.id) ? i.word : icon;
        if (label && type != SS_ICON && type != SS_BITMAP && GetWindowTextA(child, text, sizeof text))
            texts += std::string("|") + text;
        if (!label && (style & WS_VISIBLE) && GetWindowTextA(child, text, sizeof text))
            buttons += std::string("|") + text;
    }
    face = icon + buttons;
    return true;
}

// Looks at each dialog once it is set up, when a box has its texts.
static LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT& call = *reinterpret_cast<CWPRETSTRUCT*>(lParam);
    std::string texts, face;
    if (code == HC_ACTION && call.message == WM_INITDIALOG && BoxTexts(call.hwnd, texts, face)) {
        Answerer->seen += texts + "\n";
        Answerer->faces += face + "\n";
        ++Answerer->opened;
        std::function<void()> run;
        run.swap(Answerer->onNextBox);
        if (run)
            run();
        std::deque<int>& answers = Answerer->answers;
        const int queued = answers.empty() ? IDOK : answers.front();
        if (!answers.empty())
            answers.pop_front();
        Press(call.hwnd, GetDlgItem(call.hwnd, queued) ? queued : IDOK);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BoxAnswerer::BoxAnswerer() : hook(SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBox, nullptr, GetCurrentThreadId()))
{
    Answerer = this;
}

BoxAnswerer::~BoxAnswerer()
{
    UnhookWindowsHookEx(hook);
    Answerer = nullptr;
}

}  // namespace qt

const qt::DisplayScale& qt::CurrentScale()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY), known = dpi == 120 ? 1 : dpi == 144 ? 2 : dpi == 192 ? 3 : 0;
    ReleaseDC(nullptr, screen);
    REQUIRE(Scales[known].dpi == dpi);
    return Scales[known];
}
