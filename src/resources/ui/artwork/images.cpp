#include "resources/ui/artwork/images.h"

#include <QFile>

namespace tmcalc {

bool ImagesAvailable() { return QFile::exists(QStringLiteral(":/images/12.png")); }

}  // namespace tmcalc
