// Pictures held in memory, read as the format they are known to be.
#pragma once

#include <QImage>
#include <cstddef>

namespace platform {

// The picture in bytes[0, size), read only as `format` ("png", "bmp"): a null
// image when it is not a readable picture of that format. Nothing is guessed
// from the contents, so the toolkit asks none of its image plugins what the
// bytes are and loads none of them (loading them all cost start-up a
// millisecond). Needs the application object, as all the toolkit's image
// reading does.
QImage ReadImageBytes(const void* bytes, std::size_t size, const char* format);

} // namespace platform
