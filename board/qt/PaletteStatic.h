// CPaletteStatic: a static control that shows one still picture (a packed
// DIB) with its own palette: the About box picture, the game selection
// header, the ants game's playing field.
//
// Put it in a dialog in place of a template control with
// CTemplateDialog::ReplaceControl(id, new CPaletteStatic), then LoadPicture.
// On a high-density screen it shows the picture's twin at twice the size
// (LoadSharpTwin) where there is one. A picture that cannot be loaded is reported in a message box
// and leaves the control empty; the dialog carries on without it.
#pragma once

#include "board/DibDoc.h"
#include "board/PackedDib.h"

#include <QFrame>
#include <QImage>
#include <memory>
#include <string>

class CPaletteStatic : public QFrame {
    Q_OBJECT
public:
    explicit CPaletteStatic(QWidget* parent = nullptr);
    ~CPaletteStatic() override;

    // Loads the bitmap file at path: a path relative to the data folder in
    // the game's own spelling ("data\\Deduxa.bmp") or an absolute path.
    // Reports and returns false when the file cannot be opened (its file
    // error), is not a readable bitmap ("Error reading DIB file.") or has no
    // colour table to make a palette from ("Error creating palette from
    // DIB."); the control is then left without picture or palette.
    bool LoadPicture(const std::string& path);

    const HDIB& GetPicture() const { return m_picture; }
    // Null until a picture with a colour table is loaded. A CDibStatic that
    // draws over this picture borrows it.
    const CPalette* GetPalette() const { return m_palette.get(); }
    // The picture's size in pixels; (0, 0) without a picture.
    QSize PictureSize() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HDIB m_picture;
    // The twice-as-large twin, read at the first paint on a screen that shows
    // it (most never do).
    QImage m_sharp;
    std::string m_sharpFrom;
    std::unique_ptr<CPalette> m_palette;
    bool m_paintErrorShown = false;
};

// Reports "Error painting DIB" once, after the paint that failed has ended
// (a message box inside a paint would make the box's own repaints fail
// again). Shared by the picture controls.
void ReportPaintError(QWidget* control);
// The real path of a picture named relative to the data folder, or path
// itself when it is absolute.
std::string PicturePath(const std::string& path);
