#include "ResourceList.h"

namespace velko::pictures {

QString resourceList(const QStringList& cellNames)
{
    QString out;
    out += "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
    out += "  <qresource prefix=\"/cells\">\n";
    for (const QString& name : cellNames) {
        out += QString("    <file alias=\"%1\">cells/%1.bmp</file>\n").arg(name);
        out += QString("    <file alias=\"%1@2x\">cells/%1@2x.bmp</file>\n").arg(name);
    }
    out += "  </qresource>\n";
    out += "  <qresource prefix=\"/icons\">\n";
    for (const char* name : {"48", "48@2x", "32", "32@2x", "256"})
        out += QString("    <file alias=\"velko-lines-%1.png\">icons/velko-lines-%1.png</file>\n").arg(name);
    out += "  </qresource>\n";
    out += "  <qresource prefix=\"/cursors\">\n";
    out += "    <file alias=\"hand.png\">cursors/hand.png</file>\n";
    out += "    <file alias=\"hand@2x.png\">cursors/hand@2x.png</file>\n";
    out += "  </qresource>\n";
    out += "</RCC>\n";
    return out;
}

}   // namespace velko::pictures
