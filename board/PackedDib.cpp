#include "board/PackedDib.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

DibDecoder& Decoder() {
    static DibDecoder decoder;
    return decoder;
}

bool IsCore(const uint8_t* header) {
    return U32(header) == kDibCoreHeaderSize;
}

uint64_t Magnitude(int32_t v) {
    return v < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(v)) : static_cast<uint64_t>(v);
}

constexpr size_t kFileHeaderSize = 14;

} // namespace

uint32_t PackedDib::HeaderSize() const {
    return U32(bytes.data());
}

uint16_t PackedDib::BitCount() const {
    return IsCoreHeader() ? U16(bytes.data() + 10) : U16(bytes.data() + 14);
}

uint32_t PackedDib::Compression() const {
    return IsCoreHeader() ? kDibRgb : U32(bytes.data() + 16);
}

size_t PackedDib::ColorTableOffset() const {
    size_t offset = HeaderSize();
    if (offset == kDibInfoHeaderSize && Compression() == kDibBitFields)
        offset += 12;
    return offset;
}

std::vector<uint8_t> PackedDib::FileBytes() const {
    std::vector<uint8_t> file(kFileHeaderSize + bytes.size());
    file[0] = 'B';
    file[1] = 'M';
    PutU32(&file[2], static_cast<uint32_t>(file.size()));
    PutU16(&file[6], 0);
    PutU16(&file[8], 0);
    PutU32(&file[10], static_cast<uint32_t>(kFileHeaderSize + bitsOffset));
    if (!bytes.empty())
        std::memcpy(file.data() + kFileHeaderSize, bytes.data(), bytes.size());
    return file;
}

int32_t DibPixelWidth(const uint8_t* header) {
    if (IsCore(header))
        return U16(header + 4);
    return static_cast<int32_t>(U32(header + 4));
}

int32_t DibPixelHeight(const uint8_t* header) {
    if (IsCore(header))
        return U16(header + 6);
    return static_cast<int32_t>(U32(header + 8));
}

uint32_t DibColorCount(const uint8_t* header) {
    uint16_t bits;
    if (IsCore(header)) {
        bits = U16(header + 10);
    } else {
        uint32_t used = U32(header + 32);
        if (used != 0)
            return used;
        bits = U16(header + 14);
    }
    switch (bits) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

uint64_t DibColorTableBytes(const uint8_t* header) {
    return static_cast<uint64_t>(DibColorCount(header)) * (IsCore(header) ? 3 : 4);
}

const uint8_t* DibPixelBits(const PackedDib& dib) {
    return dib.bytes.data() + dib.bitsOffset;
}

bool MakeDibPalette(const HDIB& dib, CPalette& palette) {
    if (!dib || dib.get()->bytes.empty())
        return false;
    const uint8_t* header = dib->Header();
    uint32_t count = DibColorCount(header);
    if (count == 0)
        return false;
    const size_t entrySize = dib->IsCoreHeader() ? 3 : 4;
    const uint8_t* table = header + dib->ColorTableOffset();
    std::vector<PaletteEntry> entries;
    entries.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = table + i * entrySize;
        entries.push_back({e[2], e[1], e[0], 0});
    }
    palette.version = 0x300;
    palette.entries = std::move(entries);
    return true;
}

namespace {

// The structural checks: everything the helpers and the drawing read must lie
// inside the block. Sets bitsOffset. fileOffBits is the file header's value.
bool CheckDib(PackedDib& dib, uint32_t fileOffBits) {
    const std::vector<uint8_t>& b = dib.bytes;
    const uint64_t size = b.size();
    if (size < 4)
        return false;
    const uint32_t headerSize = U32(b.data());
    if (headerSize != kDibCoreHeaderSize && headerSize < kDibInfoHeaderSize)
        return false;
    if (headerSize > size)
        return false;
    const uint8_t* header = b.data();
    const int32_t width = DibPixelWidth(header);
    const int32_t height = DibPixelHeight(header);
    if (width == 0 || height == 0)
        return false;
    const uint16_t bits = dib.BitCount();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const uint32_t compression = dib.Compression();
    const bool packedRows = compression == kDibRgb || compression == kDibBitFields;
    if (!(compression == kDibRgb || (compression == kDibRle8 && bits == 8) ||
          (compression == kDibRle4 && bits == 4) ||
          (compression == kDibBitFields && (bits == 16 || bits == 32))))
        return false;
    const uint64_t tableOffset = dib.ColorTableOffset();
    const uint64_t tableEnd = tableOffset + DibColorTableBytes(header);
    if (tableEnd > size)
        return false;
    // Where the file header says the bits start, unless that lies inside the
    // header (or its masks) or past the end.
    uint64_t bitsOffset = tableEnd;
    if (fileOffBits >= kFileHeaderSize) {
        uint64_t said = fileOffBits - kFileHeaderSize;
        if (said >= tableOffset && said <= size)
            bitsOffset = said;
    }
    if (packedRows) {
        const uint64_t rowBytes = (Magnitude(width) * bits + 31) / 32 * 4;
        const uint64_t need = rowBytes * Magnitude(height);
        if (need > size - bitsOffset)
            return false;
    }
    dib.bitsOffset = static_cast<size_t>(bitsOffset);
    return true;
}

} // namespace

bool DibIsTooLarge(const PackedDib& dib) {
    const int32_t width = DibPixelWidth(dib.Header());
    const int32_t height = DibPixelHeight(dib.Header());
    if (width < 0 || height < 0)
        return true;
    return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kDibMaxPixels;
}

HDIB LoadPackedDib(const uint8_t* data, size_t size) {
    if (!data || size < kFileHeaderSize)
        return nullptr;
    if (U16(data) != 0x4D42)
        return nullptr;
    if (size - kFileHeaderSize > kDibMaxFileBytes)
        return nullptr;
    auto dib = std::make_shared<PackedDib>();
    dib->bytes.assign(data + kFileHeaderSize, data + size);
    if (!CheckDib(*dib, U32(data + 10)))
        return nullptr;
    // A picture that is too large is handed on undecoded, for the document
    // to report; anything else must be drawable.
    if (!DibIsTooLarge(*dib) && Decoder() && !Decoder()(*dib))
        return nullptr;
    return dib;
}

DibFileRead ReadPackedDibFile(const std::string& path) {
    DibFileRead out;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.result = DibFileRead::openFailed;
        out.cause = platform::CauseFromErrno(errno);
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        out.result = DibFileRead::openFailed;
        out.cause = platform::causeAccessDenied;
        return out;
    }
    // Readers shut other writers out, as with every data file.
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        out.result = DibFileRead::openFailed;
        out.cause = platform::causeSharingViolation;
        return out;
    }
    // Devices, pipes and oversized files are not pictures.
    if (!S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > kDibMaxFileBytes + 14) {
        ::close(fd);
        return out;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            out.result = DibFileRead::readFailed;
            out.cause = platform::CauseFromErrno(errno);
            ::close(fd);
            return out;
        }
        if (n == 0)
            break; // the file shrank: fewer bytes than its length
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    if (got < bytes.size())
        return out;
    out.dib = LoadPackedDib(bytes.data(), bytes.size());
    return out;
}

HDIB LoadPackedDib(const std::string& path, int* cause) {
    DibFileRead read = ReadPackedDibFile(path);
    if (cause)
        *cause = read.cause;
    return read.dib;
}

DibDecoder SetDibDecoder(DibDecoder decoder) {
    std::swap(Decoder(), decoder);
    return decoder;
}
