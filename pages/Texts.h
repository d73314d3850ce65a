// Every text the page window shows.
#pragma once

namespace pages_text {

inline constexpr const char* kUnableToLoad = "Unable to load "; // + the path
inline constexpr const char* kFileErrorCaption = "File Error";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kJumpingTo = "Jumping to "; // + the target
inline constexpr const char* kJumpCaption = "Jump!";
inline constexpr const char* kAnswerCaption = "And the Answer is...";
// The window icon's pictures: the prefix, then the size in pixels and ".png".
inline constexpr const char* kPageIconPrefix = "icons\\page-";
// The texts of failures that have no counterpart with Qt (no display DC,
// bitmap object or memory DC to fail) are kept with the others; the page
// bitmap that cannot be made is reported with kCreateBitmapFailed.
inline constexpr const char* kNewBitmapFailed = "Unable to new bitmap!";
inline constexpr const char* kNoDisplayDC = "Unable to get display DC!";
inline constexpr const char* kCreateBitmapFailed = "Unable to create bitmap.\nOut Of Memory!";
inline constexpr const char* kSelectBitmap1 = "Unable to select bitmap! 1";
inline constexpr const char* kSelectBitmap3 = "Unable to select bitmap! 3";
inline constexpr const char* kSelectBitmap4 = "Unable to select bitmap! 4";

// Printing.
inline constexpr const char* kPrintDocName = "HTF Print";
inline constexpr const char* kStartDocError = "StartDoc error";
inline constexpr const char* kStartPageError = "StartPage error";
inline constexpr const char* kCreateDCFailed = "CreateCompatibleDC Failed";
inline constexpr const char* kSelectObjectFailed = "SelectObject Failed";
inline constexpr const char* kStretchFailed = "StretchBlt Failed";
inline constexpr const char* kEndPageError = "EndPage";
inline constexpr const char* kEndDocError = "EndDoc";

// The page window's own menu.
inline constexpr const char* kPrintPageMenu = "&Print Page...";

// The face that stands for "HELV".
inline constexpr const char* kPageFace = "Liberation Sans";

} // namespace pages_text
