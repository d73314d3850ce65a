#include "board/qt/GridView.h"

#include "board/Texts.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/DibImage.h"
#include "board/qt/SettingsDlg.h"
#include "platform/Sound.h"
#include "puzzle/GridDoc.h"
#include "puzzle/MarkHistory.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace {

// The key's font: a small bold sans-serif, as the board's key has always used
// the display's plain system font.
QFont KeyFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// Fills the rectangle with edges left, top, right, bottom (right and bottom
// excluded) when it is not empty and lies within reach of the board image.
void FillEdges(QPainter& painter, long long left, long long top, long long right, long long bottom,
               const QColor& color) {
    if (right <= left || bottom <= top)
        return;
    const long long limit = 1LL << 24;
    if (right <= 0 || bottom <= 0 || left >= limit || top >= limit)
        return;
    left = std::max(left, -1LL);
    top = std::max(top, -1LL);
    right = std::min(right, limit);
    bottom = std::min(bottom, limit);
    painter.fillRect(QRect(static_cast<int>(left), static_cast<int>(top),
                           static_cast<int>(right - left), static_cast<int>(bottom - top)),
                     color);
}

} // namespace

CGridView::CGridView(QWidget* parent) : CDibView(parent) {
    setObjectName("CGridView");
    setFocusPolicy(Qt::StrongFocus);
    // The board image already holds everything; the viewport need not be
    // cleared first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    m_colors = board::ReadColorSettings();
}

CGridView::~CGridView() {
    // The dialog's window goes first, then the view's.
    delete m_hintDialog.data();
}

void CGridView::SetGridDocument(CGridDoc* document) {
    m_gridDoc = document;
    SetDocument(document);
}

CCellHintDlg* CGridView::CreateHintDialog(CHintHost* host) {
    SetHintDialog(new CCellHintDlg(this, host));
    return HintDialog();
}

void CGridView::SetHintDialog(CCellHintDlg* dialog) {
    if (m_hintDialog && m_hintDialog != dialog)
        delete m_hintDialog.data();
    m_hintDialog = dialog;
    if (dialog && !dialog->parent())
        dialog->setParent(this, dialog->windowFlags());
}

void CGridView::SetColors(board::RgbColor hint, board::RgbColor trueColor,
                          board::RgbColor falseColor) {
    m_colors = {hint, trueColor, falseColor};
    m_pictureDrawn = true;
    viewport()->update();
}

void CGridView::SetColors(const board::BoardColors& colors) {
    SetColors(colors.hint, colors.trueColor, colors.falseColor);
}

void CGridView::SetShowSymbols(bool on) {
    m_showSymbols = on;
    m_pictureDrawn = true;
    viewport()->update();
}

void CGridView::OnInitialUpdate() {
    Layout();
    const Shown now = CurrentBoard();
    const bool sameBoard = !m_eraseNext && !m_canvas.isNull() && now.game == m_shown.game &&
                           now.picture == m_shown.picture && now.cells == m_shown.cells &&
                           now.solution == m_shown.solution;
    if (!sameBoard) {
        // Invalidated and erased: the next paint starts from a blank board.
        m_eraseNext = true;
        m_shown = now;
        CDibView::OnInitialUpdate();
        return;
    }
    // The same board: only the highlighted hint's cells, old and new, are
    // blanked and drawn again, and the cells whose marks changed.
    UpdateScrollSizes();
    OnRealizePicturePalette(this);
    if (now.hint != m_shown.hint) {
        QRegion areas;
        AddHintAreas(m_shown.hint, areas);
        AddHintAreas(now.hint, areas);
        m_repicture += areas;
        for (const QRect& area : areas)
            UpdatePictureRect(area);
        m_shown.hint = now.hint;
    }
    UpdateChangedCells();
}

CGridView::Shown CGridView::CurrentBoard() const {
    Shown shown;
    if (!m_gridDoc)
        return shown;
    shown.game = m_gridDoc->GetPathName();
    shown.picture = m_gridDoc->GetPicture().get();
    shown.cells = m_gridDoc->GetCells().size();
    shown.hint = m_gridDoc->GetHighlightedHint();
    shown.solution = solutionShown;
    shown.states.reserve(shown.cells);
    for (const auto& cell : m_gridDoc->GetCells())
        shown.states.push_back(cell->state);
    return shown;
}

