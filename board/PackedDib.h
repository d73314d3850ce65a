// Packed device-independent bitmaps and their palettes.
//
// Every picture of the game is a bitmap file held in memory as a packed DIB:
// the file's bytes from the one after the 14-byte file header to its end, that
// is the information header, the colour table and the pixel bits in one block.
// A packed DIB that LoadPackedDib hands out has been checked: its header,
// colour table and (for uncompressed and bit-field pictures) its pixel rows lie
// wholly inside the block, so the helpers below never read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Header sizes and compressions the loader knows.
inline constexpr uint32_t kDibCoreHeaderSize = 12; // 16-bit width and height, 3-byte colours
inline constexpr uint32_t kDibInfoHeaderSize = 40; // and every larger header of that family
inline constexpr uint32_t kDibRgb = 0;
inline constexpr uint32_t kDibRle8 = 1;
inline constexpr uint32_t kDibRle4 = 2;
inline constexpr uint32_t kDibBitFields = 3;

// Pictures above this many pixels are refused as too large: the game's
// pictures are far smaller, and a run-length picture of a few bytes can
// otherwise ask for gigabytes when it is drawn.
inline constexpr uint64_t kDibMaxPixels = 16u * 1024u * 1024u;
// Files above this size are not read at all.
inline constexpr uint64_t kDibMaxFileBytes = 256u * 1024u * 1024u;

class PackedDib {
public:
    // The bytes after the file header: information header, colour table, bits.
    std::vector<uint8_t> bytes;
    // Where the pixel bits start in bytes: where the file header says they
    // start, or right after the colour table when that value is unusable.
    size_t bitsOffset = 0;

    const uint8_t* Header() const { return bytes.data(); }
    uint32_t HeaderSize() const;
    bool IsCoreHeader() const { return HeaderSize() == kDibCoreHeaderSize; }
    uint16_t BitCount() const;
    uint32_t Compression() const; // kDibRgb for a core header
    // Offset of the colour table: after the header, and after the three
    // 32-bit colour masks of a 40-byte header with bit-field compression.
    size_t ColorTableOffset() const;

    // The whole bitmap file again: a 14-byte file header in front of bytes,
    // its bits offset pointing at bitsOffset.
    std::vector<uint8_t> FileBytes() const;

    // Room for the drawable form the user interface makes once per load (an
    // image object the core does not know); empty until then.
    mutable std::shared_ptr<const void> drawable;
};

// A handle on a packed DIB; null for none. The document that loads a picture
// owns it; views and controls share it while they draw.
using HDIB = std::shared_ptr<PackedDib>;

// Header readers. header is the start of a packed DIB that LoadPackedDib made.
int32_t DibPixelWidth(const uint8_t* header);  // 32-bit width, or 16-bit core width
int32_t DibPixelHeight(const uint8_t* header); // 32-bit height, or 16-bit core height
uint32_t DibColorCount(const uint8_t* header);
uint64_t DibColorTableBytes(const uint8_t* header); // count x 4, or x 3 for a core header
// Address of the pixel bits: where the file header put them.
const uint8_t* DibPixelBits(const PackedDib& dib);

// One palette entry, as a logical palette holds it.
struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
    bool operator==(const PaletteEntry&) const = default;
};

// A logical palette kept as data. On a true-colour display realising it
// changes nothing; its entries are the picture's colour table in order.
class CPalette {
public:
    uint16_t version = 0x300;
    std::vector<PaletteEntry> entries;
};

// Fills palette from the DIB's colour table. False for a null handle or a DIB
// without colour table (the palette is left as it was).
bool MakeDibPalette(const HDIB& dib, CPalette& palette);

// Reads a bitmap file held in memory. Null when it is not a bitmap: fewer
// than 14 bytes, a type other than "BM", a header size other than 12 or 40
// and more, a header, colour table or (uncompressed or bit-field) pixel rows
// running past the end, a bit count or compression that cannot be drawn, a
// zero width or height, or a picture the installed decoder refuses.
// Negative (top-down) heights and oversized pictures are let through so that
// the picture document can report them as too large.
HDIB LoadPackedDib(const uint8_t* data, size_t size);
// Reads a bitmap file from disk. The file must be a regular file of at most
// kDibMaxFileBytes. cause receives the file-error cause code when the file
// cannot be opened or read (causeNone otherwise, also for a file that is read
// but is not a bitmap).
HDIB LoadPackedDib(const std::string& path, int* cause = nullptr);

// The same with the two kinds of file failure told apart: the file could not
// be opened (result openFailed) or failed while it was read (readFailed), each
// with its cause code. Otherwise result is ok and dib is the picture or null.
struct DibFileRead {
    enum Result { ok, openFailed, readFailed };
    Result result = ok;
    int cause = 0;
    HDIB dib;
};
DibFileRead ReadPackedDibFile(const std::string& path);

// Too large to draw: a negative width or height (read unsigned, above
// 2147483647; a top-down picture has a negative height), or more than
// kDibMaxPixels pixels.
bool DibIsTooLarge(const PackedDib& dib);

// The user interface installs a decoder that turns an accepted packed DIB
// into its drawable form (stored in PackedDib::drawable); a picture it cannot
// decode is refused by LoadPackedDib. Returns the previous decoder.
using DibDecoder = std::function<bool(const PackedDib&)>;
DibDecoder SetDibDecoder(DibDecoder decoder);
