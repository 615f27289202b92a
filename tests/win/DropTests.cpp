// Files dropped onto the bar: real drop blocks sent as WM_DROPFILES, real
// shortcuts made with the shell-link object, and the recorder started by a
// button that received names.
#include "Fixture.h"

#include <shlobj.h>

#include <cstring>

using namespace qv;

namespace {

using Record = std::map<std::string, std::string>;
using Names = std::vector<std::string>;

// A started program may take long to show up on a loaded machine.
const int RecordWait = 30000;

// A drop block as the shell hands it over: the names at (x, y) of the bar's
// client area.
HDROP MakeDrop(const Names& names, int x, int y)
{
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& n : names)
        bytes += n.size() + 1;
    HGLOBAL block = GlobalAlloc(GHND, bytes);
    DROPFILES* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt.x = x;
    header->pt.y = y;
    header->fNC = FALSE;
    header->fWide = FALSE;
    char* p = reinterpret_cast<char*>(header + 1);
    for (const std::string& n : names) {
        std::memcpy(p, n.c_str(), n.size() + 1);
        p += n.size() + 1;
    }
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

// Drops names at (x, y); the bar frees the block.
void Drop(HWND bar, const Names& names, int x, int y)
{
    SendMessageA(bar, WM_DROPFILES, (WPARAM)MakeDrop(names, x, y), 0);
}

// Drops names onto the bar's caption.
void DropOnBar(HWND bar, const Names& names)
{
    Drop(bar, names, 5, -3);
}

// Drops names onto slot 0 and returns what its program saw.
Record DropOnFirst(BarFixture& f, const Names& names)
{
    static int counter;
    std::string record = RecordInto(f, ("drop" + std::to_string(++counter) + ".rec").c_str());
    Drop(f.bar(), names, 3, 3);
    return WaitForRecord(record, RecordWait);
}

struct Shortcut {
    std::string target;
    std::string arguments;
    std::string directory;
    std::string icon;
};

// Writes a shortcut file with the shell-link object.
bool MakeShortcut(const std::string& path, const Shortcut& s)
{
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link));
    if (ok) {
        if (!s.target.empty())
            link->SetPath(s.target.c_str());
        link->SetArguments(s.arguments.c_str());
        link->SetWorkingDirectory(s.directory.c_str());
        if (!s.icon.empty())
            link->SetIconLocation(s.icon.c_str(), 0);
        IPersistFile* file = nullptr;
        ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void**)&file));
        if (ok) {
            WCHAR wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
            ok = SUCCEEDED(file->Save(wide, TRUE));
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return ok && FileExists(path);
}