QRect CGridView::CellArea(int column, int row) const {
    if (!m_gridDoc || m_gridDoc->GetCellSize() <= 0)
        return {};
    const long long size = m_gridDoc->GetCellSize();
    const long long x = m_gridDoc->GetGridOffsetX() + column * size;
    const long long y = m_gridDoc->GetGridOffsetY() + row * size;
    // The fill runs from x + 1 to x + size - 1; a hint on a tiny cell reaches
    // one pixel lower. The grid lines round it come along.
    const long long limit = 1LL << 24;
    const long long left = std::max(x, -1LL), top = std::max(y, -1LL);
    const long long right = std::min(x + size + 1, limit), bottom = std::min(y + size + 2, limit);
    if (right <= left || bottom <= top)
        return {};
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

void CGridView::AddHintAreas(int hint, QRegion& region) const {
    if (!m_gridDoc)
        return;
    const auto& hints = m_gridDoc->GetHints();
    if (hint < 1 || hint > static_cast<int>(hints.size()))
        return;
    for (const std::string& key : hints[hint - 1]) {
        int column = 0;
        int row = 0;
        SplitCellKey(key, column, row);
        region += CellArea(column, row);
    }
}

void CGridView::UpdatePictureRect(const QRect& area) {
    const QRect client = area.translated(-ScrollPosition()) & viewport()->rect();
    if (!client.isEmpty())
        viewport()->update(client);
}

void CGridView::UpdateChangedCells() {
    if (!m_gridDoc)
        return;
    const auto& cells = m_gridDoc->GetCells();
    if (m_shown.states.size() != cells.size()) {
        m_shown.states.assign(cells.size(), -1);
        viewport()->update();
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i]->state == m_shown.states[i])
            continue;
        m_shown.states[i] = cells[i]->state;
        UpdatePictureRect(CellArea(cells[i]->column, cells[i]->row));
    }
}

void CGridView::focusInEvent(QFocusEvent* event) {
    CDibView::focusInEvent(event);
    m_pictureDrawn = true;
    m_fullRedraw = true;
    // Focus that came from the keyboard shows where the keys will mark.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_cursorVisible = true;
}

void CGridView::focusOutEvent(QFocusEvent* event) {
    CDibView::focusOutEvent(event);
    // The cursor is drawn over the screen only; the board image keeps no trace.
    viewport()->update();
}

// ---------------------------------------------------------------------------
// The cell cursor

const CBoardLayout& CGridView::Layout() {
    const std::string game = m_gridDoc ? m_gridDoc->GetPathName() : std::string();
    const std::size_t cells = m_gridDoc ? m_gridDoc->GetCells().size() : 0;
    if (game == m_layoutGame && cells == m_layoutCells &&
        (cells == 0 || m_layout.Has(m_cursor.x(), m_cursor.y())))
        return m_layout;
    if (m_hasCursor)
        m_cursors[m_layoutGame] = m_cursor;
    m_layout = m_gridDoc ? CBoardLayout(m_gridDoc->GetCells()) : CBoardLayout();
    m_layoutGame = game;
    m_layoutCells = cells;
    m_hasCursor = cells != 0;
    auto saved = m_cursors.find(game);
    if (saved != m_cursors.end() && m_layout.Has(saved->second.x(), saved->second.y()))
        m_cursor = saved->second;
    else if (cells != 0)
        m_cursor =
            QPoint(m_gridDoc->GetCells().front()->column, m_gridDoc->GetCells().front()->row);
    return m_layout;
}

bool CGridView::CursorCell(int& column, int& row) {
    Layout();
    column = m_cursor.x();
    row = m_cursor.y();
    return m_hasCursor;
}

bool CGridView::CursorShown() const {
    return m_hasCursor && m_cursorVisible && hasFocus();
}

