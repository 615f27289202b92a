#include "EditorHarness.h"

#include "IconGrid.h"
#include "forms/ChangeIconForm.h"
#include "forms/MainForm.h"
#include "forms/ModifyForm.h"

#include <cstdio>

namespace qe {

TempDir::TempDir(const char* subfolder)
{
    char base[MAX_PATH], name[MAX_PATH];
    GetTempPathA(sizeof base, base);
    GetTempFileNameA(base, "qve", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    root_ = path_ = name;
    if (subfolder) {
        path_ += "\\" + std::string(subfolder);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
}

static void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

TempDir::~TempDir()
{
    RemoveTree(root_);
}

void WriteFile(const std::string& path, const std::string& content)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

std::string ReadFile(const std::string& path)
{
    std::string content;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        content.append(buffer, n);
    std::fclose(f);
    return content;
}

std::string Section(const std::string& name)
{
    return "[" + name + "]\r\n";
}

std::string Key(const std::string& key, const std::string& value)
{
    return key + "=" + value + "\r\n";
}

std::string Profile(const std::string& file, const char* section, const char* key)
{
    std::vector<char> value(20000);
    GetPrivateProfileStringA(section, key, "<absent>", value.data(), (DWORD)value.size(), file.c_str());
    return value.data();
}

std::vector<std::string> SectionNames(const std::string& file)
{
    std::vector<char> names(20000);
    const DWORD length = GetPrivateProfileSectionNamesA(names.data(), (DWORD)names.size(), file.c_str());
    std::vector<std::string> result;
    for (DWORD i = 0; i < length; i += (DWORD)result.back().size() + 1)
        result.push_back(&names[i]);
    return result;
}

void WriteIconFile(const std::string& path, COLORREF colour)
{
    const int size = 32;
    std::string ico;
    auto put16 = [&](unsigned v) { ico += (char)(v & 0xFF); ico += (char)(v >> 8); };
    auto put32 = [&](unsigned v) { put16(v & 0xFFFF); put16(v >> 16); };
    const unsigned image = 40 + size * size * 4 + size * 4;
    put16(0); put16(1); put16(1);
    ico += (char)size; ico += (char)size; ico += '\0'; ico += '\0';
    put16(1); put16(32); put32(image); put32(22);
    put32(40); put32(size); put32(size * 2); put16(1); put16(32);
    put32(0); put32(size * size * 4); put32(0); put32(0); put32(0); put32(0);
    for (int i = 0; i < size * size; ++i)
        put32(0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
    ico += std::string(size * 4, '\0');  // the mask: every pixel drawn
    WriteFile(path, ico);
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string EditorProgram()
{
    char path[MAX_PATH];
    const std::string relative = ProgramFolder() + "\\..\\editor\\bin\\QVconfig.exe";
    GetFullPathNameA(relative.c_str(), sizeof path, path, nullptr);
    return path;
}

struct GridSearch {
    DWORD processId;
    HWND grid;
};

static BOOL CALLBACK FindGridIn(HWND window, LPARAM data)
{
    GridSearch& search = *reinterpret_cast<GridSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.processId && !search.grid)
        search.grid = FindWindowExA(window, nullptr, IconGridClass, nullptr);
    return TRUE;
}

HWND FindEditorGrid(DWORD processId)
{
    GridSearch search = {processId, nullptr};
    EnumWindows(FindGridIn, reinterpret_cast<LPARAM>(&search));
    return search.grid;
}

// ---------------------------------------------------------------- boxes

BoxAnswerer::BoxAnswerer() : stop_(0)
{
    InitializeCriticalSection(&lock_);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

BoxAnswerer::~BoxAnswerer()
{
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    DeleteCriticalSection(&lock_);
}

void BoxAnswerer::answer(std::initializer_list<int> answers)
{
    EnterCriticalSection(&lock_);
    answers_.assign(answers.begin(), answers.end());
    LeaveCriticalSection(&lock_);
}

std::vector<SeenBox> BoxAnswerer::seen() const
{
    EnterCriticalSection(&lock_);
    std::vector<SeenBox> copy = seen_;
    LeaveCriticalSection(&lock_);
    return copy;
}

void BoxAnswerer::clear()
{
    EnterCriticalSection(&lock_);
    seen_.clear();
    LeaveCriticalSection(&lock_);
}

DWORD WINAPI BoxAnswerer::Run(void* self)
{
    BoxAnswerer* answerer = static_cast<BoxAnswerer*>(self);
    while (!answerer->stop_) {
        answerer->poll();
        Sleep(20);
    }
    return 0;
}

static BOOL CALLBACK CollectBox(HWND window, LPARAM data)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char cls[32];
    GetClassNameA(window, cls, sizeof cls);
    // the main form is a dialog too; it is the one with the icon grid
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(cls, "#32770") == 0 &&
        !FindWindowExA(window, nullptr, IconGridClass, nullptr) && !GetDlgItem(window, IDC_EXEFILENAME))
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

static BOOL CALLBACK CollectText(HWND child, LPARAM data)
{
    char cls[32], text[2048];
    GetClassNameA(child, cls, sizeof cls);
    const LONG type = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
    if (lstrcmpiA(cls, "Static") == 0 && type != SS_ICON && GetWindowTextA(child, text, sizeof text) > 0) {
        std::string& all = *reinterpret_cast<std::string*>(data);
        all += (all.empty() ? "" : "|") + std::string(text);
    }
    return TRUE;
}

void BoxAnswerer::poll()
{
    std::vector<HWND> boxes;
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&boxes));
    for (HWND box : boxes) {
        bool known = false;
        for (HWND h : answered_)
            known = known || h == box;
        if (known)
            continue;  // answered already, on its way out
        SeenBox seen;
        char caption[512];
        GetWindowTextA(box, caption, sizeof caption);
        seen.caption = caption;
        EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&seen.text));
        EnterCriticalSection(&lock_);
        seen_.push_back(seen);
        int answer = IDOK;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        LeaveCriticalSection(&lock_);
        if (!GetDlgItem(box, answer))
            answer = IDOK;
        answered_.push_back(box);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(box, answer));
    }
    std::vector<HWND> still;
    for (HWND h : answered_)
        if (IsWindow(h))
            still.push_back(h);
    answered_.swap(still);
}

