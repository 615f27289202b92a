// The bar as its own program: started with no file it shows its default
// caption, ends cleanly when closed and saves into an INI file beside it.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("process")
{
    TEST_CASE("a bar started without a file names itself and saves beside its program")
    {
        TempDir dir;
        const std::string exe = dir.file("Quenvolt.exe");
        REQUIRE(CopyFileA((ProgramFolder() + "\\Quenvolt.exe").c_str(), exe.c_str(), FALSE));
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION process = {};
        std::string line = "\"" + exe + "\"";
        REQUIRE(CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, dir.path().c_str(), &startup, &process));
        WaitForInputIdle(process.hProcess, 10000);
        HWND found = nullptr;
        PumpUntil([&] {
            DWORD owner = 0;
            found = FindWindowA(BarClassName, nullptr);
            return found != nullptr && GetWindowThreadProcessId(found, &owner) && owner == process.dwProcessId;
        });
        char caption[100] = "";
        GetWindowTextA(found, caption, sizeof caption);
        CHECK(std::string(caption) == "Quenvolet");
        PostMessageA(found, WM_CLOSE, 0, 0);
        CHECK(WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CHECK(code == 0);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        CHECK(Profile(dir.file("Quenvolt.INI"), "Window", "AlwaysOnTop") == "False");
    }
}