// A name in folder whose full path has exactly length characters.
std::string PathOfLength(const std::string& folder, size_t length, const std::string& ending = ".txt")
{
    std::string path = folder + "\\";
    path += std::string(length - path.size() - ending.size(), 'n');
    return path + ending;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The folder without a trailing separator, as a started program sees it.
std::string Unslashed(std::string path)
{
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string Buttons(const std::string& program, int count)
{
    std::string ini;
    for (int n = 1; n <= count; ++n)
        ini += Section("Button" + std::to_string(n)) + Key("FileName", program) + Key("Parameters", "");
    return ini;
}

// A drop sent from another thread as soon as the bar shows a box.
struct LateDrop {
    BarFixture* f;
    std::string program;
    int countWhileOpen;
};

DWORD WINAPI DropWhileBoxOpen(void* data)
{
    LateDrop* l = static_cast<LateDrop*>(data);
    DWORD start = GetTickCount();
    while (l->f->boxes.seen().empty() && GetTickCount() - start < 10000)
        Sleep(10);
    // Sent, not posted: it returns once the bar has dealt with it.
    SendMessageA(l->f->bar(), WM_DROPFILES, (WPARAM)MakeDrop({l->program}, 5, -3), 0);
    l->countWhileOpen = ButtonCount;
    l->f->boxes.setAnswer(IDOK);
    return 0;
}

}  // namespace

TEST_SUITE("drop")
{
    TEST_CASE_FIXTURE(BarFixture, "names dropped onto a button reach its program in full or relative to a folder")
    {
        const std::string recorder = RecorderPath();
        REQUIRE(start(Buttons(recorder, 1) + Section("Button2") + Key("FileName", recorder) + Key("Parameters", "second")));
        const size_t room = 137 - recorder.size();
        TempDir other;

        SUBCASE("a path of the room's length goes as it is; one more and it goes by name")
        {
            std::string fits = PathOfLength(dir.path(), room);
            CHECK(DropOnFirst(*this, {fits})["cmdline"] == recorder + " " + fits);
            std::string longer = PathOfLength(dir.path(), room + 1);
            Record r = DropOnFirst(*this, {longer});
            CHECK(r["cmdline"] == recorder + " " + longer.substr(dir.path().size() + 1));
            CHECK(SamePath(Unslashed(r["cwd"]), dir.path()));
        }
        SUBCASE("a path with a blank is quoted")
        {
            std::string spaced = dir.file("two words.txt");
            CHECK(DropOnFirst(*this, {spaced})["cmdline"] == recorder + " \"" + spaced + "\"");
        }
        SUBCASE("names of the first file's folder go bare, another folder's in full")
        {
            std::string a = PathOfLength(dir.path(), room / 2, "a.txt");
            std::string b = PathOfLength(dir.path(), room / 2, "b.txt");
            std::string c = other.file("c.txt");
            Record r = DropOnFirst(*this, {a, b, c});
            CHECK(r["cmdline"] == recorder + " " + a.substr(dir.path().size() + 1) + " " +
                                      b.substr(dir.path().size() + 1) + " " + c);
            CHECK(SamePath(Unslashed(r["cwd"]), dir.path()));
        }
        SUBCASE("names that fit in neither form start nothing")
        {
            std::string record = RecordInto(*this, "none.rec");
            std::string name = dir.path() + "\\" + std::string(room + 1, 'x');
            Drop(bar(), {dir.file("short.txt"), name}, 3, 3);
            Names many;
            for (int i = 0; i < 500; ++i)
                many.push_back(dir.file("f" + std::to_string(i) + ".txt"));
            Drop(bar(), many, 3, 3);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 2);
            for (const SeenBox& box : seen) {
                CHECK(box.caption == "Cannot run program");
                CHECK(box.text == "Name(s) of file(s) dropped too long for command line");
            }
            Pump(1500);
            CHECK_FALSE(FileExists(record));
        }
        SUBCASE("the separator column belongs to the button on its left")
        {
            std::string record = RecordInto(*this, "separator.rec");
            Drop(bar(), {"x.txt"}, BarState.CellWidth, 3);
            CHECK(WaitForRecord(record, RecordWait)["cmdline"] == recorder + " x.txt");
            record = RecordInto(*this, "second.rec");
            Drop(bar(), {"x.txt"}, BarState.CellWidth + 1, 3);
            CHECK(WaitForRecord(record, RecordWait)["cmdline"] == recorder + " second x.txt");
        }
        CHECK(ButtonCount == 2);
    }

    TEST_CASE_FIXTURE(BarFixture, "files and shortcuts dropped onto the bar become buttons, saved only by a save")
    {
        RegisterRecorderDocuments();
        const std::string recorder = RecorderPath();
        const std::string doc = dir.file("letter.qvdoc");
        const std::string icon = dir.file("blue.ico");
        WriteFile(doc, "text");
        WriteIconFile(icon, RGB(0, 0, 255), RGB(255, 255, 0));
        SetEnvironmentVariableA("QVDROP", dir.path().c_str());
        SetEnvironmentVariableA("QVLETTER", "letter");
        const std::string toProgram = dir.file("program.lnk");
        const std::string toDocument = dir.file("document.LNK");
        const std::string withNames = dir.file("names.lnk");
        REQUIRE(MakeShortcut(toProgram, {recorder, "-a \"b c\"", dir.path(), icon}));
        REQUIRE(MakeShortcut(toDocument, {doc, "-x", "", ""}));
        // The shell-link object makes a target without a drive absolute, so the name stands inside it.
        REQUIRE(MakeShortcut(withNames, {dir.file("%QVLETTER%.qvdoc"), "", "%QVDROP%%QVNOWHERE%", "%QVDROP%\\blue.ico"}));
        REQUIRE(start(Buttons(recorder, 1)));

        DropOnBar(bar(), {doc, recorder, toProgram, toDocument, withNames});
        CHECK(boxes.seen().empty());
        REQUIRE(ButtonCount == 6);
        RECT client;
        GetClientRect(bar(), &client);
        CHECK(client.right == 6 * (BarState.CellWidth + 1) - 1);

        const LauncherButton* d = slot(1);
        CHECK(SamePath(d->ProgramPath, recorder));
        CHECK(std::string(d->Parameters) == doc);
        CHECK(std::string(d->DefaultDirectory).empty());
        CHECK(d->ShowCommand == SW_SHOW);
        CHECK(d->Icon != nullptr);
        CHECK(IsWindow(d->ButtonWindow));
        // Documents are named by program and document; programs by themselves.
        CHECK((d->Document && !slot(2)->Document && !slot(3)->Document && slot(4)->Document));

        CHECK(SamePath(slot(2)->ProgramPath, recorder));
        CHECK(std::string(slot(2)->Parameters).empty());

        const LauncherButton* p = slot(3);
        CHECK(SamePath(p->ProgramPath, recorder));
        CHECK(std::string(p->Parameters) == "-a \"b c\"");
        CHECK(SamePath(p->DefaultDirectory, dir.path()));
        // The shortcut's own show command, not the SW_SHOW of a plain file
        // (the test system's shell-link object reads every one as SW_SHOWNORMAL).
        CHECK(p->ShowCommand == SW_SHOWNORMAL);
        CHECK(SamePath(p->IconFile, icon));

        CHECK(std::string(slot(4)->Parameters) == doc + " -x");

        const LauncherButton* n = slot(5);
        CHECK(SamePath(n->ProgramPath, recorder));
        CHECK(std::string(n->Parameters) == doc);
        CHECK(SamePath(n->DefaultDirectory, dir.path()));
        CHECK(SamePath(n->IconFile, icon));

        // Not in the file until the next save; then in the order of the bar.
        CHECK(BarState.UnsavedChanges);
        CHECK(Profile(ini, "Button2", "FileName") == "<absent>");
        std::vector<std::pair<std::string, std::string>> shown;
        for (int s = 0; s < ButtonCount; ++s)
            shown.push_back({slot(s)->ProgramPath, slot(s)->Parameters});
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
        CHECK(Profile(ini, "Button6", "FileName") != "<absent>");
        ResetLauncher();
        REQUIRE(StartBar(ini));
        REQUIRE(ButtonCount == 6);
        for (int s = 0; s < ButtonCount; ++s) {
            CAPTURE(s);
            CHECK(SamePath(slot(s)->ProgramPath, shown[s].first));
            // A program saved without parameters comes back with the one blank of an absent key.
            CHECK(std::string(slot(s)->Parameters) == (shown[s].second.empty() ? " " : shown[s].second));
        }
        CHECK(SamePath(slot(3)->DefaultDirectory, dir.path()));
    }

    TEST_CASE_FIXTURE(BarFixture, "a file that gives no button is reported, earlier ones stay, later ones are not looked at")
    {
        RegisterRecorderDocuments();
        const std::string recorder = RecorderPath();
        const std::string garbage = dir.file("garbage.lnk");
        WriteFile(garbage, std::string(300, '\x5A'));
        const std::string pif = dir.file("old.pif");
        WriteFile(pif, std::string(545, '\0'));
        const std::string empty = dir.file("empty.lnk");
        REQUIRE(MakeShortcut(empty, {"", "-x", "", ""}));
        const std::string missing = dir.file("missing.lnk");
        REQUIRE(MakeShortcut(missing, {dir.file("gone.exe"), "", "", ""}));
        const std::string loop = dir.file("loop.lnk");
        SetEnvironmentVariableA("QVLOOP", "%QVLOOP%");
        REQUIRE(MakeShortcut(loop, {"%QVLOOP%", "", "", ""}));
        const std::string expandsTooFar = dir.file("far.lnk");
        SetEnvironmentVariableA("QVLONG", std::string(250, 'L').c_str());
        REQUIRE(MakeShortcut(expandsTooFar, {dir.file("%QVLONG%.exe"), "", "", ""}));
        const std::string document = dir.file("letter.qvdoc");
        WriteFile(document, "text");
        const std::string crowded = dir.file("crowded.lnk");
        REQUIRE(MakeShortcut(crowded, {document, std::string(137 - document.size(), 'a'), "", ""}));
        const std::string unknown = dir.file("plain.qvnone");
        WriteFile(unknown, "x");
        const std::string longDocument = PathOfLength(dir.path(), 200, ".qvdoc");
        WriteFile(longDocument, "x");
        const std::string longest = PathOfLength(dir.path(), 259, ".qvnone");
        WriteFile(longest, "x");
        REQUIRE(FileExists(longest));

        const std::string shortcut = "Don't know how to handle shortcut:\n";
        struct Row {
            std::string dropped;
            std::string text;
        };
        const Row rows[] = {
            {garbage, shortcut + garbage},
            {pif, shortcut + pif},
            {empty, shortcut + empty},
            {missing, shortcut + missing},
            {loop, shortcut + loop},
            {expandsTooFar, shortcut + expandsTooFar},
            {crowded, shortcut + crowded},  // the document, a blank and the arguments pass 137
            {unknown, "No associated executable file found for file\n" + unknown},
            {dir.path(), "No associated executable file found for file\n" + dir.path()},  // a folder
            {longDocument, "The document name is too long for a button:\n" + longDocument},
            {longest, ("No associated executable file found for file\n" + longest).substr(0, 255)},
        };
        REQUIRE(start(Buttons(recorder, 1)));
        int count = 1;
        for (const Row& r : rows) {
            CAPTURE(r.dropped);
            boxes.clear();
            DropOnBar(bar(), {recorder, r.dropped, recorder});
            CHECK(ButtonCount == ++count);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 1);
            CHECK(seen[0].caption == "Cannot add icon");
            CHECK(seen[0].text == r.text);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the bar never holds more than 24 buttons nor grows past the work area")
    {
        const std::string recorder = RecorderPath();
        SUBCASE("23 buttons and three files: one is added, the third is not looked at")
        {
            const std::string garbage = dir.file("garbage.lnk");
            WriteFile(garbage, "not a shortcut");
            REQUIRE(start(Buttons(recorder, 23)));
            DropOnBar(bar(), {recorder, recorder, garbage});
            CHECK(ButtonCount == 24);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 1);
            CHECK(seen[0].caption == "Sorry");
            CHECK(seen[0].text == "No more free buttons");
        }
        SUBCASE("500 files: buttons until the work area is full, then the bar stays")
        {
            REQUIRE(start(Buttons(recorder, 5)));
            const RECT five = WindowRect(bar());
            const int width = five.right - five.left;
            RECT area = {0, 0, width + 2 * (BarState.CellWidth + 1) + 10, 1000};
            WorkAreaGuard guard(area);
            MoveWindow(bar(), 0, 200, width, five.bottom - five.top, TRUE);
            Pump(50);
            Names many(500, recorder);
            DropOnBar(bar(), many);
            CHECK(ButtonCount == 7);
            CHECK(ButtonTable[7] == nullptr);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 1);
            CHECK(seen[0].caption == "Sorry");
            CHECK(seen[0].text == "Maximum window size reached");
            const RECT r = WindowRect(bar());
            CHECK(r.left >= area.left);
            CHECK(r.right <= area.right);
            CHECK(r.right - r.left == width + 2 * (BarState.CellWidth + 1));
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a drop during an open box of the bar is handled after it")
    {
        const std::string recorder = RecorderPath();
        const std::string unknown = dir.file("plain.qvnone");
        WriteFile(unknown, "x");
        REQUIRE(start(Buttons(recorder, 1)));
        boxes.setAnswer(0x7777);  // no such button: the box stays open

        LateDrop late = {this, recorder, -1};
        HANDLE helper = CreateThread(nullptr, 0, DropWhileBoxOpen, &late, 0, nullptr);

        DropOnBar(bar(), {unknown});
        WaitForSingleObject(helper, 15000);
        CloseHandle(helper);
        CHECK(late.countWhileOpen == 1);
        CHECK(PumpUntil([] { return ButtonCount == 2; }));
        CHECK(boxes.seen().size() == 1);
    }
}
