#include "ConfigFile.h"

#include "ButtonList.h"
#include "Message.h"
#include "WholeSave.h"
#include "core/EditorCore.h"
#include "core/Text.h"

namespace {

// The configuration file's private-profile reads and writes; a write that
// fails raises "Unable to write to" the file.
class TIniFile {
public:
    explicit TIniFile(const std::string& fileName) : fileName_(fileName) {}

    std::string ReadString(const char* section, const char* key, const char* fallback) const
    {
        char value[1024];
        GetPrivateProfileStringA(section, key, fallback, value, sizeof value, fileName_.c_str());
        value[sizeof value - 1] = '\0';
        return value;
    }
    void WriteString(const char* section, const char* key, const char* value) const
    {
        if (!WritePrivateProfileStringA(section, key, value, fileName_.c_str()))
            throw EditorError{"Unable to write to " + fileName_};
    }
    void EraseSection(const char* section) const { WriteString(section, nullptr, nullptr); }

private:
    std::string fileName_;
};

std::string Section(int buttonNumber)
{
    char name[24];
    FormatButtonSection(name, sizeof name, (unsigned)buttonNumber);
    return name;
}

// The system's words for an error, without the line end.
std::string SystemText(DWORD error)
{
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string words = text;
    while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' '))
        words.pop_back();
    return words;
}

bool LoadButtonInfo(const TIniFile& ini, int slot, int buttonNumber)
{
    const std::string section = Section(buttonNumber);
    TButtonInfo& info = ButtonList[slot];
    info.FileName = ini.ReadString(section.c_str(), "Filename", "");
    if (info.FileName.empty())
        return false;
    info.DefaultDirectory = ini.ReadString(section.c_str(), "DefaultDirectory", "");
    info.Parameters = ini.ReadString(section.c_str(), "Parameters", "");
    info.IconFile = ini.ReadString(section.c_str(), "IconFile", "");
    info.IconIndex = (int)ReadIconIndex(ini.ReadString(section.c_str(), "IconIndex", "0").c_str());
    info.WindowState = (unsigned char)WindowStateFromText(ini.ReadString(section.c_str(), "Window", "").c_str());
    RefreshButtonIcon(info);
    return true;
}

void SaveButtonInfo(const TIniFile& ini, int index)
{
    const std::string section = Section(index + 1);
    const TButtonInfo& info = ButtonList[index];
    ini.WriteString(section.c_str(), "Filename", info.FileName.c_str());
    if (!info.DefaultDirectory.empty())
        ini.WriteString(section.c_str(), "DefaultDirectory", info.DefaultDirectory.c_str());
    if (!info.Parameters.empty()) {
        // A document quoted whole would come back without its quotes, and so in two pieces.
        std::string written(info.Parameters.size() + 3, '\0');
        ProfileText(info.Parameters.c_str(), &written[0], written.size());
        ini.WriteString(section.c_str(), "Parameters", written.c_str());
    }
    if (!info.IconFile.empty())
        ini.WriteString(section.c_str(), "IconFile", info.IconFile.c_str());
    if (info.IconIndex != 0)
        ini.WriteString(section.c_str(), "IconIndex", std::to_string(info.IconIndex).c_str());
    if (const char* window = WindowStateText(info.WindowState))
        ini.WriteString(section.c_str(), "Window", window);
}

}  // namespace

bool HoldConfigFile(const std::string& path, HANDLE* held)
{
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    *held = CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD error = GetLastError();
    if (*held != INVALID_HANDLE_VALUE || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return true;
    EditorMessage(nullptr, MessageError, "Unable to read " + path + "\n\r" + SystemText(error));
    return false;
}

std::string LoadTitle(const std::string& path)
{
    return TIniFile(path).ReadString("Window", "Title", "Quenvolet");
}

int LoadPositionChoice(const std::string& path)
{
    const TIniFile ini(path);
    const std::string position = ini.ReadString("Window", "Position", "Floating");
    const std::string horizontal = ini.ReadString("Window", "Horizontal", "Right");
    const std::string vertical = ini.ReadString("Window", "Vertical", "Bottom");
    return PositionChoiceFromKeys(position.c_str(), horizontal.c_str(), vertical.c_str());
}

void LoadButtonList(const std::string& path)
{
    const TIniFile ini(path);
    for (TButtonInfo& slot : ButtonList)
        slot = TButtonInfo();
    int count = 0;
    for (int n = 1; n <= MaxButtons; ++n)
        if (LoadButtonInfo(ini, count, n))
            ++count;
    ButtonListCount = (short)count;
}

void WriteConfiguration(const std::string& path, const std::string& title, std::string& savedTitle,
                        int positionChoice, int initialPositionChoice)
{
    const EditorError failed{"Unable to write to " + path};
    TWholeSave save;
    if (!BeginWholeSave(path.c_str(), &save))
        throw failed;
    // A write that fails names the copy; the user is told of the file itself.
    try {
        const TIniFile ini(save.File);
        if (title != savedTitle)
            ini.WriteString("Window", "Title", title.c_str());
        if (positionChoice != initialPositionChoice) {
            const PositionKeys keys = PositionKeysFor(positionChoice);
            ini.WriteString("Window", "Position", keys.position);
            ini.WriteString("Window", "Horizontal", keys.horizontal);
            ini.WriteString("Window", "Vertical", keys.vertical);
        }
        for (int n = 1; n <= MaxButtons; ++n)
            ini.EraseSection(Section(n).c_str());
        for (int i = 0; i < ButtonListCount; ++i)
            SaveButtonInfo(ini, i);
    } catch (const EditorError&) {
        EndWholeSave(&save, false);
        throw failed;
    }
    if (!EndWholeSave(&save, true))
        throw failed;
    savedTitle = title;  // only once written, so that a failed save writes it next time
}