void CGridView::SetCursorCell(int column, int row) {
    if (!Layout().Has(column, row))
        return;
    // The frame is drawn on the screen only: where it was and where it goes.
    const bool shown = CursorShown();
    if (shown)
        viewport()->update(CursorArea());
    m_cursor = QPoint(column, row);
    if (shown)
        viewport()->update(CursorArea());
}

QRect CGridView::CursorRect() const {
    if (!m_gridDoc || !m_hasCursor)
        return {};
    const int size = m_gridDoc->GetCellSize();
    const QPoint corner(m_gridDoc->GetGridOffsetX() + m_cursor.x() * size,
                        m_gridDoc->GetGridOffsetY() + m_cursor.y() * size);
    // Over the cell's grid lines, two pixels beyond them on every side.
    return QRect(PictureToClient(corner) - QPoint(2, 2), QSize(size + 5, size + 5));
}

QRect CGridView::CursorArea() const {
    // The frame's three-pixel pen, centred on the rectangle's outer pixels,
    // reaches one pixel past it.
    return CursorRect().adjusted(-1, -1, 1, 1);
}

void CGridView::ScrollToCursor() {
    if (!m_gridDoc || !m_hasCursor)
        return;
    const int size = m_gridDoc->GetCellSize();
    const int x = m_gridDoc->GetGridOffsetX() + m_cursor.x() * size;
    const int y = m_gridDoc->GetGridOffsetY() + m_cursor.y() * size;
    // The whole frame in view: three pixels beyond the cell on every side.
    auto bring = [size](QScrollBar* bar, int start, int room) {
        if (start - 3 < bar->value())
            bar->setValue(start - 3);
        else if (start + size + 3 > bar->value() + room)
            bar->setValue(start + size + 3 - room);
    };
    bring(horizontalScrollBar(), x, viewport()->width());
    bring(verticalScrollBar(), y, viewport()->height());
}

void CGridView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    // The cursor keys and the moves they make.
    static constexpr std::pair<int, CBoardLayout::Move> kMoves[] = {
        {Qt::Key_Left, CBoardLayout::Move::left},
        {Qt::Key_Right, CBoardLayout::Move::right},
        {Qt::Key_Up, CBoardLayout::Move::up},
        {Qt::Key_Down, CBoardLayout::Move::down},
        {Qt::Key_Home, CBoardLayout::Move::rowStart},
        {Qt::Key_End, CBoardLayout::Move::rowEnd},
        {Qt::Key_PageUp, CBoardLayout::Move::blockUp},
        {Qt::Key_PageDown, CBoardLayout::Move::blockDown},
    };
    CBoardLayout::Move move{};
    bool isMove = false;
    for (const auto& [key, step] : kMoves)
        if (event->key() == key) {
            move = step;
            isMove = true;
        }
    const bool ours = mods == Qt::NoModifier &&
                      (isMove || event->key() == Qt::Key_Space || event->key() == Qt::Key_F ||
                       event->key() == Qt::Key_T || event->key() == Qt::Key_Delete ||
                       event->key() == Qt::Key_Backspace);
    if (!ours || !m_gridDoc) {
        CDibView::keyPressEvent(event);
        return;
    }
    event->accept();
    const CBoardLayout& layout = Layout();
    if (!m_hasCursor)
        return;
    if (!m_cursorVisible)
        viewport()->update(CursorArea());
    m_cursorVisible = true;
    if (isMove) {
        int column = m_cursor.x();
        int row = m_cursor.y();
        if (layout.Step(column, row, move))
            SetCursorCell(column, row);
        ScrollToCursor();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        ClickCell(true, m_cursor.x(), m_cursor.y());
        break;
    case Qt::Key_F:
        SetCursorMark(CGridCell::stateFalse);
        break;
    case Qt::Key_T:
        SetCursorMark(CGridCell::stateTrue);
        break;
    default:
        SetCursorMark(CGridCell::stateEmpty);
        break;
    }
}

// ---------------------------------------------------------------------------
// Marking, undo and redo

bool CGridView::MarkStep(int column, int row, const std::function<bool()>& change) {
    bool changed = false;
    m_gridDoc->History().Record(*m_gridDoc, [&] { changed = change(); });
    if (!changed)
        return false;
    m_pictureDrawn = false;
    emit cellToggled(column, row);
    emit marksChanged();
    return true;
}

