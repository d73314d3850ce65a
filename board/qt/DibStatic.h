// CDibStatic: an animated four-frame sprite (the ants of the reward game).
//
// LoadPicture reads base0.bmp to base3.bmp; the owner calls Tick on every
// tick of its timer and Hit when the sprite is hit. The frames are drawn with
// a palette the owner lends (typically the background CPaletteStatic's,
// which must outlive this control); without a palette nothing is drawn.
// The frame rule is board::CFrameCycle.
#pragma once

#include "board/FrameCycle.h"
#include "board/PackedDib.h"

#include <QFrame>
#include <QRect>
#include <array>
#include <string>

class CDibStatic : public QFrame {
    Q_OBJECT
public:
    static constexpr int kFrameCount = board::CFrameCycle::kFrameCount;

    explicit CDibStatic(QWidget* parent = nullptr);
    ~CDibStatic() override;

    // Where the owner placed the control, in the owner's client coordinates;
    // set and read by the owner only.
    QRect box;

    // Frame rectangle = (0, 0, width, height); palette = the one given (not
    // owned); frame i is read from "<baseName><i>.bmp". baseName is relative
    // to the data folder in the game's own spelling ("ants\\ant") or an
    // absolute path. A frame that cannot be opened or read shows "Error
    // reading DIB file." and stays empty; returns false when any did.
    bool LoadPicture(const CPalette* palette, const std::string& baseName, int width, int height);

    // One animation step; repaints when the frame may have changed.
    void Tick();
    // Hit: a fresh delay 5 steps longer, back to frame 0 rising, repaint.
    void Hit();
    // A fresh delay of 1 to 21 steps from the process-wide generator.
    void ResetDelay();

    int Frame() const { return m_cycle.frame(); }
    int Delay() const { return m_cycle.delay(); }
    bool Rising() const { return m_cycle.rising(); }
    board::CFrameCycle& Cycle() { return m_cycle; }
    const board::CFrameCycle& Cycle() const { return m_cycle; }

    const HDIB& GetFrameDib(int index) const { return m_frames.at(index); }
    const CPalette* GetPalette() const { return m_palette; }
    void SetPalette(const CPalette* palette) { m_palette = palette; }
    const QRect& FrameRect() const { return m_frameRect; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    board::CFrameCycle m_cycle;
    std::array<HDIB, kFrameCount> m_frames;
    const CPalette* m_palette = nullptr;
    QRect m_frameRect;
    bool m_paintErrorShown = false;
};
