// Pictures of the data folder, drawn with Qt and stored as 8-bit bitmaps.
#pragma once

#include "tools/puzzlegen/Board.h"
#include "tools/puzzlegen/Media.h"
#include "tools/puzzlegen/Pages.h"
#include "tools/puzzlegen/Shelf.h"
#include "tools/puzzlegen/Story.h"

#include <QFont>
#include <QImage>
#include <vector>

namespace puzzlegen {

// Widths in the page window's fonts (Liberation Sans at the page pixel sizes).
class CQtMeasure : public ITextMeasure {
public:
    CQtMeasure();
    int Width(const std::string& text, int style) const override;
    static QFont PageFont(int style);
};

// Turns pictures into 8-bit ones sharing one colour table, chosen from the
// colours the pictures use most.
std::vector<IndexedImage> Quantize(const std::vector<QImage>& images);

// The puzzle picture and the layout that goes with it (offsets from the
// label areas).
struct PuzzlePicture {
    QImage image;
    CBoardLayout layout;
};
PuzzlePicture DrawPuzzle(const CStory& story, const Shape& shape);

QImage DrawHead();  // the game selection header, 154 x 134
QImage DrawAbout(); // the About box picture

// The reward game's field and the ants' frames.
struct AntArt {
    QImage field;                            // 640 x 480
    std::vector<QRect> boxes;                // ten ants, in field coordinates
    std::vector<std::vector<QImage>> frames; // [ant][0..3]
};
AntArt DrawAnts();

} // namespace puzzlegen
