// What a text function left in its buffer, after "refused" when it said no.
#pragma once

#include <string>
#include <vector>

inline std::string Outcome(bool ok, const std::vector<char>& buffer)
{
    return (ok ? "" : "refused") + std::string(buffer.data());
}
