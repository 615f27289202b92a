// The configuration file's load and save: the [Window] keys and the
// sections Button1 to Button24, read into ButtonList and written from it
// through the private-profile functions.
#ifndef QVCONFIG_CONFIGFILE_H
#define QVCONFIG_CONFIGFILE_H

#include <windows.h>

#include <string>

// The file held open, shared, while it is read, so that no process locks it
// meanwhile (*held is INVALID_HANDLE_VALUE for a file not there yet). A file
// that exists but cannot be read would load as an empty list and be saved
// over: it is reported, and false ends the run unwritten.
bool HoldConfigFile(const std::string& path, HANDLE* held);

// The bar's title and its placement choice (0 floating, 1 to 4 the corners)
// as the file holds them, or their defaults.
std::string LoadTitle(const std::string& path);
int LoadPositionChoice(const std::string& path);

// Reads the sections Button1 to Button24 into ButtonList, closing up gaps.
void LoadButtonList(const std::string& path);

// Writes the title when it differs from savedTitle, which then follows it,
// and the placement when it differs from the one read; then erases the 24
// button sections and writes ButtonList; all as one whole save, so that a
// write that fails raises EditorError and leaves the file as it was.
void WriteConfiguration(const std::string& path, const std::string& title, std::string& savedTitle,
                        int positionChoice, int initialPositionChoice);

#endif
