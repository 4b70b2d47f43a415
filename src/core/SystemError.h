#pragma once

#include <QString>

#include <cerrno>
#include <cstring>

// The system's words for the error of the call that just failed.
inline QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
