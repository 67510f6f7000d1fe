// The fonts of the artwork, loaded from their files.
#include "artfonts.h"

#include <QFontDatabase>
#include <QStringList>

bool ArtFonts::load(const QString &fontDir)
{
    const QStringList files{"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf",
                            "DejaVuSerif-Bold.ttf"};
    QStringList families;
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(fontDir + '/' + file);
        if (id < 0)
            return false;
        families << QFontDatabase::applicationFontFamilies(id).value(0);
    }
    m_sans = families.at(0);
    m_serif = families.at(2);
    return true;
}

QFont ArtFonts::sans(qreal pixelSize, bool bold) const
{
    return make(m_sans, pixelSize, bold);
}

QFont ArtFonts::serif(qreal pixelSize, bool bold) const
{
    return make(m_serif, pixelSize, bold);
}

QFont ArtFonts::make(const QString &family, qreal pixelSize, bool bold) const
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    // Unhinted outlines keep the 2x pictures true enlargements of the 1x ones.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
