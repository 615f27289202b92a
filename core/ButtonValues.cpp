#include "ButtonValues.h"

#include "Text.h"

bool CombineDocumentParameters(const char* document, char* params, size_t paramsSize)
{
    if (paramsSize == 0)
        return false;
    const size_t most = paramsSize - 1;  // 137 for the button's field
    // A document with a blank goes in quotes, which count, so that it stays one argument.
    const size_t documentLength = TextLength(document) + (NeedsQuotes(document) ? 2 : 0);
    if (documentLength > most)
        return false;

    // The one-blank default marks an absent key: the document stands alone.
    const bool keyPresent = params[0] != ' ';
    char buffer[ParametersSize];
    if (paramsSize > sizeof buffer)
        return false;
    buffer[0] = '\0';
    AppendItem(buffer, paramsSize, document);
    if (keyPresent && documentLength < most) {
        // room left for the blank and what fits of the parameters
        const size_t room = most - documentLength - 1;
        TextAppend(buffer, paramsSize, " ");
        size_t used = documentLength + 1;
        TextCopyN(buffer + used, paramsSize - used, params, room);
    }
    TextCopy(params, paramsSize, buffer);
    return true;
}

int ShowCommandFromWord(const char* word)
{
    if (SameTextNoCase(word, "Maximized"))
        return ShowMaximized;
    if (SameTextNoCase(word, "Minimized"))
        return ShowMinimize;
    return ShowNormal;
}

const char* WordForShowCommand(int showCommand)
{
    switch (showCommand) {
    case 2:  // SW_SHOWMINIMIZED
    case 6:  // SW_MINIMIZE
    case 7:  // SW_SHOWMINNOACTIVE
        return "Minimized";
    case 3:  // SW_SHOWMAXIMIZED
        return "Maximized";
    default:
        return nullptr;
    }
}

size_t CommandLineLength(const char* program, const char* params, const char* extra)
{
    size_t n = TextLength(program) + (NeedsQuotes(program) ? 2 : 0);
    if (params != nullptr && params[0] != '\0')
        n += 1 + TextLength(params);
    if (extra != nullptr) {
        if (extra[0] != ' ')
            n += 1;
        n += TextLength(extra);
    }
    return n;
}

bool BuildCommandLine(const char* program, const char* params, const char* extra, char* out, size_t size)
{
    if (size == 0)
        return false;
    out[0] = '\0';
    if (CommandLineLength(program, params, extra) + 1 > size)
        return false;
    AppendItem(out, size, program);
    if (params != nullptr && params[0] != '\0') {
        TextAppend(out, size, " ");
        TextAppend(out, size, params);
    }
    if (extra != nullptr) {
        if (extra[0] != ' ')
            TextAppend(out, size, " ");
        TextAppend(out, size, extra);
    }
    return true;
}

void BuildRunMenuText(const char* programPath, char* out, size_t size)
{
    TextCopy(out, size, "&Run ");
    TextAppend(out, size, NamePart(programPath));
}

void BuildButtonName(const char* programPath, const char* params, bool document, char* out, size_t size)
{
    TextCopy(out, size, NamePart(programPath));
    if (!document || params == nullptr)
        return;
    while (*params == ' ')
        ++params;
    // The first item ends at the closing quote, or unquoted at a blank.
    char item[ParametersSize];
    const char* start = params;
    char end = ' ';
    if (*start == '"') {
        ++start;
        end = '"';
    }
    size_t n = 0;
    while (start[n] != '\0' && start[n] != end)
        ++n;
    TextCopyN(item, sizeof item, start, n);
    // The name starts after the separator; without one, at the start (never at item - 1).
    const char* name = item + (LastSeparator(item) + 1);
    if (*name == '\0')
        return;
    TextAppend(out, size, " - ");
    TextAppend(out, size, name);
}
