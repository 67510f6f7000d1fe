// The fonts of the artwork, loaded from their files so that no font configuration can change a picture.
#pragma once

#include <QFont>
#include <QString>

namespace tessaro::art {

class ArtFonts {
public:
    // Loads DejaVu Sans and DejaVu Serif from fontDir; returns false when a file is missing.
    bool load(const QString& fontDir);

    QFont sans(qreal pixelSize, bool bold) const;
    QFont serif(qreal pixelSize, bool bold) const;

private:
    QFont make(const QString& family, qreal pixelSize, bool bold) const;

    QString sans_;
    QString serif_;
};

}  // namespace tessaro::art
