#include "Files.h"

#include <shellapi.h>

#include <cstdio>
#include <fstream>
#include <iterator>

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

static BoxAnswerer* Answerer;

// A box's caption and texts joined by "|", and its icon and buttons; false for a dialog with fields, which is no box.
static bool BoxTexts(HWND dialog, std::string& texts, std::string& face)
{
    char text[2048] = "";
    if (!GetClassNameA(dialog, text, sizeof text) || lstrcmpA(text, "#32770") != 0)
        return false;
    GetWindowTextA(dialog, text, sizeof text);
    texts = text;
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
        int answer = answers.empty() ? IDOK : answers.front();
        if (!answers.empty())
            answers.pop_front();
        answer = GetDlgItem(call.hwnd, answer) ? answer : IDOK;
        PostMessageA(call.hwnd, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(call.hwnd, answer));
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
