// Draws every picture of the game into a folder as PNG files, at 1x and at 2x.
#include "artfonts.h"
#include "boardpainter.h"
#include "cursorpainter.h"
#include "iconpainter.h"
#include "knightpainter.h"
#include "logopainter.h"
#include "overlaypainter.h"
#include "pieceimage.h"
#include "resultspainter.h"
#include "rulespainter.h"
#include "splashpainter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {
bool save(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name + ".png");
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

bool drawAll(const ArtFonts &fonts, const QDir &dir)
{
    const KnightPainter knights(fonts);
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= save(BoardPainter::paint(fonts, scale, 439, BoardPainter::Caption::Moves),
                   dir, "board" + suffix);
        ok &= save(OverlayPainter::paint(fonts, knights, scale), dir, "overlay" + suffix);
        for (int number = 1; number <= 24; ++number)
            ok &= save(PieceImage::knight(knights, number, scale), dir,
                       QStringLiteral("knight%1").arg(number, 2, 10, QChar('0')) + suffix);
        ok &= save(PieceImage::blank(scale), dir, "blank" + suffix);
        ok &= save(SplashPainter::paint(fonts, knights, scale), dir, "splash" + suffix);
        ok &= save(ResultsPainter::paint(fonts, knights, scale), dir, "results" + suffix);
        ok &= save(RulesPainter::paint(fonts, knights, scale), dir, "rules" + suffix);
        ok &= save(LogoPainter::paint(fonts, scale), dir, "logo" + suffix);
        ok &= save(CursorPainter::paint(scale), dir, "dragicon" + suffix);
    }
    for (const int size : {16, 32, 48, 64, 128, 256})
        ok &= save(IconPainter::paint(knights, size), dir, QStringLiteral("icon%1").arg(size));
    return ok;
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the pictures of Tessaro as PNG files.");
    parser.addHelpOption();
    parser.addPositionalArgument("folder", "Where to write the PNG files.");
    QCommandLineOption fontDir("fonts", "Folder of the DejaVu font files.", "folder",
                               "/usr/share/fonts/truetype/dejavu");
    parser.addOption(fontDir);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    ArtFonts fonts;
    if (!fonts.load(parser.value(fontDir))) {
        QTextStream(stderr) << "cannot load the DejaVu fonts from " << parser.value(fontDir) << '\n';
        return 1;
    }
    const QDir dir(parser.positionalArguments().constFirst());
    if (!QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << '\n';
        return 1;
    }
    return drawAll(fonts, dir) ? 0 : 1;
}
