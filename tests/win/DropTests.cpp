// Files dropped onto the bar: real drop blocks and shortcuts, and the recorder a button starts with names.
#include "Fixture.h"

#include <shlobj.h>

#include <cstring>

using namespace qv;

// Hands the names over as the shell does, at (x, y) of the bar's client area (the caption by default).
static HGLOBAL Drop(const Texts& names, int x = 5, int y = -3)
{
    std::string files;
    for (const std::string& n : names)
        files += n + '\0';
    HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + files.size() + 1);  // zeroed: the list's end is there
    DROPFILES* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {x, y};
    std::memcpy(header + 1, files.data(), files.size());
    GlobalUnlock(block);
    SendMessageA(BarState.BarWindow, WM_DROPFILES, (WPARAM)block, 0);
    return block;
}

// Writes a shortcut file with the shell-link object.
static void MakeShortcut(const std::string& path, const std::string& target, const char* arguments,
                         const char* directory, const char* icon)
{
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    REQUIRE(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link) == S_OK);
    REQUIRE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void**)&file)));
    link->SetPath(target.c_str()), link->SetArguments(arguments);
    link->SetWorkingDirectory(directory), link->SetIconLocation(icon, 0);
    CHECK(SUCCEEDED(file->Save(std::wstring(path.begin(), path.end()).c_str(), TRUE)));  // the paths are ASCII
    file->Release(), link->Release(), CoUninitialize();
}

TEST_SUITE("drop")
{
    TEST_CASE_FIXTURE(BarFixture, "names dropped onto a button reach its program in full, else relative, else a box")
    {
        const std::string recorder = RecorderPath(), record = recordAs("drop.rec");
        REQUIRE(start(Buttons(recorder, {"", "-p"})));
        // right of the separator, onto the second button; too long in full, the name alone fits
        const std::string name = "a " + std::string(130 - recorder.size(), 'n');
        Drop({dir.file(name)}, BarState.CellWidth + 1, 3);
        auto seen = WaitForRecord(record);
        CHECK(seen["cmdline"] == recorder + " -p \"" + name + "\"");
        CHECK(SamePath(seen["cwd"], dir.path()));
        // Too long in either form: a box, and another drop that comes while it is open waits for it.
        int countWhileBoxOpen = -1;
        boxes.onNextBox = [&] { Drop({recorder}), countWhileBoxOpen = ButtonCount; };
        Drop({dir.file(std::string(138 - recorder.size(), 'x'))}, 3, 3);
        CHECK(boxes.seen == "Cannot run program|Name(s) of file(s) dropped too long for command line\n");
        CHECK(countWhileBoxOpen == 2);
        CHECK(PumpUntil([] { return ButtonCount == 3; }));
        // A drop held behind a box is freed when the bar goes before the box.
        HGLOBAL held = nullptr;
        boxes.onNextBox = [&] { held = Drop({recorder}), PostMessageA(bar(), WM_CLOSE, 0, 0); };
        Drop({dir.file(std::string(138 - recorder.size(), 'x'))}, 3, 3);
        CHECK_FALSE(IsWindow(bar()));
        CHECK(GlobalSize(held) == 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "files and shortcuts dropped onto the bar become buttons, saved by the next save")
    {
        const std::string recorder = RecorderPath(), doc = document("shopping list.qvdoc"), icon = dir.file("blue.ico");
        CopyFileA(IconOf(1).c_str(), icon.c_str(), FALSE);
        SetEnvironmentVariableA("QVDROP", dir.path().c_str());
        SetEnvironmentVariableA("QVLETTER", "shopping list");
        MakeShortcut(dir.file("program.lnk"), recorder, "-a \"b c\"", dir.path().c_str(), icon.c_str());
        // The shell-link object makes a target without a drive absolute, so the name stands inside it.
        MakeShortcut(dir.file("names.LNK"), dir.file("%QVLETTER%.qvdoc"), "-x", "%QVDROP%%QVNOWHERE%",
                     "%QVDROP%\\blue.ico");
        REQUIRE(start(Buttons(recorder, {""})));

        Drop({doc, recorder, dir.file("program.lnk"), dir.file("names.LNK")});
        CHECK(boxes.seen.empty());
        REQUIRE(ButtonCount == 5);
        struct Row { std::string parameters, directory, iconFile; bool document; } rows[] = {
            {"\"" + doc + "\"", "", "progman.exe", true},  // the recorder has no icon of its own
            {"", "", "progman.exe", false},
            {"-a \"b c\"", dir.path(), icon, false},  // what the shortcut says
            {"\"" + doc + "\" -x", dir.path(), icon, true},
        };
        for (int s = 1; s < ButtonCount; ++s) {
            CAPTURE(s);
            const Row& r = rows[s - 1];
            CHECK(SamePath(slot(s)->ProgramPath, recorder));
            CHECK(slot(s)->Parameters == r.parameters);
            CHECK(SamePath(slot(s)->DefaultDirectory, r.directory));
            CHECK(SamePath(slot(s)->IconFile, r.iconFile));
            CHECK(slot(s)->Document == r.document);
        }
        // The document reaches its program as one argument, and so after the file too.
        const std::string record = recordAs("document.rec");
        SendMessageA(slot(1)->ButtonWindow, BM_CLICK, 0, 0);
        CHECK(WaitForRecord(record)["cmdline"] == recorder + " \"" + doc + "\"");
        menu(IDM_SAVESETTINGS);
        CHECK(Profile(ini, "Button2", "Parameters") == "\"" + doc + "\"");
        CHECK(Profile(ini, "Button5", "Parameters") == "\"" + doc + "\" -x");
    }

    TEST_CASE_FIXTURE(BarFixture, "a file that gives no button is told; the files before it stay, those after are left")
    {
        const std::string recorder = RecorderPath(), garbage = dir.file("garbage.lnk");
        const std::string longDocument = document(std::string(150, 'n') + ".qvdoc");
        const std::string tooLong = dir.file(std::string(300, 'n') + ".qvdoc"), why = "The document name is too long for a button:\n";
        WriteFile(garbage, std::string(300, 'Z'));
        struct Row { int buttons; std::string dropped, box; } rows[] = {
            {5, garbage, "Cannot add icon|Don't know how to handle shortcut:\n" + garbage},
            {5, longDocument, "Cannot add icon|" + why + longDocument},
            {5, tooLong, "Cannot add icon|" + why + "..." + tooLong.substr(tooLong.size() - (255 - why.size() - 3))},
            {23, recorder, "Sorry|No more free buttons"},
            {5, recorder, "Sorry|Maximum window size reached"},
        };
        for (const Row& r : rows) {
            CAPTURE(r.box);
            REQUIRE(start(Buttons(recorder, Texts(r.buttons))));
            // room for one button more, on a bar wider than its least width
            const RECT before = WindowRect(bar());
            const int grown = before.right - before.left + BarState.CellWidth + 1;
            WorkAreaGuard guard({0, 0, grown + 10, 1000});
            MoveWindow(bar(), 0, 200, before.right - before.left, before.bottom - before.top, TRUE);
            Drop({recorder, r.dropped, recorder});
            CHECK(ButtonCount == r.buttons + 1);
            CHECK(WindowRect(bar()).right == grown);
            CHECK(boxes.seen == r.box + "\n");
        }
    }
}
