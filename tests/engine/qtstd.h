// Small bridges from the engine's std::string values to QtTest's readable comparisons.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "engine/timecode.h"

inline QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string s(const QString &text)
{
    return text.toStdString();
}

// The colon text of a timecode, for comparing whole timecodes at once.
inline QString q(const Timecode &tc)
{
    return q(TimecodeText(tc));
}
