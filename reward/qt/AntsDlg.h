// CAntsDlg: "Viruz ezi Zadi!", the ants reward game. Ten ants rise from their
// holes and sink back on a 640 x 480 field; the player clicks as many risen
// ants as possible before the time, bought by the puzzle's score, runs out.
// The end of the game shows the high-score table with the new entry.
#pragma once

#include "platform/qt/TemplateDialog.h"
#include "reward/AntsGame.h"

#include <QTimer>
#include <array>
#include <string>

class CDibStatic;
class CPaletteStatic;

class CAntsDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    explicit CAntsDlg(QWidget* parent = nullptr);
    ~CAntsDlg() override;

    // Sets the time from score and runs the game modally. Returns the modal
    // result: 2 after the end of the game or a failed start, 1 for Enter.
    virtual int Run(int score, const std::string& playerName);

    // One tick of the 250 ms timer.
    void OnTimer();

    const CAntsGame& Game() const { return m_game; }
    CPaletteStatic* Field() const { return m_field; }
    CDibStatic* Ant(int index) const { return m_ants[index]; }
    // An ant's box in the dialog's client coordinates.
    QRect AntBox(int index) const;
    bool TimerRunning() const { return m_timer.isActive(); }
    const QTimer& Timer() const { return m_timer; }

public slots:
    void done(int result) override;

protected:
    // Dialog initialisation: sizes, "ants.dat", pictures, the start sound and
    // the timer. False when the data file cannot be read.
    bool OnInitDialog();
    // Enter ends the dialog without the end of the game, as Escape does.
    void OnOK() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The close box ends the game: the table gets the entry.
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowIntro();
    void OnClick(const QPoint& point);
    // Stops the timer and shows the table; once per game.
    void EndGame();
    // Puts the time and the count in their controls.
    void UpdateData();

    CAntsGame m_game;
    QTimer m_timer;
    CPaletteStatic* m_field = nullptr;
    std::array<CDibStatic*, reward::kAntCount> m_ants{};
    std::array<reward::AntRect, reward::kAntCount> m_boxes{};
};
