// The fonts of the artwork, loaded from their files.
#include "artfonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tessaro::art {

bool ArtFonts::load(const QString& fontDir)
{
    const QStringList files{"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"};
    QStringList families;
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(fontDir + '/' + file);
        if (id < 0) {
            return false;
        }
        families << QFontDatabase::applicationFontFamilies(id).value(0);
    }
    sans_ = families.at(0);
    serif_ = families.at(2);
    return true;
}

QFont ArtFonts::sans(qreal pixelSize, bool bold) const { return make(sans_, pixelSize, bold); }

QFont ArtFonts::serif(qreal pixelSize, bool bold) const { return make(serif_, pixelSize, bold); }

QFont ArtFonts::make(const QString& family, qreal pixelSize, bool bold) const
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    // Unhinted outlines keep the 2x pictures true enlargements of the 1x ones.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace tessaro::art
