// Configuration files that no editor would write: the bar starts on each,
// nothing crashes, and a save leaves every section it does not own with all
// its keys and values.
#include "Fixture.h"

using namespace qv;

namespace {

// One section as the profile functions read it: its name and its key lines in order.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
};

// The bar owns [Window] and [Button1] to [Button24]; everything else is kept.
bool Owned(const std::string& name)
{
    if (lstrcmpiA(name.c_str(), "Window") == 0)
        return true;
    for (int n = 1; n <= MaxButtons; ++n)
        if (lstrcmpiA(name.c_str(), ("Button" + std::to_string(n)).c_str()) == 0)
            return true;
    return false;
}

// A profile read into a buffer that grows until the text is whole; size - 2
// is what the functions return for a cut list.
template <class Read>
std::string ReadWhole(Read read)
{
    for (DWORD size = 1 << 16;; size *= 4) {
        std::string buffer(size, '\0');
        DWORD n = read(&buffer[0], size);
        if (n < size - 2 || size >= (1u << 26))
            return buffer.substr(0, n);
    }
}

std::vector<std::string> SplitZeros(const std::string& list)
{
    std::vector<std::string> items;
    for (size_t pos = 0; pos < list.size();) {
        size_t end = list.find('\0', pos);
        if (end == std::string::npos)
            end = list.size();
        items.push_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    return items;
}

// The sections the bar does not own, as the profile functions see them (so
// that lines split at a lone CR or cut at a zero byte count as they read them).
std::vector<IniSection> Foreign(const std::string& path)
{
    const char* file = path.c_str();
    std::vector<IniSection> kept;
    std::string names = ReadWhole([&](char* b, DWORD n) { return GetPrivateProfileSectionNamesA(b, n, file); });
    for (const std::string& name : SplitZeros(names)) {
        if (Owned(name))
            continue;
        IniSection section{name, {}};
        std::string lines = ReadWhole([&](char* b, DWORD n) { return GetPrivateProfileSectionA(name.c_str(), b, n, file); });
        for (const std::string& line : SplitZeros(lines)) {
            size_t eq = line.find('=');
            section.keys.push_back({line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1)});
        }
        kept.push_back(section);
    }
    return kept;
}

bool SameSections(const std::vector<IniSection>& a, const std::vector<IniSection>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].keys != b[i].keys)
            return false;
    return true;
}

// Section names with their numbers of keys, for the failure message.
std::string Describe(const std::vector<IniSection>& ini)
{
    std::string d;
    for (const IniSection& s : ini)
        d += "[" + s.name.substr(0, 40) + "]" + std::to_string(s.keys.size()) + " ";
    return d.substr(0, 2000);
}

std::string Garbage(size_t size, unsigned seed)
{
    std::string s(size, '\0');
    for (char& c : s) {
        seed = seed * 1103515245u + 12345u;
        c = (char)(seed >> 16);
    }
    return s;
}

std::string Button(int n, const std::string& file)
{
    return Section("Button" + std::to_string(n)) + Key("FileName", file);
}

std::string TenMebibytes()
{
    std::string s = Section("Window") + Key("Title", "Big") + Button(1, Notepad) + Section("Big");
    const std::string tail(100, 'b');
    for (int i = 0; s.size() < 10u * 1024 * 1024; ++i)
        s += Key("Key" + std::to_string(i), tail);
    return s;
}

std::string LongValues()
{
    const std::string v(100000, 'v');
    return Section("Window") + Key("Title", v) + Key("Left", std::string(100000, '9')) + Key("Position", v) +
           Button(1, Notepad) + Key("Parameters", v) + Key("DefaultDirectory", v) + Key("IconFile", v) +
           Key("IconIndex", std::string(100000, '7')) + Key("Window", v) + Button(2, v) +
           Section("Long") + Key("Value", v) + Key(v, "name");
}

std::string ManySections()
{
    std::string s = Button(1, Notepad);
    for (int i = 0; i < 10000; ++i)
        s += Section("Section" + std::to_string(i)) + Key("Key", "value" + std::to_string(i));
    return s;
}

std::string MixedLineEnds()
{
    return "[Window]\nTitle=Mixed\r\n[Button1]\r\nFileName=" + std::string(Notepad) +
           "\nParameters=p\r\n[Keep]\nA=1\r\nB=2\n\r\n[Other]\r\nC=3\nD=4";
}

std::string Duplicates()
{
    return Section("Keep") + Key("A", "1") + Key("A", "2") + Button(1, Notepad) + Section("Window") +
           Key("Title", "one") + Section("Keep") + Key("B", "3") + Button(1, "C:\\windows\\winhlp32.exe") +
           Section("Window") + Key("Title", "two") + Key("Title", "three");
}

std::string Garbled()
{
    return Garbage(65536, 19) + "\r\n" + Section("Keep") + Key("A", "1") + Button(3, Notepad) + Garbage(4096, 7);
}

std::string Plain()
{
    return Section("Window") + Key("Title", "Locked") + Button(1, Notepad) + Section("Keep") + Key("A", "1");
}

}  // namespace

TEST_SUITE("hostile")
{
    TEST_CASE("hostile configuration files: the bar starts, and a save keeps what it does not own")
    {
        struct Row {
            const char* name;
            std::string (*content)();
            bool locked;  // another handle holds the file with no sharing
        };
        const Row rows[] = {
            {"binary garbage", Garbled, false},
            {"a 10 MiB file", TenMebibytes, false},
            {"values of 100,000 characters", LongValues, false},
            {"10,000 sections", ManySections, false},
            {"CR LF and LF mixed", MixedLineEnds, false},
            {"duplicated keys and sections", Duplicates, false},
            {"a file locked by another handle", Plain, true},
        };
        for (const Row& row : rows) {
            const std::string name = row.name;
            CAPTURE(name);
            BarFixture f;
            WriteFile(f.ini, row.content());
            const std::vector<IniSection> before = Foreign(f.ini);
            HANDLE lock = INVALID_HANDLE_VALUE;
            if (row.locked)
                lock = CreateFileA(f.ini.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            CHECK(row.locked == (lock != INVALID_HANDLE_VALUE));

            REQUIRE(StartBar(f.ini, SW_SHOWNOACTIVATE));
            CHECK(IsWindowVisible(f.bar()));
            CHECK(ButtonCount <= MaxButtons);
            // Every button section is rewritten too, not only [Window].
            BarState.UnsavedChanges = true;
            SaveSettings();
            ResetLauncher();
            if (lock != INVALID_HANDLE_VALUE)
                CloseHandle(lock);

            const std::vector<IniSection> after = Foreign(f.ini);
            INFO("before: ", Describe(before));
            INFO("after: ", Describe(after));
            CHECK(SameSections(before, after));
        }
    }
}
