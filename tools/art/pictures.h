// Every picture the generator draws, and the few facts the pictures share.
#pragma once

#include "board.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessaro::art {

class ArtFonts;
class KnightPainter;

// The board window's height in board pixels; the board picture is drawn this high.
inline constexpr int kBoardHeight = 439;
enum class BoardCaption { Moves, Goal };

// Draws the board at `scale` device pixels per board pixel, `width` board pixels wide and kBoardHeight high,
// its squares where the window places them; pictures of other widths agree with it where they overlap.
QImage PaintBoard(const ArtFonts& fonts, qreal scale, int width, BoardCaption caption);

// The target arrangement: the board's upper rows with knight n on square n and two arrow marks.
QImage PaintOverlay(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale);

// Square i's 60 x 60 cell in board pixels.
QRect SquareRect(SquareIndex square);

// The board grid is chequered by the parity of column + row.
inline bool IsLightCell(int column, int row) { return (column + row) % 2 == 0; }

// A felt texture of the given device size: a soft vignette over `lit` (in device pixels) with a fine, seeded
// nap. Each pixel depends only on its position, so felts of different sizes agree wherever they overlap.
QImage PaintFelt(const QSize& deviceSize, const QRectF& lit, quint32 seed);

// The 60 x 60 square pictures, with on/off transparency: knight `number` on a transparent ground (its
// antialiased edges blended into the dark rim, not into the ground), and the empty square.
inline constexpr int kPieceSize = 60;
inline constexpr QRectF kKnightBox(4.5, 4.6, 52, 52);  // where a knight stands inside its square
QImage PaintKnightPiece(const KnightPainter& knightPainter, int number, qreal scale);
QImage PaintBlankPiece(qreal scale);

// The program icon: an ivory knight on a green felt tile, `size` pixels square.
QImage PaintIcon(const KnightPainter& knightPainter, int size);

// The pointer shown over what can be clicked: a black and white pointing hand, pure black, pure white and fully
// transparent pixels only, its fingertip at the hot spot (in 1x pixels).
inline constexpr int kCursorSize = 32;
inline constexpr QPoint kCursorHotSpot(12, 9);
QImage PaintCursor(qreal scale);

// The maker's logo: the Orvane orbit emblem over its name.
QImage PaintLogo(const ArtFonts& fonts, qreal scale);

// The results picture: a knight in a laurel wreath above a calm field for the rank and message.
QImage PaintResults(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale);

// The rules illustration: a knight jumping along an L into the empty square.
QImage PaintRules(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale);

// The splash picture: the title, a knight, the maker's notice and the panel to click.
QImage PaintSplash(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale);

}  // namespace tessaro::art
