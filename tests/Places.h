#pragma once
// Where every control of every window sits: the one table (places.txt) that
// the window tests, the picture tests and the end-to-end test all go by.

#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

namespace velko::test {

constexpr int kAny = -1000;   // a value the table leaves open

struct Place {
    QString window, control, anchor;
    int x = kAny, y = kAny, width = kAny, height = kAny;
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
};

inline std::vector<Place> places()
{
    std::vector<Place> all;
    QFile file(QStringLiteral(VELKO_SOURCE_DIR "/tests/places.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return all;
    const auto number = [](const QString& field) { return field == QLatin1String("-") ? kAny : field.toInt(); };
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).simplified().split(QLatin1Char(' '));
        if (f.size() == 7 && !f[0].startsWith(QLatin1Char('#')))
            all.push_back({f[0], f[1], f[2], number(f[3]), number(f[4]), number(f[5]), number(f[6])});
    }
    return all;
}

inline Place place(const char* window, const char* control)
{
    for (const Place& p : places())
        if (p.window == QLatin1String(window) && p.control == QLatin1String(control))
            return p;
    return {};
}

}   // namespace velko::test
