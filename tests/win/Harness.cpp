#include "Fixture.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace qv {

TempDir::TempDir()
{
    char base[MAX_PATH], name[MAX_PATH + 64];
    GetTempPathA(sizeof base, base);
    static unsigned counter;
    do
        std::snprintf(name, sizeof name, "%sqvtest-%lu-%u", base, GetCurrentProcessId(), ++counter);
    while (!CreateDirectoryA(name, nullptr));
    path_ = name;
}

TempDir::~TempDir()
{
    std::string from = path_ + '\0';  // a list of names, ended by an empty one
    SHFILEOPSTRUCTA remove = {nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, FALSE, nullptr, nullptr};
    SHFileOperationA(&remove);
}

void WriteFile(const std::string& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

std::string ReadFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback)
{
    std::vector<char> buffer(300000);
    DWORD n = GetPrivateProfileStringA(section, key, fallback, buffer.data(), (DWORD)buffer.size(), file.c_str());
    std::string value(buffer.data(), section != nullptr && key != nullptr ? std::strlen(buffer.data()) : n);
    std::replace(value.begin(), value.end(), '\0', '|');  // a list's names are zero-separated
    return value.empty() || value.back() != '|' ? value : value.substr(0, value.size() - 1);
}

BoxWatcher::BoxWatcher(int answer) : stop_(0), answer_(answer)
{
    InitializeCriticalSection(&lock_);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

BoxWatcher::~BoxWatcher()
{
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    DeleteCriticalSection(&lock_);
}

struct Locked {
    CRITICAL_SECTION* lock;
    explicit Locked(CRITICAL_SECTION* l) : lock(l) { EnterCriticalSection(lock); }
    ~Locked() { LeaveCriticalSection(lock); }
};

std::vector<SeenBox> BoxWatcher::seen() const { Locked held(&lock_); return seen_; }

void BoxWatcher::clear() { Locked held(&lock_); seen_.clear(); }

bool BoxWatcher::waitFor(size_t count, int milliseconds) const
{
    return PumpUntil([&] { return seen().size() >= count; }, milliseconds);
}

static BOOL CALLBACK CollectText(HWND child, LPARAM texts)
{
    char cls[64], text[1024];
    GetClassNameA(child, cls, sizeof cls);
    // An icon control holds its resource name as text, not words.
    const LONG type = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
    if (lstrcmpiA(cls, "Static") == 0 && type != SS_ICON && type != SS_BITMAP && GetWindowTextA(child, text, sizeof text))
        *reinterpret_cast<std::string*>(texts) += std::string("|") + text;
    return TRUE;
}

static BOOL CALLBACK CollectDialog(HWND window, LPARAM found)
{
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

DWORD WINAPI BoxWatcher::Run(void* self)
{
    auto* watcher = static_cast<BoxWatcher*>(self);
    for (std::vector<HWND> answered, found; !watcher->stop_; answered.swap(found), found.clear(), Sleep(20)) {
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
        for (HWND dialog : found) {
            if (std::find(answered.begin(), answered.end(), dialog) == answered.end()) {
                char caption[512];
                GetWindowTextA(dialog, caption, sizeof caption);
                std::string texts;
                EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&texts));
                Locked held(&watcher->lock_);
                watcher->seen_.push_back({caption, texts.empty() ? texts : texts.substr(1)});
            }
            // Answered again while it stays: an early answer can be lost while the box is built.
            const int answer = watcher->answer_;
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(dialog, answer));
        }
    }
    return 0;
}

static std::vector<std::pair<unsigned, std::string>> helpCalls;

// WinHelp sends a block with the command in word 1 and the file's offset in word 6.
static LRESULT CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || data->cbData < 16)
        return DefWindowProcA(window, message, wParam, lParam);
    const WORD* words = static_cast<const WORD*>(data->lpData);
    const char* file = words[6] != 0 && words[6] < data->cbData ? (const char*)data->lpData + words[6] : "";
    helpCalls.push_back({words[1], std::string(file, strnlen(file, data->cbData - words[6]))});
    return TRUE;
}

FakeHelp::FakeHelp()
{
    WNDCLASSA wc = {0, HelpProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "MS_WINHELP"};
    RegisterClassA(&wc);  // fails harmlessly the second time
    helpCalls.clear();
    window = CreateWindowExA(0, "MS_WINHELP", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
}

std::vector<std::pair<unsigned, std::string>> FakeHelp::calls() const { return helpCalls; }

void Pump(int milliseconds)
{
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        Sleep(5);
    } while ((int)(GetTickCount() - start) < milliseconds);
}

bool StartBar(const std::string& commandLine, int showCommand)
{
    static bool registered = RegisterBarClass(GetModuleHandleA(nullptr));
    bool ok = registered && CreateBarWindow(GetModuleHandleA(nullptr), commandLine.c_str(), showCommand);
    Pump(50);
    return ok;
}

