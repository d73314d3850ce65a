// Pictures of the data folder, drawn with Qt and stored as 8-bit bitmaps.
#pragma once

#include "puzzlegen/Board.h"
#include "puzzlegen/Media.h"
#include "puzzlegen/Pages.h"
#include "puzzlegen/Shelf.h"
#include "puzzlegen/Story.h"

#include <QFont>
#include <QImage>
#include <memory>
#include <vector>

class CPageFonts;

namespace puzzlegen {

// Widths in the page window's fonts (Liberation Sans at the page pixel sizes).
class CQtMeasure : public ITextMeasure {
public:
    CQtMeasure();
    ~CQtMeasure() override;
    int Width(const std::string& text, int style) const override;
    int TabWidth() const override;

private:
    std::unique_ptr<CPageFonts> m_fonts; // the page window's own fonts
};

// Lays a page file out as the page window does and checks that it fits:
// every drawn run ends within 305 pixels, no line is too long for the
// reader, no block starts revealed. Empty when it is fine, else the fault.
// With image given, draws the page into it (blocks revealed when asked).
std::string CheckPage(const std::string& path, QImage* image = nullptr, bool reveal = false);

// Turns pictures into 8-bit ones sharing one colour table, chosen from the
// colours the pictures use most.
std::vector<IndexedImage> Quantize(const std::vector<QImage>& images);

// The puzzle picture and the layout that goes with it (offsets from the
// label areas).
struct PuzzlePicture {
    QImage image;
    CBoardLayout layout;
};
// With scale 2 the same picture at twice the size (for high-density screens):
// the layout is the picture's at scale 1, every line and letter drawn in
// device pixels twice as fine.
PuzzlePicture DrawPuzzle(const CStory& story, const Shape& shape, int scale = 1);

// Scale 2 draws them twice the size, as DrawPuzzle does.
QImage DrawHead(int scale = 1);  // the game selection header, 116 x 100
QImage DrawAbout(int scale = 1); // the About box picture, 96 x 96

// The application icon, size x size with a transparent surround.
QImage DrawIcon(int size);
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
// The hint-page window's icon, size x size.
QImage DrawPageIcon(int size);
inline constexpr int kPageIconSizes[] = {16, 32, 48};

// The reward game's field and the ants' frames.
struct AntArt {
    QImage field;                            // 640 x 480
    std::vector<QRect> boxes;                // ten ants, in field coordinates
    std::vector<std::vector<QImage>> frames; // [ant][0..3]
};
AntArt DrawAnts();

} // namespace puzzlegen
