// CDibDoc: a document that holds one picture, its palette and its size.
#pragma once

#include "board/PackedDib.h"

#include <memory>
#include <string>

struct PictureSize {
    int width = 1;
    int height = 1;
    bool operator==(const PictureSize&) const = default;
};

class CDibDoc {
public:
    CDibDoc();
    virtual ~CDibDoc();
    CDibDoc(const CDibDoc&) = delete;
    CDibDoc& operator=(const CDibDoc&) = delete;

    // Opens the picture at path. Failures are reported in message boxes:
    // a file that cannot be opened or read gets the standard load report and
    // keeps the previous picture; a file that is not a bitmap the game can
    // draw gets "Cannot load DIB" (after "DIB is too large" for a picture
    // that is too large) and leaves no picture.
    virtual bool OnOpenDocument(const std::string& path);
    // The document's delete-contents step; does nothing here.
    virtual void DeleteContents() {}

    // Rebuilds the palette and picture size from the picture. A picture
    // that is too large is freed after "DIB is too large".
    void DerivePictureInfo();
    // Takes a picture loaded elsewhere (LoadPackedDib) as the document's own,
    // then derives its size and palette as an open does. False, after the
    // same messages as an open, when there is no picture afterwards.
    bool SetPicture(HDIB picture);

    const HDIB& GetPicture() const { return m_picture; }
    // Null when the picture has no colour table (or there is no picture).
    const CPalette* GetPalette() const { return m_palette.get(); }
    // (1, 1) while there is no picture.
    PictureSize GetPictureSize() const { return m_size; }

    // The document's path: the picture's path after a successful open.
    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path) { m_pathName = path; }
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

protected:
    // Drops the picture and its palette.
    void FreePicture();
    // The standard load report: the file error's text for cause, or
    // "Failed to open document." when there is none.
    static void ReportLoadError(int cause, const std::string& path);

private:
    HDIB m_picture;
    std::unique_ptr<CPalette> m_palette;
    PictureSize m_size;
    std::string m_pathName;
    bool m_modified = false;
};
