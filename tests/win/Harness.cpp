#include "Harness.h"
#include "Fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qv {

// ---------------------------------------------------------------- files

TempDir::TempDir()
{
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static unsigned counter;
    for (;;) {
        char name[MAX_PATH + 64];
        std::snprintf(name, sizeof name, "%sqvtest-%lu-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            break;
        }
    }
}

static void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

TempDir::~TempDir()
{
    RemoveTree(path_);
}

void WriteFile(const std::string& path, const std::string& content)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

std::string ReadFile(const std::string& path)
{
    std::string content;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        content.append(buffer, n);
    std::fclose(f);
    return content;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// ---------------------------------------------------------------- INI

static std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

const std::string* IniSection::find(const std::string& key) const
{
    for (const auto& kv : keys)
        if (lstrcmpiA(kv.first.c_str(), key.c_str()) == 0)
            return &kv.second;
    return nullptr;
}

std::vector<IniSection> ReadIni(const std::string& path)
{
    std::vector<IniSection> ini;
    std::string content = ReadFile(path);
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos)
            end = content.size();
        std::string line = Trim(content.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            ini.push_back({Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
            continue;
        }
        if (ini.empty())
            ini.push_back({"", {}});
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            ini.back().keys.push_back({line, ""});
        else
            ini.back().keys.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
    }
    return ini;
}

const IniSection* FindSection(const std::vector<IniSection>& ini, const std::string& name)
{
    for (const auto& s : ini)
        if (lstrcmpiA(s.name.c_str(), name.c_str()) == 0)
            return &s;
    return nullptr;
}

std::vector<std::string> SectionNames(const std::vector<IniSection>& ini)
{
    std::vector<std::string> names;
    for (const auto& s : ini)
        names.push_back(s.name);
    return names;
}

std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback)
{
    std::vector<char> buffer(200000);
    GetPrivateProfileStringA(section, key, fallback, buffer.data(), (DWORD)buffer.size(), file.c_str());
    return buffer.data();
}

// ---------------------------------------------------------------- boxes

BoxWatcher::BoxWatcher(int answer) : stop_(0), answer_(answer)
{
    InitializeCriticalSection(&lock_);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

BoxWatcher::~BoxWatcher()
{
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    DeleteCriticalSection(&lock_);
}

void BoxWatcher::setAnswer(int answer)
{
    InterlockedExchange(&answer_, answer);
}

std::vector<SeenBox> BoxWatcher::seen() const
{
    EnterCriticalSection(&lock_);
    std::vector<SeenBox> copy = seen_;
    LeaveCriticalSection(&lock_);
    return copy;
}

void BoxWatcher::clear()
{
    EnterCriticalSection(&lock_);
    seen_.clear();
    LeaveCriticalSection(&lock_);
}

bool BoxWatcher::waitFor(size_t count, int milliseconds) const
{
    return PumpUntil([&] { return seen().size() >= count; }, milliseconds);
}

DWORD WINAPI BoxWatcher::Run(void* self)
{
    BoxWatcher* watcher = static_cast<BoxWatcher*>(self);
    while (!watcher->stop_) {
        watcher->poll();
        Sleep(20);
    }
    return 0;
}

struct DialogTexts {
    std::string text;
};

static BOOL CALLBACK CollectStatic(HWND child, LPARAM data)
{
    char cls[64];
    GetClassNameA(child, cls, sizeof cls);
    // An icon or picture control holds its resource name as text, not words.
    const LONG type = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
    if (lstrcmpiA(cls, "Static") == 0 && type != SS_ICON && type != SS_BITMAP) {
        char text[1024];
        GetWindowTextA(child, text, sizeof text);
        auto* texts = reinterpret_cast<DialogTexts*>(data);
        if (text[0] != '\0') {
            if (!texts->text.empty())
                texts->text += "|";
            texts->text += text;
        }
    }
    return TRUE;
}

struct DialogList {
    std::vector<HWND> found;
};

static BOOL CALLBACK CollectDialog(HWND window, LPARAM data)
{
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<DialogList*>(data)->found.push_back(window);
    return TRUE;
}

void BoxWatcher::poll()
{
    DialogList list;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&list));
    for (HWND dialog : list.found) {
        bool known = false;
        for (HWND h : answered_)
            known = known || h == dialog;
        if (known) {
            // still there: answer again (an early answer can be lost while it is built)
        } else {
            SeenBox box;
            char caption[512];
            GetWindowTextA(dialog, caption, sizeof caption);
            box.caption = caption;
            DialogTexts texts;
            EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&texts));
            box.text = texts.text;
            EnterCriticalSection(&lock_);
            seen_.push_back(box);
            LeaveCriticalSection(&lock_);
            answered_.push_back(dialog);
        }
        int answer = answer_;
        HWND button = GetDlgItem(dialog, answer);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)button);
    }
    // forget windows that have gone
    std::vector<HWND> still;
    for (HWND h : answered_)
        if (IsWindow(h))
            still.push_back(h);
    answered_.swap(still);
}

// ---------------------------------------------------------------- help

static std::vector<std::pair<unsigned, std::string>> helpCalls;

