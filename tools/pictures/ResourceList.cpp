#include "ResourceList.h"

namespace velko::pictures {

QString resourceList(const QStringList& cellNames, bool dense)
{
    const QString suffix = dense ? QStringLiteral("@2x") : QString();
    QString out;
    out += "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
    out += "  <qresource prefix=\"/cells\">\n";
    for (const QString& name : cellNames)
        out += QString("    <file alias=\"%1\">cells/%1.bmp</file>\n").arg(name + suffix);
    out += "  </qresource>\n";
    out += "  <qresource prefix=\"/icons\">\n";
    const QStringList icons = dense ? QStringList{"48@2x", "32@2x"} : QStringList{"48", "32", "256"};
    for (const QString& name : icons)
        out += QString("    <file alias=\"velko-lines-%1.png\">icons/velko-lines-%1.png</file>\n").arg(name);
    out += "  </qresource>\n";
    out += "  <qresource prefix=\"/cursors\">\n";
    out += QString("    <file alias=\"hand%1.png\">cursors/hand%1.png</file>\n").arg(suffix);
    out += "  </qresource>\n";
    out += "</RCC>\n";
    return out;
}

}   // namespace velko::pictures
