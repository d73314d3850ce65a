#include "puzzlegen/qt/GameFiles.h"

#include "puzzlegen/Media.h"
#include "puzzlegen/qt/Drawing.h"
#include "reasoning/ClueFile.h"
#include "reasoning/ExactSolver.h"

namespace puzzlegen {

namespace {

bool WritePicture(const std::string& path, const QImage& image) {
    return WriteBmp8(path, Quantize({image})[0]);
}

} // namespace

GameFilesResult WriteGameFiles(const ShelfGame& game, const std::string& folder,
                               const ITextMeasure& measure) {
    GameFilesResult result;
    const GeneratedPuzzle& p = game.puzzle;
    auto fail = [&](const std::string& fault) {
        result.fault = fault;
        return result;
    };
    if (const std::string problem = ShapeProblem(game.slot.shape); !problem.empty())
        return fail(game.title + ": " + problem);
    if (p.clues.empty())
        return fail("no puzzle for " + game.title);
    if (!CExactSolver(p.shape, p.clues).IsUnique())
        return fail(game.title + " is not unique");
    const CStory story(ShelfTheme(game.slot.theme, game.slot.telling), p.shape, game.seedUsed);
    const PuzzlePicture picture = DrawPuzzle(story, p.shape);
    result.pictureWidth = picture.image.width();
    result.pictureHeight = picture.image.height();
    auto wrote = [&](const std::string& name, bool ok) {
        result.files.push_back(name); // on a failure it may be there in part
        if (!ok)
            result.fault = "cannot write " + name;
        return ok;
    };
    const std::string pictureName = game.fileName + ".bmp";
    if (!wrote(pictureName, WritePicture(folder + pictureName, picture.image)))
        return result;
    // The same picture twice the size, which the board shows on a
    // high-density screen; its name is the picture's with "@2x".
    const std::string sharpName = game.fileName + "@2x.bmp";
    if (!wrote(sharpName, WritePicture(folder + sharpName, DrawPuzzle(story, p.shape, 2).image)))
        return result;
    const PuzzleFile file = MakePuzzleFile(picture.layout, p.solution, p.clues, pictureName);
    const std::string puzzleName = game.fileName + ".bgd";
    if (!wrote(puzzleName, WritePuzzleFile(folder + puzzleName, file)))
        return result;
    // The clue file the coach reasons with.
    const std::string clueName = game.fileName + ".clu";
    if (!wrote(clueName,
               WriteClueFile(folder + clueName, MakeClueBook(picture.layout, story, p.clues))))
        return result;
    for (const NamedPage& page : MakeGamePages(game, story, measure)) {
        const std::string pageName = game.fileName + page.suffix + ".htf";
        if (page.widest > 300)
            return fail(pageName + " has a row of " + std::to_string(page.widest) + " pixels");
        result.files.push_back(pageName);
        if (!WritePageFile(folder + pageName, page.page))
            return fail("cannot write a page of " + game.fileName);
        const std::string fault = CheckPage(folder + pageName);
        if (!fault.empty())
            return fail(pageName + ": " + fault);
    }
    return result;
}

} // namespace puzzlegen
