// The bar as its own program: started with no file and no command line it
// shows its default caption, and its first save creates the file beside it.
#include "Fixture.h"

using namespace qv;

namespace {

struct FindBar {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindBarWindow(HWND window, LPARAM data)
{
    auto* find = reinterpret_cast<FindBar*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (owner == find->process && lstrcmpA(cls, BarClassName) == 0) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TEST_SUITE("process")
{
    TEST_CASE("a bar started without a file names itself and saves beside its program")
    {
        TempDir dir;
        std::string exe = dir.file("Quenvolt.exe");
        REQUIRE(CopyFileA((ProgramFolder() + "\\Quenvolt.exe").c_str(), exe.c_str(), FALSE));
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        std::string line = "\"" + exe + "\"";
        REQUIRE(CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, dir.path().c_str(),
                               &startup, &process));
        FindBar find = {process.dwProcessId, nullptr};
        PumpUntil([&] {
            EnumWindows(FindBarWindow, reinterpret_cast<LPARAM>(&find));
            return find.found != nullptr;
        });
        REQUIRE(find.found != nullptr);
        char caption[100] = "";
        GetWindowTextA(find.found, caption, sizeof caption);
        CHECK(std::string(caption) == "Quenvolet");

        PostMessageA(find.found, WM_CLOSE, 0, 0);
        CHECK(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CHECK(code == 0);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);

        std::string ini = dir.file("Quenvolt.INI");
        REQUIRE(FileExists(ini));
        CHECK(Profile(ini, "Window", "AlwaysOnTop") == "False");
    }
}
