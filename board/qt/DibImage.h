// Packed DIBs on the screen: each picture is turned into a QImage once, when
// it is loaded, and drawn from that image afterwards.
#pragma once

#include "board/PackedDib.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <string>

class QPainter;

// Decodes a packed DIB with Qt's bitmap reader (the file header is put back
// in front). A null image when the reader cannot decode it.
QImage DecodePackedDib(const PackedDib& dib);

// The DIB's image, made once and kept with the DIB. Null for a null handle or
// a picture that cannot be decoded.
const QImage* PackedDibImage(const HDIB& dib);

// Installs the decoder with LoadPackedDib, so that every picture the game
// loads is decoded once on loading, and a picture Qt cannot decode (2-bit
// pixels, embedded JPEG or PNG, unknown headers) is refused there instead of
// being drawn blank. Done at start-up by any program that links this file
// (the picture view does); calling it again does no harm.
void InstallDibDecoder();

// Draws the source rectangle of the DIB (in picture pixels, top-left origin)
// into the destination rectangle: copied pixel for pixel when the two have
// the same size, stretched otherwise. The palette is accepted for the
// original call's shape; a true-colour display needs none. False for a null
// handle or a picture that cannot be decoded.
bool DrawPackedDib(QPainter& painter, const QRect& destination, const HDIB& dib,
                   const QRect& source, const CPalette* palette = nullptr);

// The picture twice the size that a high-density screen shows in place of the
// picture at path: the same file name with "@2x" before ".bmp", when that file
// is a bitmap of exactly twice size (width and height). Its device pixel ratio
// is 2, so it draws into the picture's own rectangle. Null when there is none.
QImage LoadSharpTwin(const std::string& path, QSize size);
