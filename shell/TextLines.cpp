#include "TextLines.h"

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
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
}   // namespace

bool readNumber(const QByteArray& line, double& value)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;

    qsizetype i = begin;
    if (i < end && (line[i] == '+' || line[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < end && isDigit(line[i])) {
        ++i;
        ++digits;
    }
    if (i < end && line[i] == '.') {
        ++i;
        while (i < end && isDigit(line[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (line[i] == 'e' || line[i] == 'E')) {
        ++i;
        if (i < end && (line[i] == '+' || line[i] == '-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < end && isDigit(line[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != end)
        return false;

    bool ok = false;
    const double parsed = line.mid(begin, end - begin).toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest > 0.5)
        return below + 1.0;
    if (rest < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}   // namespace velko
