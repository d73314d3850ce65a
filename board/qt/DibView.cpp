#include "board/qt/DibView.h"

#include "board/DibDoc.h"
#include "board/qt/DibImage.h"

#include <QPainter>
#include <QScrollBar>

CDibView::CDibView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName("CDibView");
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

CDibView::~CDibView() = default;

void CDibView::SetDocument(CDibDoc* document) {
    m_document = document;
}

QPoint CDibView::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CDibView::UpdateScrollSizes() {
    PictureSize size = m_document ? m_document->GetPictureSize() : PictureSize{};
    // Work the ranges out for the room the picture would have without scroll
    // bars when it fits there; otherwise bars kept from an earlier, smaller
    // size would take the room the picture needs and stay for good.
    QSize view = viewport()->size();
    const QSize room = maximumViewportSize();
    if (size.width <= room.width() && size.height <= room.height())
        view = room;
    horizontalScrollBar()->setRange(0, std::max(0, size.width - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, size.height - view.height()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, view.width() / 10));
    verticalScrollBar()->setSingleStep(std::max(1, view.height() / 10));
}

void CDibView::OnInitialUpdate() {
    UpdateScrollSizes();
    OnRealizePicturePalette(this);
    viewport()->update();
}

void CDibView::OnRealizePicturePalette(QWidget*) {
    // Palettes are kept as data; a true-colour display needs none realised.
}

void CDibView::OnDraw(QPainter& painter) {
    if (!m_document || !m_document->GetPicture())
        return;
    const PictureSize size = m_document->GetPictureSize();
    const QRect whole(0, 0, size.width, size.height);
    DrawPackedDib(painter, whole, m_document->GetPicture(), whole, m_document->GetPalette());
}

void CDibView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.translate(-ScrollPosition());
    OnDraw(painter);
}

void CDibView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CDibView::scrollContentsBy(int, int) {
    viewport()->update();
}