void CGridView::MarkRestIfTrue(int column, int row) {
    const CGridCell* cell = m_gridDoc->FindCell(column, row);
    if (markRestFalse && cell && cell->state == CGridCell::stateTrue)
        marks::MarkRestFalse(*m_gridDoc, Layout(), column, row);
}

void CGridView::SetCursorMark(int state) {
    // Keys mark where clicks would: not while clicks look up hints, not once
    // the solution is on show.
    if (hintMode || solutionShown)
        return;
    platform::PlaySound(board_texts::kClickSound);
    const int column = m_cursor.x();
    const int row = m_cursor.y();
    MarkStep(column, row, [&] {
        if (!marks::SetCellState(*m_gridDoc, column, row, state))
            return false;
        MarkRestIfTrue(column, row);
        return true;
    });
    UpdateChangedCells();
}

bool CGridView::CanUndoMark() const {
    return m_gridDoc && !solutionShown && m_gridDoc->History().CanUndo();
}

bool CGridView::CanRedoMark() const {
    return m_gridDoc && !solutionShown && m_gridDoc->History().CanRedo();
}

bool CGridView::UndoMark() {
    if (!CanUndoMark() || !m_gridDoc->History().Undo(*m_gridDoc))
        return false;
    m_pictureDrawn = false;
    SetCursorCell(m_gridDoc->History().LastColumn(), m_gridDoc->History().LastRow());
    emit marksChanged();
    UpdateChangedCells();
    return true;
}

bool CGridView::RedoMark() {
    if (!CanRedoMark() || !m_gridDoc->History().Redo(*m_gridDoc))
        return false;
    m_pictureDrawn = false;
    SetCursorCell(m_gridDoc->History().LastColumn(), m_gridDoc->History().LastRow());
    emit marksChanged();
    UpdateChangedCells();
    return true;
}

bool CGridView::PointToCell(QPoint point, int& column, int& row) const {
    column = row = 0;
    if (!m_gridDoc)
        return false;
    const QPoint scroll = ScrollPosition();
    long long x = static_cast<long long>(scroll.x()) - m_gridDoc->GetGridOffsetX() + point.x();
    long long y = static_cast<long long>(scroll.y()) - m_gridDoc->GetGridOffsetY() + point.y();
    const int cellSize = m_gridDoc->GetCellSize();
    // A board without a positive cell size has no cell anyone can click.
    if (cellSize <= 0)
        return false;
    if (x >= 0)
        x /= cellSize;
    if (y >= 0)
        y /= cellSize;
    if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX)
        return false;
    column = static_cast<int>(x);
    row = static_cast<int>(y);
    return true;
}

void CGridView::OnLButtonDown(QPoint point) {
    int column = 0;
    int row = 0;
    const bool onBoard = PointToCell(point, column, row);
    // The cursor follows the mouse, out of sight until a key is pressed.
    if (m_cursorVisible)
        viewport()->update(CursorArea());
    m_cursorVisible = false;
    if (onBoard)
        SetCursorCell(column, row);
    ClickCell(onBoard, column, row);
}

void CGridView::ClickCell(bool onBoard, int column, int row) {
    // Every click on the board clicks, whatever follows.
    platform::PlaySound(board_texts::kClickSound);

    if (hintMode && m_hintDialog) {
        std::string text;
        int number = 0;
        if (onBoard && m_gridDoc)
            number = m_gridDoc->GetHintsForCell(column, row, text);
        m_hintDialog->ShowCellHint(text, number);
        return;
    }
    if (solutionShown)
        return;
    if (onBoard && m_gridDoc)
        MarkStep(column, row, [&] {
            if (!m_gridDoc->ToggleCell(column, row))
                return false;
            MarkRestIfTrue(column, row);
            return true;
        });
    UpdateChangedCells();
}

void CGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown(event->position().toPoint());
        event->accept();
        return;
    }
    CDibView::mousePressEvent(event);
}

void CGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    CDibView::mouseReleaseEvent(event);
}

void CGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

const QImage& CGridView::SharpPicture() {
    const std::string path = m_gridDoc && m_gridDoc->GetPicture() ? m_gridDoc->GetPathName() : "";
    if (path != m_sharpFor) {
        m_sharpFor = path;
        const PictureSize size = m_gridDoc ? m_gridDoc->GetPictureSize() : PictureSize{};
        m_sharp = path.empty() ? QImage() : LoadSharpTwin(path, QSize(size.width, size.height));
    }
    return m_sharp;
}

void CGridView::RenderBoard() {
    RenderBoard(QRegion(0, 0, INT_MAX / 2, INT_MAX / 2));
}

void CGridView::RenderBoard(const QRegion& region) {
    // The image covers the picture and whatever part of the view lies beyond,
    // in the screen's device pixels.
    const PictureSize picture = m_gridDoc ? m_gridDoc->GetPictureSize() : PictureSize{};
    const QPoint scroll = ScrollPosition();
    const QSize needed(std::max(picture.width, scroll.x() + viewport()->width()),
                       std::max(picture.height, scroll.y() + viewport()->height()));
    const qreal ratio = std::max<qreal>(1.0, viewport()->devicePixelRatioF());
    const QSize device = ratio == 1.0 ? needed : (QSizeF(needed) * ratio).toSize();
    bool fresh = false;
    if (m_canvas.size() != device || m_canvas.devicePixelRatio() != ratio) {
        m_canvas = QImage(device, QImage::Format_RGB32);
        m_canvas.setDevicePixelRatio(ratio);
        fresh = true;
    }
    if (fresh || m_eraseNext) {
        m_canvas.fill(Qt::white);
        m_eraseNext = false;
        m_repicture = QRegion();
        fresh = true;
    }
    // A blank image, or one at a density whose pixels do not fall on picture
    // pixels, is drawn whole; otherwise only the region asked for.
    const QRect whole(QPoint(0, 0), needed);
    QRegion area = fresh || ratio != std::floor(ratio) ? QRegion(whole) : region & whole;
    QPainter painter(&m_canvas);
    // Step 1: the picture, unless a click just changed a cell.
    bool drawPicture = true;
    if (!m_pictureDrawn && !m_fullRedraw) {
        m_pictureDrawn = true;
        drawPicture = false;
    } else {
        m_fullRedraw = false;
    }
    if (area.isEmpty())
        return;
    const QRect bounds = area.boundingRect();
    const bool clipped = bounds != whole || area.rectCount() != 1;
    // Where the highlighted hint was: blanked and drawn from the picture.
    const QRegion repicture = m_repicture.isEmpty() ? QRegion() : m_repicture & area;
    if (!repicture.isEmpty()) {
        m_repicture -= area;
        painter.setClipRegion(repicture);
        painter.fillRect(repicture.boundingRect(), Qt::white);
    }
    // A blank image has nothing to draw over: it always gets the picture.
    const bool pictureHere = drawPicture || fresh;
    if (pictureHere || !repicture.isEmpty()) {
        if (pictureHere && clipped)
            painter.setClipRegion(area);
        else if (pictureHere)
            painter.setClipping(false);
        const QImage& sharp = ratio > 1.0 ? SharpPicture() : m_sharp;
        if (ratio > 1.0 && !sharp.isNull())
            painter.drawImage(QRect(0, 0, picture.width, picture.height), sharp);
        else
            CDibView::OnDraw(painter);
        ++m_pictureDraws;
    }
    if (clipped)
        painter.setClipRegion(area);
    else
        painter.setClipping(false);
    if (bounds.intersects(QRect(QPoint(kKeyLeft, kKeyTop), QPoint(kKeyRight - 1, kKeyBottom - 1))))
        PaintKey(painter);
    DrawCells(painter, bounds);
    DrawHint(painter, bounds);
    DrawSolution(painter, bounds);
    if (fresh)
        m_shown = CurrentBoard();
}

void CGridView::OnDraw(QPainter& painter) {
    RenderBoard();
    painter.drawImage(QPoint(0, 0), m_canvas);
}

