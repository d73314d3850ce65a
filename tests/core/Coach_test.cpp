// The coach over the 40 bundled games: Explain Next Step alone solves each
// from an empty board, Where Did I Go Wrong? names a planted mistake and a
// reason the exact solver confirms; the clue file's reader and the sentence
// templates.
#include "platform/FileError.h"
#include "puzzle/GridCell.h"
#include "puzzle/GridDoc.h"
#include "reasoning/ClueFile.h"
#include "reasoning/Coach.h"
#include "reasoning/ExactSolver.h"
#include "tests/support/Recorders.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

using namespace reasoning;
using namespace testing_support;

namespace {

std::string GamePath(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "gamedata/data/game%02d.bgd", n);
    return SourcePath(name);
}

struct Game {
    CGridDoc doc;
    std::unique_ptr<CCoach> coach;
    explicit Game(int n) {
        doc.OnOpenDocument(GamePath(n));
        int cause = -1;
        coach = LoadCoach(GamePath(n), doc.GetAnswerList(), cause);
        EXPECT_EQ(cause, 0) << "game " << n;
    }
    // Whether the answer (the puzzle file's, not the coach's) says the pair goes together.
    bool InAnswer(const Mark& m) const {
        const BoardCell c = coach->Book().CellOf(m.x, m.y);
        const auto& answer = doc.GetAnswerList();
        return std::find(answer.begin(), answer.end(), CellKey(c.column, c.row)) != answer.end();
    }
    bool Solved() const { return doc.CompareWithAnswer(nullptr, nullptr, nullptr); }
};

} // namespace

TEST(Coach, ExplainNextStepAloneSolvesEveryBundledGame) {
    MessageRecorder boxes;
    for (int n = 1; n <= 40; ++n) {
        Game g(n);
        ASSERT_TRUE(g.coach) << "game " << n;
        int uses = 0;
        while (!g.Solved()) {
            ASSERT_LT(++uses, 400) << "game " << n;
            const Advice a = g.coach->ExplainNext(BoardMarks(g.doc, g.coach->Book()));
            ASSERT_EQ(a.kind, Advice::nextStep) << "game " << n << ": " << a.text;
            ASSERT_EQ(a.cells.size(), a.marks.size());
            for (const Mark& m : a.marks)
                ASSERT_EQ(g.InAnswer(m), m.yes) << "game " << n << ": " << a.text;
            // The clues it names by number are the clue file's.
            EXPECT_NE(a.text.find("Clue ") == std::string::npos, !a.clues.empty()) << a.text;
            ASSERT_TRUE(MakeMarks(g.doc, g.coach->Book(), a.marks)) << a.text;
        }
        // Every step was one undo step.
        EXPECT_TRUE(g.doc.History().CanUndo());
    }
    EXPECT_EQ(boxes.count(), 0u);
}

