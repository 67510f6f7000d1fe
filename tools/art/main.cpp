// Draws every picture of the game into a folder as PNG files, at 1x and at 2x.
#include "artfonts.h"
#include "knightpainter.h"
#include "pictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace tessaro::art {
namespace {
bool Save(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name + ".png");
    if (image.save(path, "PNG")) {
        return true;
    }
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

bool DrawAll(const ArtFonts& fonts, const QDir& dir)
{
    const KnightPainter knights(fonts);
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= Save(PaintBoard(fonts, scale, 439, BoardCaption::Moves), dir, "board" + suffix);
        ok &= Save(PaintOverlay(fonts, knights, scale), dir, "overlay" + suffix);
        for (int number = 1; number <= 24; ++number) {
            ok &= Save(PaintKnightPiece(knights, number, scale), dir,
                       QStringLiteral("knight%1").arg(number, 2, 10, QChar('0')) + suffix);
        }
        ok &= Save(PaintBlankPiece(scale), dir, "blank" + suffix);
        ok &= Save(PaintSplash(fonts, knights, scale), dir, "splash" + suffix);
        ok &= Save(PaintResults(fonts, knights, scale), dir, "results" + suffix);
        ok &= Save(PaintRules(fonts, knights, scale), dir, "rules" + suffix);
        ok &= Save(PaintLogo(fonts, scale), dir, "logo" + suffix);
        ok &= Save(PaintCursor(scale), dir, "dragicon" + suffix);
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        ok &= Save(PaintIcon(knights, size), dir, QStringLiteral("icon%1").arg(size));
    }
    return ok;
}

}  // namespace
}  // namespace tessaro::art

int main(int argc, char* argv[])
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
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }

    tessaro::art::ArtFonts fonts;
    if (!fonts.load(parser.value(fontDir))) {
        QTextStream(stderr) << "cannot load the DejaVu fonts from " << parser.value(fontDir) << '\n';
        return 1;
    }
    const QDir dir(parser.positionalArguments().constFirst());
    if (!QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << '\n';
        return 1;
    }
    return tessaro::art::DrawAll(fonts, dir) ? 0 : 1;
}
