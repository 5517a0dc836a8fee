#pragma once
// The program icon: a cyan ball with eyes on a five-pointed gold star.

#include <QImage>

namespace velko::pictures {

QImage drawProgramIcon(int size);

}   // namespace velko::pictures
