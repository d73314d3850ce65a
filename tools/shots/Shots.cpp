// deduxa_shots: a look at the data folder on a real screen (run it under
// xvfb-run). Shows a puzzle picture as the game loads it, with the board's
// key, some marks and a hint drawn by the board's rules, beside a page in the
// game's own page window, and saves a screenshot of the whole screen.
//
//   deduxa_shots <gamedata folder> <game> <page suffix> <out.png> [solution]
#include "board/qt/DibImage.h"
#include "pages/qt/MuWnd.h"
#include "platform/DataPath.h"
#include "puzzle/GridDoc.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace {

// Draws like the board: picture, key, cell fills, the highlighted hint, and
// the solution's crosses when asked.
class CBoardPreview : public QWidget {
public:
    CBoardPreview(const CGridDoc& doc, bool solution) : m_doc(doc), m_solution(solution) {
        setFixedSize(doc.GetPictureSize().width, doc.GetPictureSize().height);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const PictureSize size = m_doc.GetPictureSize();
        DrawPackedDib(p, QRect(0, 0, size.width, size.height), m_doc.GetPicture(),
                      QRect(0, 0, size.width, size.height), m_doc.GetPalette());
        p.fillRect(QRect(14, 9, 42, 55), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(QRect(14, 9, 41, 54));
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(QColor(0, 255, 0));
        p.drawText(27, 27 + p.fontMetrics().ascent(), " T ");
        p.setBackground(QColor(255, 0, 0));
        p.drawText(27, 44 + p.fontMetrics().ascent(), " F ");
        p.setBackground(Qt::white);
        p.drawText(23, 10 + p.fontMetrics().ascent(), "Key");
        const int cs = m_doc.GetCellSize();
        auto corner = [&](const std::string& key) {
            const size_t comma = key.find(',');
            return QPoint(m_doc.GetGridOffsetX() + std::stoi(key.substr(0, comma)) * cs,
                          m_doc.GetGridOffsetY() + std::stoi(key.substr(comma + 1)) * cs);
        };
        for (const auto& cell : m_doc.GetCells()) {
            const QColor fill = cell->state == 1   ? QColor(255, 0, 0)
                                : cell->state == 2 ? QColor(0, 255, 0)
                                                   : QColor(Qt::white);
            p.fillRect(m_doc.GetGridOffsetX() + cell->column * cs + 1,
                       m_doc.GetGridOffsetY() + cell->row * cs + 1, cs - 1, cs - 1, fill);
        }
        const int h = m_doc.GetHighlightedHint();
        if (h >= 1 && h <= static_cast<int>(m_doc.GetHints().size()))
            for (const std::string& key : m_doc.GetHints()[h - 1]) {
                const QPoint c = corner(key);
                QRect r(QPoint(c.x() + 1, c.y() + 2), QPoint(c.x() + cs - 1, c.y() + cs));
                r.adjust(cs / 4, cs / 4, -cs / 4, -cs / 4);
                p.fillRect(r, QColor(0, 0, 255));
            }
        if (m_solution)
            for (const std::string& key : m_doc.GetAnswerList()) {
                const QPoint c = corner(key);
                const QRect r(c.x() + 1, c.y() + 1, cs - 1, cs - 1);
                p.fillRect(r.adjusted(cs / 3 + cs / 8, cs / 8, -cs / 3 - cs / 8, -cs / 8),
                           Qt::black);
                p.fillRect(r.adjusted(cs / 8, cs / 3 + cs / 8, -cs / 8, -cs / 3 - cs / 8),
                           Qt::black);
            }
    }

private:
    const CGridDoc& m_doc;
    bool m_solution;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 5)
        return 2;
    InstallDibDecoder();
    platform::SetDataFolder(std::string(argv[1]) + "/");
    const std::string game = argv[2];
    const bool solution = argc > 5;
    CGridDoc doc;
    if (!doc.OnOpenDocument(platform::RealPath("data\\" + game + ".bgd")))
        return 1;
    // A few marks as a player would have made them, and hint 1 on show.
    int marked = 0;
    for (const std::string& key : doc.GetAnswerList()) {
        const size_t comma = key.find(',');
        const int c = std::stoi(key.substr(0, comma)), r = std::stoi(key.substr(comma + 1));
        doc.ToggleCell(c, r);
        if (marked++ % 2 == 0)
            doc.ToggleCell(c, r);
        if (marked == 4)
            break;
    }
    if (!solution)
        doc.SetHighlightedHint(1);

    QMainWindow frame;
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    frame.setWindowTitle(QString::fromStdString("Deduxa - " + game));
    frame.resize(1024, 740);
    auto* page = new CMuWnd(area);
    page->setGeometry(0, 1, 345, 600);
    page->show();
    page->LoadPage(platform::RealPath("data\\" + game + argv[3] + ".htf"));
    auto* board = new QMdiSubWindow;
    board->setWidget(new CBoardPreview(doc, solution));
    board->setWindowTitle(QString::fromStdString(doc.GetPictureName()));
    area->addSubWindow(board);
    board->move(350, 1);
    board->show();
    frame.show();
    QTimer::singleShot(800, [&] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(argv[4]);
        app.quit();
    });
    return app.exec();
}
