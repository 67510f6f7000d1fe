// Font substitution for the designs' "MS Sans Serif".
#include "legacyfonts.h"

#include <QFont>
#include <QString>

namespace tessaro::layouts {

void InstallLegacyFontSubstitutes()
{
    QFont::insertSubstitution(QString::fromLatin1(kLegacyFontFamily),
                              QString::fromLatin1(kLegacyFontSubstitute));
}

}  // namespace tessaro::layouts
