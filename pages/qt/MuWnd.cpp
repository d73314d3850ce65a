#include "pages/qt/MuWnd.h"

#include "pages/PagePrint.h"
#include "pages/Texts.h"
#include "pages/qt/PageRecords.h"
#include "pages/qt/QtPageCanvas.h"
#include "platform/MessageBox.h"
#include "platform/qt/DataIcon.h"
#include "platform/qt/Module.h"
#include "platform/qt/Placement.h"
#include "platform/qt/TemplateDialog.h"
#include "platform/qt/modules/ModuleApi.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>

namespace {

// The largest whole-page bitmap PageBitmap makes: 64 MiB.
constexpr long long kMaxBitmapBytes = 64LL * 1024 * 1024;

class CWaitCursor {
public:
    CWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

void ErrorBox(const char* text) {
    platform::MessageBox(text, pages_text::kErrorCaption,
                         platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

} // namespace

// The client area: the page without the scroll bar.
class CPageArea : public QWidget {
public:
    explicit CPageArea(CMuWnd* owner) : QWidget(nullptr), m_owner(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(false);
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        m_owner->PaintPage(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            m_owner->OnLButtonDown(event->position().toPoint().x(),
                                   event->position().toPoint().y());
        QWidget::mousePressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu menu(this);
        menu.addAction(m_owner->PrintAction());
        menu.exec(event->globalPos());
    }
    void wheelEvent(QWheelEvent* event) override {
        m_wheel += event->angleDelta().y();
        while (m_wheel >= 120) {
            m_owner->OnVScroll(scrollLineUp, 0);
            m_wheel -= 120;
        }
        while (m_wheel <= -120) {
            m_owner->OnVScroll(scrollLineDown, 0);
            m_wheel += 120;
        }
        event->accept();
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        m_owner->PlaceButtons(true);
    }

private:
    CMuWnd* m_owner;
    int m_wheel = 0;
};

CPageButton::CPageButton(const std::string& text, int rowIndex, int id, QWidget* parent)
    : QPushButton(parent), m_text(text), m_rowIndex(rowIndex), m_id(id) {
    setGeometry(5, 1, 30, 14);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

CMuWnd::CMuWnd(QMdiArea* area) : QMdiSubWindow(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* container = new QWidget;
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_area = new CPageArea(this);
    m_scrollBar = new QScrollBar(Qt::Vertical);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->setSingleStep(1);
    m_scrollBar->setPageStep(CPageView::kPageStep);
    layout->addWidget(m_area, 1);
    layout->addWidget(m_scrollBar);
    setWidget(container);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &CMuWnd::OnScrollAction);
    connect(m_scrollBar, &QScrollBar::sliderReleased, this,
            [this] { OnVScroll(scrollThumbPosition, m_scrollBar->sliderPosition()); });

    m_printAction = new QAction(pages_text::kPrintPageMenu, this);
    m_printAction->setData(57607);
    connect(m_printAction, &QAction::triggered, this, &CMuWnd::PrintPage);
    if (QMenu* menu = systemMenu()) {
        menu->addSeparator();
        menu->addAction(m_printAction);
    }

    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] {
        m_activating = true;
        emit PageFocused();
        QMetaObject::invokeMethod(
            this, [this] { m_activating = false; }, Qt::QueuedConnection);
    });

    // The page window's own icon; without its pictures it keeps the game's.
    const QIcon icon = platform::DataIcon(pages_text::kPageIconPrefix, {16, 32, 48});
    if (!icon.isNull())
        setWindowIcon(icon);

    setMinimumSize(0, minimumSizeHint().height());
    setMaximumSize(kMaxWidth, kMaxHeight);
    if (area)
        area->addSubWindow(this);
    setGeometry(0, 1, 320, 398);
    hide();
    m_view.needRows = [this](size_t row) {
        if (m_records)
            m_records->LayOutThroughRow(row);
    };
}

CMuWnd::~CMuWnd() {
    m_records.reset();
    delete m_fonts;
}

QWidget* CMuWnd::ClientArea() const {
    return m_area;
}

const CPageView& CMuWnd::View() const {
    if (m_records)
        m_records->LayOutThroughRow(SIZE_MAX);
    return m_view;
}

CPageView& CMuWnd::View() {
    if (m_records)
        m_records->LayOutThroughRow(SIZE_MAX);
    return m_view;
}

void CMuWnd::EnsureFonts() {
    if (!m_fonts) {
        m_fonts = new CPageFonts;
        m_view.metrics = m_fonts->Heights();
        m_records = std::make_unique<CPageRecords>(*m_fonts);
    }
}

bool CMuWnd::LoadPage(const std::string& path, int firstRow, bool reportFailure, int revealMode) {
    CWaitCursor wait;
    EnsureFonts();
    CPageView::LoadResult result = m_view.ReadPage(path, firstRow, reportFailure, revealMode);
    if (result == CPageView::loadOpenFailed)
        return false;
    // A page the player asked for is not left hidden in a minimised window.
    if (isMinimized())
        showNormal();

    for (CPageButton* button : m_buttons)
        delete button;
    m_buttons.clear();
    for (const CPageButtonData& data : m_view.model.buttons) {
        auto* button = new CPageButton(data.text, data.rowIndex, data.id, m_area);
        connect(button, &QPushButton::clicked, this,
                [this, id = data.id] { emit PageButtonClicked(id); });
        m_buttons.push_back(button);
    }
    setWindowTitle(PageText(m_view.model.caption));
    {
        QSignalBlocker block(m_scrollBar);
        m_scrollBar->setRange(0, std::max(0, m_view.LastScrollPos()));
        m_scrollBar->setValue(m_view.scrollPos);
    }
    m_scrollBar->show();
    m_tracking = false;

    LayOutPage();
    PlaceButtons(false);
    m_area->update();
    m_area->repaint();
    PlaceButtons(true);
    return result == CPageView::loadOk;
}

void CMuWnd::LayOutPage() {
    if (m_view.model.pageHeight <= 0) {
        m_records->Clear();
        ErrorBox(pages_text::kCreateBitmapFailed);
        return;
    }
    m_records->Record(m_view);
}

QImage CMuWnd::PageBitmap() const {
    if (!m_records || !m_records->Recorded())
        return {};
    const int height = m_records->Height();
    const long long bytes = static_cast<long long>(CPageView::kPageWidth) * 4 * height;
    if (height <= 0 || bytes > kMaxBitmapBytes)
        return {};
    QImage bitmap(CPageView::kPageWidth, height, QImage::Format_RGB32);
    if (bitmap.isNull())
        return bitmap;
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    m_records->DrawAll(painter);
    return bitmap;
}

void CMuWnd::RedrawPage() {
    if (!m_view.loaded)
        return;
    EnsureFonts();
    LayOutPage();
    PlaceButtons(true);
    m_area->update();
    m_area->repaint();
    PlaceButtons(true);
}

void CMuWnd::PaintPage(QPainter& painter, const QRect& clip) {
    if (!m_records) {
        painter.fillRect(clip, Qt::white);
        return;
    }
    m_records->Paint(painter, clip, m_view.ScrollTop());
}

void CMuWnd::PlaceButtons(bool show) {
    for (CPageButton* button : m_buttons)
        button->hide();
    if (!show)
        return;
    for (const CPageView::ButtonPlace& place : m_view.PlaceButtons(m_area->height())) {
        if (place.button < m_buttons.size()) {
            m_buttons[place.button]->move(place.x, place.y);
            m_buttons[place.button]->show();
        }
    }
}

void CMuWnd::OnScrollAction(int action) {
    ScrollRequest request;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        request = scrollLineDown;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        request = scrollLineUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        request = scrollPageDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        request = scrollPageUp;
        break;
    case QAbstractSlider::SliderToMinimum:
        request = scrollTop;
        break;
    case QAbstractSlider::SliderToMaximum:
        request = scrollBottom;
        break;
    case QAbstractSlider::SliderMove:
        request = m_scrollBar->isSliderDown() ? scrollThumbTrack : scrollThumbPosition;
        break;
    default:
        return;
    }
    OnVScroll(request, m_scrollBar->sliderPosition());
}

void CMuWnd::OnVScroll(int request, int thumbPos) {
    m_view.Scroll(static_cast<ScrollRequest>(request), thumbPos);
    PlaceButtons(false);
    {
        QSignalBlocker block(m_scrollBar);
        m_scrollBar->setSliderPosition(m_view.scrollPos);
        m_scrollBar->setValue(m_view.scrollPos);
    }
    m_area->update();
    m_area->repaint();
    m_tracking = request == scrollThumbTrack;
    if (!m_tracking)
        PlaceButtons(true);
}

void CMuWnd::OnLButtonDown(int x, int y) {
    m_view.Click(
        x, y, [this](const CPageLink& link) { OnJump(link); },
        [this](CRevealBlock& block) { OnShowAnswer(block); });
}

void CMuWnd::OnJump(const CPageLink& link) {
    platform::MessageBox(pages_text::kJumpingTo + link.target, pages_text::kJumpCaption,
                         platform::MB_OK);
}

void CMuWnd::OnShowAnswer(CRevealBlock& block) {
    block.revealed = !block.revealed;
    const int page = m_view.generation;
    platform::MessageBox(block.title, pages_text::kAnswerCaption, platform::MB_OK);
    if (m_view.generation == page)
        RedrawPage();
}

void CMuWnd::CloseOrHide() {
    if (allowDestroy)
        QMdiSubWindow::close();
    else
        showMinimized();
}

void CMuWnd::closeEvent(QCloseEvent* event) {
    if (allowDestroy) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    event->ignore();
    showMinimized();
}

void CMuWnd::moveEvent(QMoveEvent* event) {
    // Maximised, the window fills the area below the bar down to the area's
    // bottom, so that neither its first nor its last row is cut off.
    if (platform::KeepMaximisedBelow(this, topLimit + 1))
        return;
    QMdiSubWindow::moveEvent(event);
    if (y() < topLimit)
        move(x(), topLimit);
}

void CMuWnd::resizeEvent(QResizeEvent* event) {
    if (platform::KeepMaximisedBelow(this, topLimit + 1))
        return;
    QMdiSubWindow::resizeEvent(event);
}

void CMuWnd::focusInEvent(QFocusEvent* event) {
    QMdiSubWindow::focusInEvent(event);
    if (!m_activating)
        emit PageFocused();
}

void CMuWnd::PrintPage() {
    if (!m_view.loaded)
        return;
    EnsureFonts();
    // The printer and its dialog come from the print module, loaded by the
    // first print.
    const auto choose = reinterpret_cast<PrintChooseFn>(
        platform::ModuleFunction("deduxa_print", "deduxa_print_choose"));
    const auto release = reinterpret_cast<PrintReleaseFn>(
        platform::ModuleFunction("deduxa_print", "deduxa_print_release"));
    if (!choose || !release) {
        platform::MessageBox(pages_text::kStartDocError, "", platform::MB_OK);
        return;
    }
    QPaintDevice* printer =
        choose(this, m_testPrinter, &platform::ExecModal, pages_text::kPrintDocName);
    if (!printer)
        return;
    const std::unique_ptr<QPaintDevice, std::function<void(QPaintDevice*)>> printerGuard(
        printer, [this, release](QPaintDevice* p) { release(p, m_testPrinter); });

    QPainter painter;
    if (!painter.begin(printer)) {
        platform::MessageBox(pages_text::kStartDocError, "", platform::MB_OK);
        return;
    }
    {
        // Same physical size as on the screen, or larger, centred.
        const int pageHeight = m_view.model.pageHeight;
        const PagePrintPlacement place = PlacePrintedPage(
            logicalDpiX(), logicalDpiY(), printer->logicalDpiX(), printer->logicalDpiY(),
            printer->width(), printer->height(), CPageView::kPageWidth, pageHeight);
        const double xFactor = place.xFactor;
        const double yFactor = place.yFactor;
        const int left = place.destination.left;
        const int top = place.destination.top;

        painter.save();
        painter.translate(left, top);
        painter.scale(xFactor, yFactor);
        painter.setClipRect(QRect(0, 0, CPageView::kPageWidth, pageHeight));
        painter.fillRect(QRect(0, 0, 345, pageHeight), Qt::white);
        // Only the part of the page that lands on the sheet is drawn.
        const int bandTop = static_cast<int>(-top / yFactor) - 1;
        const int bandBottom = static_cast<int>((printer->height() - top) / yFactor) + 1;
        CQtPageCanvas canvas(painter, *m_fonts, bandTop, bandBottom);
        m_view.DrawPage(canvas, m_view.PageLimit());
        painter.restore();
        if (!painter.end())
            platform::MessageBox(pages_text::kEndDocError, "", platform::MB_OK);
    }
    // The screen page again, with its buttons in place.
    LayOutPage();
    PlaceButtons(false);
    m_area->update();
    PlaceButtons(true);
}
