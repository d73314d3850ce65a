#include "board/DibDoc.h"

#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "puzzle/Texts.h"

CDibDoc::CDibDoc() = default;

CDibDoc::~CDibDoc() = default;

void CDibDoc::ReportLoadError(int cause, const std::string& path) {
    std::string text = cause == platform::causeNone ? std::string(puzzle_texts::kFailedToOpen)
                                                    : platform::FileErrorText(cause, path);
    platform::MessageBox(text, "", platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

void CDibDoc::FreePicture() {
    m_picture.reset();
    m_palette.reset();
    m_size = PictureSize{};
}

bool CDibDoc::OnOpenDocument(const std::string& path) {
    DibFileRead read = ReadPackedDibFile(path);
    if (read.result == DibFileRead::openFailed) {
        ReportLoadError(read.cause, path);
        return false;
    }
    DeleteContents();
    if (read.result == DibFileRead::readFailed) {
        FreePicture();
        ReportLoadError(read.cause, path);
        return false;
    }
    if (!SetPicture(std::move(read.dib)))
        return false;
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CDibDoc::SetPicture(HDIB picture) {
    m_picture = std::move(picture);
    DerivePictureInfo();
    if (!m_picture) {
        platform::MessageBox(puzzle_texts::kCannotLoadDib, "",
                             platform::MB_OK | platform::MB_ICONINFORMATION);
        return false;
    }
    return true;
}

void CDibDoc::DerivePictureInfo() {
    m_palette.reset();
    if (m_picture) {
        if (DibIsTooLarge(*m_picture)) {
            m_picture.reset();
            platform::MessageBox(puzzle_texts::kDibTooLarge, "",
                                 platform::MB_OK | platform::MB_ICONINFORMATION);
        } else {
            m_size = {DibPixelWidth(m_picture->Header()), DibPixelHeight(m_picture->Header())};
            auto palette = std::make_unique<CPalette>();
            if (MakeDibPalette(m_picture, *palette))
                m_palette = std::move(palette);
        }
    }
    if (!m_picture)
        m_size = PictureSize{};
}
