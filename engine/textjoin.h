// Joins pieces of text into one string with a single allocation.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

inline std::string JoinText(std::initializer_list<std::string_view> parts)
{
    std::size_t size = 0;
    for (std::string_view part : parts)
        size += part.size();
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts)
        text.append(part);
    return text;
}
