#pragma once
// Writes the Qt resource list that builds the cell pictures, the icon and the
// hand cursor into the program.

#include <QString>
#include <QStringList>

namespace velko::pictures {

// cellNames: the cells' names, each stored as cells/<name>.bmp, with its partner
// for dense screens, cells/<name>@2x.bmp, twice the size. The partners get a
// list of their own (dense = true), so that their bytes lie apart from the
// ordinary pictures in the program and an ordinary screen never loads them.
QString resourceList(const QStringList& cellNames, bool dense);

}   // namespace velko::pictures
