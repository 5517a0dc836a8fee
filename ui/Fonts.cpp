#include "Fonts.h"

#include <QFont>
#include <QStringList>

namespace velko {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(
        QStringLiteral("Tahoma"),
        {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("SimSun"),
        {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
}

QFont gameFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

}   // namespace velko