void Pump(int milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while ((int)(GetTickCount() - start) < milliseconds);
}

// ---------------------------------------------------------------- form

EditorForm::EditorForm(const std::string& parameters)
{
    started = StartMainForm(form, ("QVconfig.exe " + parameters).c_str());
    Pump(20);
}

EditorForm::~EditorForm()
{
    if (form.Handle) {
        form.Modified = false;
        DestroyWindow(form.Handle);
    }
    Pump(20);
}

void EditorForm::click(int id)
{
    SendMessageA(form.Handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)control(id));
    Pump(10);
}

void EditorForm::key(int id, WPARAM virtualKey)
{
    SendMessageA(control(id), WM_KEYDOWN, virtualKey, 1);
    SendMessageA(control(id), WM_KEYUP, virtualKey, 0xC0000001);
    Pump(10);
}

std::string EditorForm::text(int id) const
{
    char text[2048] = "";
    GetWindowTextA(control(id), text, sizeof text);
    return text;
}

RECT EditorForm::rect(int id) const
{
    RECT r;
    GetWindowRect(control(id), &r);
    return r;
}

int EditorForm::grid(UINT message) const
{
    return (int)SendMessageA(control(IDC_ICONGRID), message, 0, 0);
}

std::string IconButtons(const TempDir& folder, int count)
{
    static const COLORREF colours[] = {RGB(220, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220), RGB(230, 200, 0),
                                       RGB(160, 0, 160), RGB(0, 160, 160)};
    std::string text;
    for (int i = 0; i < count; ++i) {
        const std::string icon = folder.file("icon" + std::to_string(i) + ".ico");
        WriteIconFile(icon, colours[i % 6]);
        text += Section("Button" + std::to_string(i + 1)) + Key("Filename", "program" + std::to_string(i) + ".exe") +
                Key("IconFile", icon);
    }
    return text;
}

// ---------------------------------------------------------------- dialogs

static DialogDriver* ActiveDriver;

DialogDriver::DialogDriver(std::vector<Step> steps, int timeoutMs)
    : steps_(std::move(steps)), deadline_(GetTickCount() + (DWORD)timeoutMs)
{
    ActiveDriver = this;
    timer_ = SetTimer(nullptr, 0, 40, Tick);
}

DialogDriver::~DialogDriver()
{
    KillTimer(nullptr, timer_);
    ActiveDriver = nullptr;
}

struct DialogSearch {
    bool enabledOnly;
    HWND found;
};

static BOOL CALLBACK FindDialogIn(HWND window, LPARAM data)
{
    DialogSearch& search = *reinterpret_cast<DialogSearch*>(data);
    const bool ours = GetDlgItem(window, IDC_EXEFILENAME) || GetDlgItem(window, IDC_ICONFILENAME);
    if (ours && IsWindowVisible(window) && (!search.enabledOnly || IsWindowEnabled(window))) {
        // the change icon dialog lies above the properties dialog that opened it
        if (!search.found || GetDlgItem(window, IDC_ICONFILENAME))
            search.found = window;
    }
    return TRUE;
}

HWND TopDialog(bool enabledOnly)
{
    DialogSearch search = {enabledOnly, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindDialogIn, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    DialogDriver* driver = ActiveDriver;
    if (!driver)
        return;
    if ((int)(GetTickCount() - driver->deadline_) > 0) {
        driver->timedOut_ = true;
        driver->next_ = driver->steps_.size();
        if (HWND dialog = TopDialog(false))
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (driver->finished())
        return;
    HWND dialog = TopDialog(true);
    if (!dialog)
        return;
    // a step may open a dialog of its own, whose loop runs the next step
    Step step = driver->steps_[driver->next_++];
    step(dialog);
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

void ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    SetFocus(button);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
}

bool SaveWindowBmp(HWND window, const std::string& path)
{
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    // the screen leaves the fourth byte empty; viewers read it as transparency
    for (int i = 0; i < width * height; ++i)
        static_cast<unsigned*>(bits)[i] |= 0xFF000000u;
    BITMAPFILEHEADER file;
    ZeroMemory(&file, sizeof file);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + (DWORD)(width * height * 4);
    std::string content((const char*)&file, sizeof file);
    content.append((const char*)&info.bmiHeader, sizeof info.bmiHeader);
    content.append((const char*)bits, (size_t)width * height * 4);
    WriteFile(path, content);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bits != nullptr;
}

}  // namespace qe
