#pragma once
// Writes the Qt resource list that builds the cell pictures, the icon and the
// hand cursor into the program.

#include <QString>
#include <QStringList>

namespace velko::pictures {

// cellNames: the cells' names, each stored as cells/<name>.bmp with its partner for
// dense screens, cells/<name>@2x.bmp, twice the size.
QString resourceList(const QStringList& cellNames);

}   // namespace velko::pictures
