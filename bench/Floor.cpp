#include "Floor.h"

#include <QFile>

#include <charconv>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace Floor {

namespace {

struct Field
{
    const char *begin;
    const char *end;
};

long long decodeBuffer(const char *p, const char *end)
{
    long long sum = 0;
    Field fields[32];
    while (p < end) {
        int count = 0;
        while (p < end && *p != '\r' && *p != '\n') {
            const char *start = p;
            if (*p == '"') {
                ++p;
                start = p;
                while (p < end && *p != '"')
                    ++p;
                fields[count < 32 ? count : 31] = {start, p};
                if (p < end)
                    ++p;
            } else {
                while (p < end && *p != ',' && *p != '\r' && *p != '\n')
                    ++p;
                fields[count < 32 ? count : 31] = {start, p};
            }
            ++count;
            if (p < end && *p == ',')
                ++p;
        }
        while (p < end && (*p == '\r' || *p == '\n'))
            ++p;
        for (int i = 0; i < count && i < 32; ++i) {
            const Field &f = fields[i];
            if (i == 14) { // the innings, a single
                float value = 0;
                std::from_chars(f.begin, f.end, value);
                sum += static_cast<long long>(value * 3);
            } else if (i < 20) {
                int value = 0;
                std::from_chars(f.begin, f.end, value);
                sum += value;
            } else {
                sum += std::string_view(f.begin, std::size_t(f.end - f.begin)).size();
            }
        }
    }
    return sum;
}

} // namespace

long long decodeFiles(const std::vector<std::string> &paths)
{
    long long sum = 0;
    std::string buffer;
    for (const std::string &path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        buffer.resize(1 << 16);
        std::size_t filled = 0;
        for (;;) {
            if (filled == buffer.size())
                buffer.resize(buffer.size() * 2);
            const ssize_t step = ::read(fd, buffer.data() + filled, buffer.size() - filled);
            if (step <= 0)
                break;
            filled += std::size_t(step);
        }
        ::close(fd);
        sum += decodeBuffer(buffer.data(), buffer.data() + filled);
    }
    return sum;
}

std::vector<std::string> nativePaths(const QStringList &paths)
{
    std::vector<std::string> native;
    for (const QString &path : paths)
        native.push_back(QFile::encodeName(path).toStdString());
    return native;
}

} // namespace Floor