TEST(Coach, WhereDidIGoWrongNamesThePlantedMarkAndAReasonThatRulesItOut) {
    MessageRecorder boxes;
    for (int n = 1; n <= 40; ++n) {
        Game g(n);
        ASSERT_TRUE(g.coach) << "game " << n;
        const ClueBook& book = g.coach->Book();
        // Two right steps first, then the planted mark (true where the answer
        // says false on odd games, false where it says true on even ones),
        // then a later wrong mark, which is not the first.
        for (int k = 0; k < 2; ++k)
            MakeMarks(g.doc, book, g.coach->ExplainNext(BoardMarks(g.doc, book)).marks);
        const Solution& s = g.coach->Answer();
        const int e = n % book.shape.items;
        const int other = (s.value[1][e] + 1) % book.shape.items;
        const Mark planted =
            n % 2 ? Mark{{0, e}, {1, other}, true} : Mark{{0, e}, {1, s.value[1][e]}, false};
        const Mark later{{0, (e + 1) % book.shape.items}, {1, s.value[1][e]}, true};
        for (const Mark& m : {planted, later}) {
            const BoardCell c = book.CellOf(m.x, m.y);
            g.doc.History().Record(g.doc, [&] {
                ::marks::SetCellState(g.doc, c.column, c.row,
                                      m.yes ? CGridCell::stateTrue : CGridCell::stateFalse);
            });
        }
        const Advice a = g.coach->FindFirstWrong(BoardMarks(g.doc, book));
        ASSERT_EQ(a.kind, Advice::firstWrong) << "game " << n;
        ASSERT_EQ(a.marks.size(), 1u);
        const bool same = (a.marks[0].x == planted.x && a.marks[0].y == planted.y) ||
                          (a.marks[0].x == planted.y && a.marks[0].y == planted.x);
        EXPECT_TRUE(same && a.marks[0].yes == planted.yes) << "game " << n << ": " << a.text;
        // The clues it names rule the mark out on their own.
        ASSERT_FALSE(a.clues.empty() && a.given.empty()) << a.text;
        std::vector<Clue> named;
        bool quoted = false;
        for (int i : a.clues) {
            named.push_back(book.clues[i]);
            quoted |= a.text.find("Clue " + std::to_string(book.numbers[i]) + " says: \u201c" +
                                  book.texts[i]) != std::string::npos;
        }
        EXPECT_EQ(quoted, !a.clues.empty()) << "game " << n << ": " << a.text;
        // With the right marks before it, when the chain starts from them.
        for (const Mark& m : a.given) {
            ASSERT_EQ(g.InAnswer(m), m.yes) << "game " << n << ": " << a.text;
            named.push_back({m.yes ? ClueKind::Is : ClueKind::IsNot, m.x, m.y, {}, 0});
        }
        named.push_back(
            {planted.yes ? ClueKind::Is : ClueKind::IsNot, planted.x, planted.y, {}, 0});
        EXPECT_EQ(CExactSolver(book.shape, named).Count(1), 0) << "game " << n << ": " << a.text;
        // Clearing it leaves the later mistake the first.
        ASSERT_TRUE(ClearMark(g.doc, book, a.marks[0]));
        const Advice next = g.coach->FindFirstWrong(BoardMarks(g.doc, book));
        EXPECT_TRUE(next.marks.size() == 1 && next.marks[0].x == later.x &&
                    next.marks[0].y == later.y)
            << next.text;
        // Explain Next Step says there is a wrong mark, not which.
        const Advice explain = g.coach->ExplainNext(BoardMarks(g.doc, book));
        EXPECT_EQ(explain.kind, Advice::wrongMarks);
        EXPECT_TRUE(explain.cells.empty());
        EXPECT_EQ(explain.text.find(book.Label(later.y)), std::string::npos) << explain.text;
    }
    EXPECT_EQ(boxes.count(), 0u);
}

