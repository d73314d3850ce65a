#include "madegames/qt/MakeGameRun.h"

#include "madegames/MadeGames.h"
#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/qt/Placement.h"
#include "platform/qt/TemplateDialog.h"
#include "puzzlegen/qt/Drawing.h"
#include "puzzlegen/qt/GameFiles.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <thread>

namespace madegames {

namespace {

// A making's files are written under "data/.<name>.making/" first.
constexpr const char* kMakingSuffix = ".making";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string What(const GameRecipe& recipe) {
    return "Making a " + std::to_string(recipe.cats) + "x" + std::to_string(recipe.items) + " " +
           reasoning::GradeName(recipe.grade) + " game...";
}

bool Listed(const std::string& folder, const std::string& listPath, const std::string& fileName,
            GameListEntry& entry) {
    int cause = platform::causeNone;
    for (const GameListEntry& e : ReadMadeList(listPath, cause))
        if (e.fileName == fileName && platform::FileExists(folder + fileName + ".bgd") &&
            platform::FileExists(folder + fileName + "_00.htf")) {
            entry = e;
            return true;
        }
    return false;
}

} // namespace

CMakingDlg::CMakingDlg(const std::string& what, QWidget* parent) : QDialog(parent) {
    setObjectName("makingDlg");
    setWindowTitle(tr("New Random Game"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* label = new QLabel(Q(what));
    layout->addWidget(label);
    auto* bar = new QProgressBar;
    bar->setRange(0, 0); // busy: the search has no known length
    bar->setTextVisible(false);
    bar->setMinimumWidth(260);
    layout->addWidget(bar);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
}

void CMakingDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreOnOwner(this, parentWidget());
}

MakeResult MakeGameInto(const GameRecipe& recipe, const std::string& folder,
                        const std::string& listPath, QWidget* owner,
                        const std::function<bool()>& stop) {
    MakeResult result;
    if (const std::string problem = RecipeProblem(recipe); !problem.empty()) {
        result.fault = "This game cannot be made: " + problem;
        return result;
    }
    const std::string fileName = FileNameOf(recipe);
    if (Listed(folder, listPath, fileName, result.entry)) {
        result.outcome = MakeOutcome::made;
        return result;
    }

    // The search, in a worker thread that touches nothing but its own game.
    std::atomic<bool> cancel{false}, stopped{false}, finished{false};
    puzzlegen::ShelfGame game;
    std::thread worker([&] {
        game = MakeGame(recipe, [&] {
            if (cancel.load() || (stop && stop()))
                stopped = true;
            return stopped.load();
        });
        finished = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!finished.load() && clock.elapsed() < kProgressDelayMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!finished.load()) {
        CMakingDlg progress(What(recipe), owner);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
            if (finished.load())
                progress.accept();
        });
        poll.start(20);
        if (platform::ExecModal(&progress) != QDialog::Accepted)
            cancel = true;
    }
    worker.join();
    if (stopped.load()) {
        result.outcome = MakeOutcome::cancelled;
        return result;
    }
    if (game.puzzle.clues.empty()) {
        result.fault = "No puzzle of this kind could be made from this seed. Try another game.";
        return result;
    }

    // The files, under a folder of their own until every one is written.
    const std::string temp = folder + "." + fileName + kMakingSuffix + "/";
    QDir(Q(temp)).removeRecursively(); // what a crash may have left
    if (!QDir().mkpath(Q(temp))) {
        result.fault = platform::FileErrorText(platform::causeAccessDenied, temp);
        return result;
    }
    const puzzlegen::CQtMeasure measure;
    const puzzlegen::GameFilesResult files = puzzlegen::WriteGameFiles(game, temp, measure);
    std::vector<std::string> moved;
    auto undo = [&] {
        for (const std::string& name : moved)
            platform::RemoveFile(folder + name);
        QDir(Q(temp)).removeRecursively();
    };
    if (!files.Ok()) {
        undo();
        result.fault = "The game could not be made: " + files.fault + ".";
        return result;
    }
    for (const std::string& name : files.files) {
        QFile::remove(Q(folder + name));
        if (!QFile::rename(Q(temp + name), Q(folder + name))) {
            undo();
            result.fault = platform::FileErrorText(platform::causeAccessDenied, folder + name);
            return result;
        }
        moved.push_back(name);
    }
    QDir(Q(temp)).removeRecursively();
    result.entry = {game.title, game.fileName};
    if (const int cause = AddToMadeList(listPath, result.entry); cause != platform::causeNone) {
        undo();
        result.fault = platform::FileErrorText(cause, listPath);
        return result;
    }
    result.outcome = MakeOutcome::made;
    return result;
}

int RemoveUnfinishedMakings(const std::string& folder) {
    int removed = 0;
    const QDir dir(Q(folder));
    for (const QFileInfo& entry :
         dir.entryInfoList({QString(".*") + kMakingSuffix},
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const bool done = entry.isSymLink() || !entry.isDir()
                              ? QFile::remove(entry.absoluteFilePath())
                              : QDir(entry.absoluteFilePath()).removeRecursively();
        removed += done ? 1 : 0;
    }
    return removed;
}

} // namespace madegames
