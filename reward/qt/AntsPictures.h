// The ants game's pictures: the still field with its palette, and the ant
// sprites, four frames each, stepped by the frame cycle on every tick.
#pragma once

#include "board/FrameCycle.h"
#include "board/PackedDib.h"

#include <QWidget>
#include <array>
#include <string>

// The playing field: one picture and the palette made from it.
class CAntsFieldPicture : public QWidget {
    Q_OBJECT
public:
    explicit CAntsFieldPicture(QWidget* parent = nullptr);

    // Reads the bitmap at path (a real path) and makes its palette; a
    // failure is reported and leaves the field blank.
    void LoadPicture(const std::string& path);
    const CPalette* Palette() const { return m_hasPalette ? &m_palette : nullptr; }
    const HDIB& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HDIB m_picture;
    CPalette m_palette;
    bool m_hasPalette = false;
};

// One ant: frames 0 (in its hole) to 3 (all the way out).
class CAntSprite : public QWidget {
    Q_OBJECT
public:
    explicit CAntSprite(QWidget* parent = nullptr);

    // Reads the frames stem + "0.bmp" ... stem + "3.bmp" (stem relative to
    // the data folder); each frame that cannot be read is reported and left
    // empty. The palette belongs to the owner.
    void LoadPicture(const CPalette* palette, const std::string& stem, int width, int height);

    void Tick();
    void Hit();
    void ResetDelay() { m_cycle.ResetDelay(); }
    int Frame() const { return m_cycle.frame(); }
    board::CFrameCycle& Cycle() { return m_cycle; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    board::CFrameCycle m_cycle;
    std::array<HDIB, board::CFrameCycle::kFrameCount> m_frames;
    const CPalette* m_palette = nullptr;
    QRect m_frameRect;
};