FakeHelp::FakeHelp()
{
    static bool registered;
    if (!registered) {
        WNDCLASSA wc;
        ZeroMemory(&wc, sizeof wc);
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MS_WINHELP";
        RegisterClassA(&wc);
        registered = true;
    }
    helpCalls.clear();
    window_ = CreateWindowExA(0, "MS_WINHELP", "Help stand-in", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

FakeHelp::~FakeHelp()
{
    DestroyWindow(window_);
}

std::vector<std::pair<unsigned, std::string>> FakeHelp::calls() const
{
    return helpCalls;
}

void FakeHelp::clear()
{
    helpCalls.clear();
}

LRESULT CALLBACK FakeHelp::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const unsigned char* bytes = static_cast<const unsigned char*>(data->lpData);
        unsigned command = 0;
        std::string file;
        if (bytes != nullptr && data->cbData >= 16) {
            WORD words[8];
            std::memcpy(words, bytes, 16);
            command = words[1];
            WORD offset = words[6];
            if (offset != 0 && offset < data->cbData)
                file.assign(reinterpret_cast<const char*>(bytes + offset),
                            strnlen(reinterpret_cast<const char*>(bytes + offset), data->cbData - offset));
        }
        helpCalls.push_back({command, file});
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// ---------------------------------------------------------------- bar

void Pump(int milliseconds)
{
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while ((int)(GetTickCount() - start) < milliseconds);
}

bool StartBar(const std::string& commandLine, int showCommand)
{
    static bool registered;
    if (!registered) {
        registered = RegisterBarClass(GetModuleHandleA(nullptr));
        if (!registered)
            return false;
    }
    bool ok = CreateBarWindow(GetModuleHandleA(nullptr), commandLine.c_str(), showCommand);
    Pump(50);
    return ok;
}

void ResetLauncher()
{
    if (PopupMenu != nullptr) {
        DestroyMenu(PopupMenu);
        PopupMenu = nullptr;
    }
    if (BarState.BarWindow != nullptr && IsWindow(BarState.BarWindow))
        DestroyWindow(BarState.BarWindow);
    for (int slot = 0; slot < MaxButtons; ++slot) {
        if (ButtonTable[slot] != nullptr) {
            if (ButtonTable[slot]->Icon != nullptr)
                DestroyIcon(ButtonTable[slot]->Icon);
            FreeButton(ButtonTable[slot]);
            ButtonTable[slot] = nullptr;
        }
    }
    if (SeparatorPen != nullptr) {
        DeleteObject(SeparatorPen);
        SeparatorPen = nullptr;
    }
    ButtonCount = 0;
    FallbackIconCounter = 0;
    PopupSlot = 0;
    HelpOpen = false;
    bool hasWorkArea = BarState.HasWorkArea;
    ZeroMemory(&BarState, sizeof BarState);
    BarState.HasWorkArea = hasWorkArea;
    Pump(20);
}

RECT WindowRect(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return r;
}

BarRect WorkArea()
{
    BarRect w;
    GetWorkArea(&w);
    return w;
}

WorkAreaGuard::WorkAreaGuard(const RECT& area)
{
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved_, 0);
    RECT r = area;
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &r, 0);
}

WorkAreaGuard::~WorkAreaGuard()
{
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0);
}

// ---------------------------------------------------------------- pixels

Capture::Capture(int left, int top, int width, int height) : width_(width), height_(height)
{
    pixels_.assign((size_t)width * height, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels_.data(), bits, pixels_.size() * 4);
    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Capture::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    unsigned p = pixels_[(size_t)y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Capture::saveBmp(const std::string& path) const
{
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    ZeroMemory(&file, sizeof file);
    ZeroMemory(&info, sizeof info);
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + (DWORD)(pixels_.size() * 4);
    std::string content(reinterpret_cast<const char*>(&file), sizeof file);
    content.append(reinterpret_cast<const char*>(&info), sizeof info);
    // Opaque pixels: viewers take a zero alpha byte for transparent.
    std::vector<unsigned> opaque(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); ++i)
        opaque[i] = 0xFF000000u | pixels_[i];
    content.append(reinterpret_cast<const char*>(opaque.data()), opaque.size() * 4);
    WriteFile(path, content);
    return FileExists(path);
}

// ---------------------------------------------------------------- programs

std::string ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\'));
}

std::string RecorderPath()
{
    return ProgramFolder() + "\\recorder.exe";
}

void WriteIconFile(const std::string& path, COLORREF fill, COLORREF frame)
{
    const int size = 32;
    std::string image;
    BITMAPINFOHEADER info;
    ZeroMemory(&info, sizeof info);
    info.biSize = sizeof info;
    info.biWidth = size;
    info.biHeight = size * 2;
    info.biPlanes = 1;
    info.biBitCount = 32;
    image.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int row = size - 1; row >= 0; --row) {  // bottom-up
        for (int x = 0; x < size; ++x) {
            bool edge = row == 0 || x == 0 || row == size - 1 || x == size - 1;
            COLORREF c = edge ? frame : fill;
            unsigned char bgra[4] = {GetBValue(c), GetGValue(c), GetRValue(c), 255};
            image.append(reinterpret_cast<const char*>(bgra), 4);
        }
    }
    image.append((size_t)size * 4, '\0');  // AND mask: all opaque
    std::string ico;
    WORD header[3] = {0, 1, 1};
    ico.append(reinterpret_cast<const char*>(header), sizeof header);
    unsigned char entry[16] = {size, size, 0, 0, 1, 0, 32, 0};
    DWORD bytes = (DWORD)image.size(), offset = 6 + 16;
    std::memcpy(entry + 8, &bytes, 4);
    std::memcpy(entry + 12, &offset, 4);
    ico.append(reinterpret_cast<const char*>(entry), sizeof entry);
    ico += image;
    WriteFile(path, ico);
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
    static bool done;
    if (done)
        return;
    std::string command = "\"" + RecorderPath() + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".qvdoc", REG_SZ, "QuenvoletTestDocument", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "QuenvoletTestDocument\\shell\\open\\command", REG_SZ,
                 command.c_str(), 0);
    done = true;
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