void ResetLauncher()
{
    if (PopupMenu != nullptr)
        DestroyMenu(PopupMenu);
    if (BarState.BarWindow != nullptr && IsWindow(BarState.BarWindow))
        DestroyWindow(BarState.BarWindow);
    for (LauncherButton*& button : ButtonTable)
        if (button != nullptr)
            ReleaseButton(button), button = nullptr;
    DeleteObject(SeparatorPen);
    SeparatorPen = nullptr;
    PopupMenu = nullptr;
    ButtonCount = FallbackIconCounter = PopupSlot = 0;
    HelpOpen = false;
    const bool hasWorkArea = BarState.HasWorkArea;
    BarState = TBarState();
    BarState.HasWorkArea = hasWorkArea;
    Pump(20);
}

RECT WindowRect(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return r;
}

Capture::Capture(int left, int top, int width, int height) : w(width), h(height)
{
    HDC screen = GetDC(nullptr);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(GetPixel(screen, left + x, top + y));
    ReleaseDC(nullptr, screen);
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, std::strrchr(path, '\\'));
}

std::string RecorderPath() { return ProgramFolder() + "\\recorder.exe"; }

void WriteIconFile(const std::string& path, COLORREF fill, COLORREF frame)
{
    const int size = 32;
    const BITMAPINFOHEADER info = {sizeof info, size, size * 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const unsigned bytes = sizeof info + size * size * 4 + size * 4;  // image, colours and mask
    const unsigned char header[22] = {0, 0, 1, 0, 1, 0, size, size, 0, 0, 1, 0, 32, 0, (unsigned char)bytes,
                                      (unsigned char)(bytes >> 8), 0, 0, 22, 0, 0, 0};
    std::string ico = std::string((const char*)header, sizeof header) + std::string((const char*)&info, sizeof info);
    for (int i = 0; i < size * size; ++i) {
        const int x = i % size, y = i / size;
        const COLORREF c = x == 0 || y == 0 || x == size - 1 || y == size - 1 ? frame : fill;
        ico += {(char)GetBValue(c), (char)GetGValue(c), (char)GetRValue(c), (char)255};
    }
    WriteFile(path, ico + std::string(size * 4, '\0'));  // the AND mask: all opaque
}

static std::map<std::string, std::string> ParseRecord(const std::string& content)
{
    std::map<std::string, std::string> record;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(pos, end - pos);
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            record[line.substr(0, eq)] = line.substr(eq + 1);
        pos = end + 1;
    }
    return record;
}

std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds)
{
    // The folder tells when a file appears in it; the time-out is only a last resort.
    std::string folder = path.substr(0, path.find_last_of('\\'));
    HANDLE change = FindFirstChangeNotificationA(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    std::map<std::string, std::string> record;
    const DWORD start = GetTickCount();
    for (;;) {
        record = ParseRecord(ReadFile(path));
        if (record.count("end") != 0)
            break;
        const DWORD spent = GetTickCount() - start;
        if ((int)spent >= milliseconds) {
            record.clear();
            break;
        }
        DWORD slice = (DWORD)milliseconds - spent;
        if (slice > 200)
            slice = 200;
        if (change != INVALID_HANDLE_VALUE) {
            if (MsgWaitForMultipleObjects(1, &change, FALSE, slice, QS_ALLINPUT) == WAIT_OBJECT_0)
                FindNextChangeNotification(change);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_ALLINPUT);
        }
        Pump(0);
    }
    if (change != INVALID_HANDLE_VALUE)
        FindCloseChangeNotification(change);

    // The recorder's end, so that it neither outlives its folder nor overlaps the next case.
    if (!record.empty()) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, (DWORD)std::strtoul(record["pid"].c_str(), nullptr, 10));
        if (process != nullptr) {
            const DWORD spent = GetTickCount() - start;
            DWORD left = (int)spent < milliseconds ? (DWORD)milliseconds - spent : 0;
            while (MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
                Pump(0);
                const DWORD now = GetTickCount() - start;
                left = (int)now < milliseconds ? (DWORD)milliseconds - now : 0;
            }
            CloseHandle(process);
        }
    }
    return record;
}

}  // namespace qv

namespace qv {

void RegisterRecorderDocuments()
{
    std::string command = "\"" + RecorderPath() + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".qvdoc", REG_SZ, "QuenvoletTestDocument", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "QuenvoletTestDocument\\shell\\open\\command", REG_SZ, command.c_str(), 0);
}

BesideProgram::BesideProgram(const std::string& name, bool present)
    : path_(ProgramFolder() + "\\" + name), setAside_(false)
{
    if (FileExists(path_))
        setAside_ = MoveFileExA(path_.c_str(), (path_ + ".aside").c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (present)
        WriteFile(path_, "Help for the tests of Quenvolet\r\n");
}

BesideProgram::~BesideProgram()
{
    DeleteFileA(path_.c_str());
    if (setAside_)
        MoveFileExA((path_ + ".aside").c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace qv