TEST(Coach, SentencesReadAsAPersonWritesThem) {
    const ClueBook::Category prices{"Prices", "price", "prices", {"$2", "$3", "$4", "$5"}};
    const struct {
        std::string got, want;
    } cases[] = {
        {words::NotAtEnd(prices, true, 1), "cannot have the last price ($5)"},
        {words::NotAtEnd(prices, false, 1), "cannot have the first price ($2)"},
        {words::NotAtEnd(prices, false, 2), "cannot have any of the first two prices ($2 or $3)"},
        {words::NotAtEnd(prices, true, 3),
         "cannot have any of the last three prices ($3, $4 or $5)"},
        {words::List({"Anna"}, "and"), "Anna"},
        {words::List({"Anna", "Ben"}, "or"), "Anna or Ben"},
        {words::Number(1) + " " + words::Number(12), "one 12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want);

    // Every sentence the coach says on a whole game: no number one as a
    // count of places, no category heading where an item belongs.
    Game g(39);
    ASSERT_TRUE(g.coach);
    const ClueBook& book = g.coach->Book();
    std::string said;
    while (!g.Solved()) {
        const Advice a = g.coach->ExplainNext(BoardMarks(g.doc, book));
        ASSERT_EQ(a.kind, Advice::nextStep);
        said += a.text + "\n";
        MakeMarks(g.doc, book, a.marks);
    }
    EXPECT_EQ(said.find("last 1 "), std::string::npos);
    EXPECT_EQ(said.find("first 1 "), std::string::npos);
    EXPECT_EQ(said.find("among the"), std::string::npos);
    for (const ClueBook::Category& c : book.categories) {
        EXPECT_EQ(said.find("the last " + c.name), std::string::npos) << c.name;
        EXPECT_EQ(said.find("with " + c.name + " "), std::string::npos) << c.name;
    }
    EXPECT_EQ(said.find("{"), std::string::npos);
}

TEST(ClueFile, DamagedFilesAreRefusedAndAWholeOneReadsBackTheSame) {
    TempDir dir;
    Game g(1);
    ASSERT_TRUE(g.coach);
    const std::string whole = ReadBytes(reasoning::ClueFilePath(GamePath(1)));
    ASSERT_EQ(whole.rfind("Deduxa clues 1\r\n", 0), 0u);
    // Version 2 files: the same with a oneother clue first, and a game with
    // two ordered categories.
    const std::string second = ReadBytes(SourcePath("fuzz/corpus/clue_file/second.clu"));
    const std::string ordered = ReadBytes(SourcePath("fuzz/corpus/clue_file/ordered.clu"));
    auto replaced = [&](const std::string& from, const std::string& to, std::string text = {}) {
        text = text.empty() ? whole : text;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const std::string damaged[] = {
        whole.substr(0, whole.size() / 2),                     // cut short
        replaced("Deduxa clues 1", "Deduxa clues 3"),          // another version
        replaced("Deduxa clues 2", "Deduxa clues 1", second),  // version 1 has no oneother
        replaced("Deduxa clues 2", "Deduxa clues 1", ordered), // nor a second order
        replaced("clue 1 ", "clue 2 "),                        // a number twice
        replaced("\r\ntext ", "\r\nitem "),                    // a clue without its text
        replaced("cell 0 0 1 0 ", "cell 0 0 1 1 "),            // a pair twice
        replaced("shape ", "shape 9"),                         // out of range
        replaced("noun ", "noun |"),                           // no singular
        "",
    };
    for (const std::string& bytes : damaged) {
        WriteBytes(dir.File("bad.clu"), bytes);
        ClueBook book;
        int cause = 0;
        EXPECT_FALSE(ReadClueFile(dir.File("bad.clu"), book, &cause)) << bytes.substr(0, 200);
        EXPECT_EQ(cause, platform::causeInvalidFile);
    }
    ASSERT_TRUE(WriteClueFile(dir.File("copy.clu"), g.coach->Book()));
    EXPECT_EQ(ReadBytes(dir.File("copy.clu")), whole);
    // Version 2 reads them and writes them back the same.
    ClueBook two;
    for (const std::string& bytes : {ordered, second}) {
        WriteBytes(dir.File("two.clu"), bytes);
        ASSERT_TRUE(ReadClueFile(dir.File("two.clu"), two));
        ASSERT_TRUE(WriteClueFile(dir.File("two-copy.clu"), two));
        EXPECT_EQ(ReadBytes(dir.File("two-copy.clu")), bytes);
    }
    // The coach's words for its marks: its own, and one way round ruled out.
    const CCoach coach(two);
    ASSERT_TRUE(coach.Solvable());
    const std::string says = "Clue 9 says: \u201cOf Dora and Fay, one is the farmer who keeps "
                             "pigs and the other keeps goats.\u201d ";
    CGrid grid(two.shape);
    EXPECT_EQ(coach.StepSentence({1, StepRule::Clue, 0, {}, {{0, 1}, {1, 0}, false}}, grid),
              says + "So Dora goes with Pigs or Goats, and with no other animal.");
    grid.Set({0, 1}, {1, 2}, kFalse);
    EXPECT_EQ(coach.StepSentence({1, StepRule::Clue, 0, {}, {{0, 3}, {1, 2}, true}}, grid),
              says + "Dora does not go with Pigs, so Fay goes with Pigs.");
    // A clue file that does not fit the puzzle's answer is damaged too.
    std::vector<std::string> answer = g.doc.GetAnswerList();
    std::swap(answer.front(), answer.back());
    answer.pop_back();
    int cause = 0;
    EXPECT_FALSE(LoadCoach(GamePath(1), answer, cause));
    EXPECT_EQ(cause, platform::causeInvalidFile);
    // No clue file: no coach, and no error.
    EXPECT_FALSE(LoadCoach(dir.File("handmade.bgd"), answer, cause));
    EXPECT_EQ(cause, platform::causeNone);
}