void CGridView::paintEvent(QPaintEvent* event) {
    const QPoint scroll = ScrollPosition();
    RenderBoard(event->region().translated(scroll));
    QPainter painter(viewport());
    // Only the exposed rectangles are copied; at a density whose pixels do
    // not fall on picture pixels the whole image is drawn (clipped).
    const qreal ratio = m_canvas.devicePixelRatio();
    if (ratio != std::floor(ratio)) {
        painter.drawImage(-scroll, m_canvas);
    } else {
        for (const QRect& rect : event->region()) {
            const QRect source = rect.translated(scroll);
            painter.drawImage(rect, m_canvas,
                              QRect(source.topLeft() * ratio, source.size() * ratio));
        }
    }
    DrawCursor(painter);
}

void CGridView::DrawCursor(QPainter& painter) {
    if (!CursorShown())
        return;
    // Black outside, white inside: clear on the picture and on every fill.
    const QRect frame = CursorRect();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(frame).adjusted(2.5, 2.5, -2.5, -2.5));
}

void CGridView::PaintKey(QPainter& painter) {
    const qreal ratio = m_canvas.devicePixelRatio();
    const QRect box(QPoint(kKeyLeft, kKeyTop), QPoint(kKeyRight - 1, kKeyBottom - 1));
    // The key's texts fill their own backgrounds inside its white box, so
    // the box drawn once stands for the box drawn on any picture, as long as
    // no glyph reaches beyond it.
    static const bool inkInBox = [&box] {
        const QFontMetrics metrics(KeyFont());
        const std::pair<QPoint, const char*> texts[] = {
            {{kKeyTrueX, kKeyTrueY}, board_texts::kKeyTrue},
            {{kKeyFalseX, kKeyFalseY}, board_texts::kKeyFalse},
            {{kKeyTitleX, kKeyTitleY}, board_texts::kKeyTitle}};
        for (const auto& [at, s] : texts) {
            const QString str = QString::fromLatin1(s);
            const QRect ink =
                metrics.boundingRect(str).translated(at + QPoint(0, metrics.ascent()));
            const QRect back(at, QSize(metrics.horizontalAdvance(str), metrics.height()));
            if (!box.adjusted(1, 1, -1, -1).contains(ink.adjusted(-1, -1, 1, 1) | back))
                return false;
        }
        return true;
    }();
    if (ratio != std::floor(ratio) || !inkInBox) {
        DrawKey(painter);
        return;
    }
    if (m_key.isNull() || m_key.devicePixelRatio() != ratio || !(m_keyColors == m_colors)) {
        m_key = QImage(box.size() * ratio, QImage::Format_RGB32);
        m_key.setDevicePixelRatio(ratio);
        m_key.fill(Qt::white);
        QPainter keyPainter(&m_key);
        keyPainter.translate(-box.topLeft());
        DrawKey(keyPainter);
        m_keyColors = m_colors;
    }
    painter.drawImage(box.topLeft(), m_key);
}

void CGridView::DrawKey(QPainter& painter) {
    const QRect box(QPoint(kKeyLeft, kKeyTop), QPoint(kKeyRight - 1, kKeyBottom - 1));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    const QFont font = KeyFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // Text on an opaque background of the given colour, its cell's top-left
    // corner at (x, y).
    auto text = [&](int x, int y, const char* s, const QColor& background) {
        const QString str = QString::fromLatin1(s);
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(str), metrics.height()), background);
        painter.drawText(QPoint(x, y + metrics.ascent()), str);
    };
    text(kKeyTrueX, kKeyTrueY, board_texts::kKeyTrue, ToQColor(m_colors.trueColor));
    text(kKeyFalseX, kKeyFalseY, board_texts::kKeyFalse, ToQColor(m_colors.falseColor));
    text(kKeyTitleX, kKeyTitleY, board_texts::kKeyTitle, Qt::white);
}

