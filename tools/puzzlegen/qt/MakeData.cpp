// deduxa_makedata: writes the game's data folder.
//
//   deduxa_makedata <folder> [games]
//
// Generates the shelf of puzzles (proven unique, graded), their pictures and
// pages, the game list, the About data, the settings file, the sounds, the
// reward game's pictures, the application icon and the help document. Same
// output for the same program and fonts: every random choice comes from fixed
// seeds.
#include "platform/TextFile.h"
#include "puzzlegen/Media.h"
#include "puzzlegen/Shelf.h"
#include "puzzlegen/qt/Drawing.h"
#include "puzzlegen/qt/GameFiles.h"
#include "tools/puzzlegen/qt/HelpText.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <fstream>

using namespace puzzlegen;

namespace {

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeCreate))
        return false;
    try {
        for (const std::string& line : lines)
            file.WriteLine(line);
        file.Close();
    } catch (...) {
        file.Abort();
        return false;
    }
    return true;
}

bool WritePicture(const std::string& path, const QImage& image) {
    return WriteBmp8(path, Quantize({image})[0]);
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "deduxa_makedata: %s\n", what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return Fail(
            "usage: deduxa_makedata <folder> [games] | --render <page.htf> <out.png> [reveal]");
    if (std::string(argv[1]) == "--render" && argc >= 4) {
        // Draws one page as the page window lays it out, for a look at it.
        QImage page;
        const std::string fault = CheckPage(argv[2], &page, argc > 4);
        if (!fault.empty())
            std::fprintf(stderr, "%s\n", fault.c_str());
        return page.save(argv[3]) ? 0 : 1;
    }
    const std::string root = std::string(argv[1]) + "/";
    const int count = argc > 2 ? std::atoi(argv[2]) : 40;
    const std::string data = root + "data/";
    const std::string ants = root + "ants/";
    QDir().mkpath(QString::fromStdString(data));
    QDir().mkpath(QString::fromStdString(ants));
    const CQtMeasure measure;

    std::vector<std::string> gameList;
    std::vector<ShelfGame> shelf;
    for (ShelfGame& game : MakeShelf(count)) {
        const GeneratedPuzzle& p = game.puzzle;
        const GameFilesResult files = WriteGameFiles(game, data, measure);
        if (!files.Ok())
            return Fail(files.fault);
        gameList.push_back(game.title);
        gameList.push_back(game.fileName);
        std::printf("%-28s %dx%d %-6s clues %2zu tier %d seed %llu picture %dx%d\n",
                    game.title.c_str(), p.shape.cats, p.shape.items, GradeName(game.grade),
                    p.clues.size(), p.grading.hardestTier,
                    static_cast<unsigned long long>(game.seedUsed), files.pictureWidth,
                    files.pictureHeight);
        shelf.push_back(std::move(game));
    }
    if (!WriteLines(data + "games.dat", gameList))
        return Fail("cannot write games.dat");
    if (!WriteLines(data + "About.dat", {"Linux", "2026", "1.0"}))
        return Fail("cannot write About.dat");
    // Sound on, then the hint, true and false colours (blue, green, red).
    if (!WriteLines(data + "Sound.dat",
                    {"TRUE", "0", "0", "255", "0", "255", "0", "255", "0", "0"}))
        return Fail("cannot write Sound.dat");
    for (const SoundDef& sound : GameSounds())
        if (!WriteWav16(data + sound.file, Synthesize(sound.notes), kSoundRate))
            return Fail("cannot write " + sound.file);
    if (!WritePicture(data + "Head.bmp", DrawHead()) ||
        !WritePicture(data + "Deduxa.bmp", DrawAbout()) ||
        !WritePicture(data + "Head@2x.bmp", DrawHead(2)) ||
        !WritePicture(data + "Deduxa@2x.bmp", DrawAbout(2)))
        return Fail("cannot write the dialog pictures");

    // The application icon, which the desktop entry and the windows show.
    const std::string icons = root + "icons/";
    QDir().mkpath(QString::fromStdString(icons));
    for (int size : kIconSizes) {
        const std::string name = "deduxa-" + std::to_string(size) + ".png";
        if (!DrawIcon(size).save(QString::fromStdString(icons + name), "PNG"))
            return Fail("cannot write " + name);
    }
    for (int size : kPageIconSizes) {
        const std::string name = "page-" + std::to_string(size) + ".png";
        if (!DrawPageIcon(size).save(QString::fromStdString(icons + name), "PNG"))
            return Fail("cannot write " + name);
    }

    // The reward game: one colour table for the field and every frame.
    const AntArt art = DrawAnts();
    std::vector<QImage> all{art.field};
    for (const auto& frames : art.frames)
        all.insert(all.end(), frames.begin(), frames.end());
    const std::vector<IndexedImage> indexed = Quantize(all);
    if (!WriteBmp8(ants + "field.bmp", indexed[0]))
        return Fail("cannot write field.bmp");
    std::vector<std::string> antsDat{"field"};
    for (size_t a = 0; a < art.boxes.size(); ++a) {
        const std::string name = std::string("ant") + static_cast<char>('A' + a);
        for (int f = 0; f < 4; ++f)
            if (!WriteBmp8(ants + name + std::to_string(f) + ".bmp", indexed[1 + a * 4 + f]))
                return Fail("cannot write " + name);
        const QRect& b = art.boxes[a];
        antsDat.insert(antsDat.end(), {name, std::to_string(b.x()), std::to_string(b.y()),
                                       std::to_string(b.width()), std::to_string(b.height())});
    }
    if (!WriteLines(ants + "ants.dat", antsDat))
        return Fail("cannot write ants.dat");

    const CStory firstStory(ShelfTheme(shelf[0].slot.theme, shelf[0].slot.telling),
                            shelf[0].puzzle.shape, shelf[0].seedUsed);
    std::ofstream help(root + "deduxa.hlp", std::ios::binary | std::ios::trunc);
    help << HelpDocument(shelf[0], firstStory);
    if (!help)
        return Fail("cannot write deduxa.hlp");
    std::printf("%zu games written to %s\n", shelf.size(), root.c_str());
    return 0;
}
