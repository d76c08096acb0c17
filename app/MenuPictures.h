#pragma once

#include <QImage>
#include <QString>

// The main menu's pictures, drawn by the program itself.

enum class TMenuPicture { Shapes, Blocks, HighScore, Options, Instructions, Exit };

// 410 x 280, 24-bit: a vertical gradient from RGB 48, 223, 255 in the top row to
// 47, 175, 255 in the bottom row, each channel rounded to the nearest value.
QImage DrawMenuBackground();

// The title a button shows at its top, in English; the key of its translations
// (context "TfrmMain").
QString MenuPictureTitle(TMenuPicture picture);

// 72 x 72, 24-bit: a raised light tile with the title in blue at its top over a
// small, mostly black illustration of what the button opens; the English title, or
// the one given.
QImage DrawMenuPicture(TMenuPicture picture);
QImage DrawMenuPicture(TMenuPicture picture, const QString& title);

// The pictures as they were drawn when the program was built and as they are stored
// in it: the menu opens without loading a single font, and its memory is only read
// once it paints, after its window is on the screen. Each language the program
// ships has its own set, its titles drawn in that language; for any other code, the
// empty one among them, the English set.
QImage MenuBackground();
QImage MenuPicture(TMenuPicture picture, const QString& language = QString());

// How the pictures are stored: each row after row of red, green and blue bytes, the
// six buttons in the order of TMenuPicture, one such set per language: English
// first, then those of kMenuLanguages in its order, which a null pointer ends.
constexpr int kMenuBackgroundBytes = 410 * 280 * 3;
constexpr int kMenuPictureBytes = 72 * 72 * 3;
extern const unsigned char kMenuBackgroundData[kMenuBackgroundBytes];
extern const unsigned char kMenuPictureData[][6][kMenuPictureBytes];
extern const char* const kMenuLanguages[];
