#include "TextLines.h"

#include <charconv>
#include <cmath>

namespace velko {

QList<QByteArray> splitTextLines(const QByteArray& text, int maxLines, LineEnds ends)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    if (text.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    if (ends == LineEnds::AsWritten) {
        const QByteArray end = text.contains("\r\n") ? QByteArray("\r\n")
                               : text.contains('\r') ? QByteArray("\r")
                                                     : QByteArray("\n");
        while (pos < size && lines.size() < maxLines) {
            qsizetype found = text.indexOf(end, pos);
            if (found < 0)
                found = size;
            lines.append(text.mid(pos, found - pos));
            pos = found + end.size();
        }
        return lines;
    }
    while (pos < size && lines.size() < maxLines) {
        qsizetype end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.append(text.mid(pos, end - pos));
        if (end < size && text[end] == '\r' && end + 1 < size && text[end + 1] == '\n')
            pos = end + 2;
        else
            pos = end + 1;
    }
    return lines;
}

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
}   // namespace

bool readNumber(const QByteArray& line, double& value)
{
    const char* begin = line.constData();
    const char* end = begin + line.size();
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    // std::from_chars takes a minus sign but no plus sign.
    if (begin < end && *begin == '+' && ++begin < end && *begin == '-')
        return false;
    // The fixed and scientific forms only: no hexadecimal, and the infinities
    // and NaN it does read are no number here either.
    double parsed = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, parsed, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

}   // namespace velko
