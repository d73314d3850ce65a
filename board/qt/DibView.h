// CDibView: a scrolling view that shows the picture of a CDibDoc.
//
// The view draws in picture pixels: one unit is one pixel, the origin at the
// picture's top-left corner, moved by the scroll position. The scroll range
// is the picture size.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>

class CDibDoc;
class QPainter;

class CDibView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CDibView(QWidget* parent = nullptr);
    ~CDibView() override;

    // The document shown (not owned); the main frame attaches it.
    void SetDocument(CDibDoc* document);
    CDibDoc* GetDocument() const { return m_document; }

    // The initial-update step: scroll sizes from the picture, the palette
    // realised, the whole view invalidated and erased.
    virtual void OnInitialUpdate();
    // Realises the picture's palette. Nothing to do on a true-colour display.
    void OnRealizePicturePalette(QWidget* window = nullptr);

    // The scroll position in picture pixels.
    QPoint ScrollPosition() const;
    // Picture pixels to viewport pixels and back.
    QPoint PictureToClient(QPoint picture) const { return picture - ScrollPosition(); }
    QPoint ClientToPicture(QPoint client) const { return client + ScrollPosition(); }

protected:
    // Draws the picture at (0, 0) in its own size; painter works in picture
    // pixels.
    virtual void OnDraw(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // Sets the scroll ranges for the document's picture and the viewport.
    void UpdateScrollSizes();

private:
    CDibDoc* m_document = nullptr;
};