void CGridView::DrawCells(QPainter& painter, const QRect& bounds) {
    if (!m_gridDoc)
        return;
    const long long size = m_gridDoc->GetCellSize();
    const long long offsetX = m_gridDoc->GetGridOffsetX();
    const long long offsetY = m_gridDoc->GetGridOffsetY();
    const QColor falseColor = ToQColor(m_colors.falseColor);
    const QColor trueColor = ToQColor(m_colors.trueColor);
    for (const auto& cell : m_gridDoc->GetCells()) {
        if (!bounds.intersects(CellArea(cell->column, cell->row)))
            continue;
        const long long x = offsetX + cell->column * size;
        const long long y = offsetY + cell->row * size;
        const QColor& fill = cell->state == 1   ? falseColor
                             : cell->state == 2 ? trueColor
                                                : QColor(Qt::white);
        FillEdges(painter, x + 1, y + 1, x + size, y + size, fill);
        if (m_showSymbols && cell->state != 0)
            DrawSymbol(painter, x, y, size, cell->state, fill);
    }
}

void CGridView::DrawSymbol(QPainter& painter, long long x, long long y, long long size, int state,
                           const QColor& fill) {
    if (size < 6 || x < -size || y < -size || x > (1LL << 24) || y > (1LL << 24))
        return;
    // Black on a light fill, white on a dark one, so the shape shows in any
    // colours and in grey.
    const QColor ink = qGray(fill.rgb()) < 128 ? Qt::white : Qt::black;
    const QRectF cellFill(static_cast<double>(x + 1), static_cast<double>(y + 1),
                          static_cast<double>(size - 1), static_cast<double>(size - 1));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = cellFill.width();
    if (state == CGridCell::stateTrue) {
        // A check: short stroke down, long stroke up.
        QPainterPath check;
        check.moveTo(cellFill.left() + s * 0.2, cellFill.top() + s * 0.52);
        check.lineTo(cellFill.left() + s * 0.42, cellFill.top() + s * 0.76);
        check.lineTo(cellFill.left() + s * 0.82, cellFill.top() + s * 0.24);
        painter.setPen(QPen(ink, std::max(2.0, s / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(check);
    } else {
        // A round dot in the middle: nothing like the solution's square cross.
        const double r = s * 0.17;
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(cellFill.center(), r, r);
    }
    painter.restore();
}

void CGridView::DrawHint(QPainter& painter, const QRect& bounds) {
    if (!m_gridDoc)
        return;
    const CGridDoc::KeyList* keys = m_gridDoc->HighlightedCells();
    if (!keys)
        return;
    const long long size = m_gridDoc->GetCellSize();
    const long long inset = size / 4;
    const QColor color = ToQColor(m_colors.hint);
    for (const std::string& key : *keys) {
        int column = 0;
        int row = 0;
        SplitCellKey(key, column, row);
        if (!bounds.intersects(CellArea(column, row)))
            continue;
        const long long x = m_gridDoc->GetGridOffsetX() + column * size;
        const long long y = m_gridDoc->GetGridOffsetY() + row * size;
        // One pixel lower than the cell's fill, shrunk by a quarter cell.
        FillEdges(painter, x + 1 + inset, y + 2 + inset, x + size - inset, y + size + 1 - inset,
                  color);
    }
}

void CGridView::DrawSolution(QPainter& painter, const QRect& bounds) {
    if (!solutionShown || !m_gridDoc)
        return;
    const long long size = m_gridDoc->GetCellSize();
    const long long third = size / 3;
    const long long eighth = size / 8;
    for (const std::string& key : m_gridDoc->GetAnswerList()) {
        int column = 0;
        int row = 0;
        SplitCellKey(key, column, row);
        if (!bounds.intersects(CellArea(column, row)))
            continue;
        const long long x = m_gridDoc->GetGridOffsetX() + column * size;
        const long long y = m_gridDoc->GetGridOffsetY() + row * size;
        const long long left = x + 1, top = y + 1, right = x + size, bottom = y + size;
        // Vertical bar, then horizontal bar: a plus-shaped cross.
        FillEdges(painter, left + third + eighth, top + eighth, right - third - eighth,
                  bottom - eighth, Qt::black);
        FillEdges(painter, left + eighth, top + third + eighth, right - eighth,
                  bottom - third - eighth, Qt::black);
    }
}
