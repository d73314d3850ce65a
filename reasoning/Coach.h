// The coach: explains the next deduction from the player's own marks, and
// finds the player's first wrong mark and why it cannot be.
//
// It reasons with the tiered solver and the exact solver over the puzzle's
// clue file, and speaks in sentences built from the file's labels and nouns.
#pragma once

#include "reasoning/ClueFile.h"
#include "reasoning/TieredSolver.h"

#include <memory>
#include <string>
#include <vector>

class CGridDoc;

namespace reasoning {

struct Advice {
    enum Kind {
        nextStep,   // marks to make (Explain Next Step)
        wrongMarks, // some marks are wrong: not which (Explain Next Step)
        firstWrong, // the first wrong mark, to clear (Where Did I Go Wrong?)
        allRight,   // no mark is wrong (Where Did I Go Wrong?)
        noStep,     // nothing follows from here
    };
    Kind kind = noStep;
    std::string text;             // the explanation, sentences parted by blanks or lines
    std::vector<Mark> marks;      // the marks to make, or the wrong mark (as the player made it)
    std::vector<BoardCell> cells; // where those marks are
    std::vector<int> clues;       // indexes of the clues the explanation rests on
    std::vector<Mark> given;      // the player's (right) marks it rests on as well
};

class CCoach {
public:
    // The book's clues must have one solution (a bundled puzzle's do).
    explicit CCoach(ClueBook book);
    bool Solvable() const { return m_solvable; }
    const ClueBook& Book() const { return m_book; }
    const Solution& Answer() const { return m_answer; }

    // True when the answer keys of the puzzle file are exactly the true
    // cells of the clues' solution.
    bool MatchesAnswer(const std::vector<std::string>& answerKeys) const;

    // The player's marks, in the order they count as made.
    Advice ExplainNext(const std::vector<Mark>& marks) const;
    Advice FindFirstWrong(const std::vector<Mark>& marks) const;

    // Why a mark cannot be: supposing it, the steps that lead from the clues
    // (and the marks of start) to a clash, each with its grid before it, and
    // the clue indexes they rest on. Empty steps and no clash when none was
    // found. Public for tests.
    struct Chain {
        std::vector<Step> steps;
        std::vector<CGrid> before;
        std::vector<int> clues;
        std::vector<std::vector<int>> searched; // per step: the clues a what-if followed
        Clash clash;
        std::vector<int> clashSearched;
        CGrid after{Shape{}};
        bool fromEarlierMarks = false; // starts from the player's marks before the wrong one
    };
    // fewest: also try the fewest clues that rule the mark out (costs an
    // exact solve per clue).
    Chain ChainAgainst(const Mark& mark, const CGrid& start, int maxTier = 4,
                       bool fewest = true) const;
    // The chain in sentences: "Suppose ...", the steps, the clash.
    std::string TellChain(const Mark& mark, const Chain& chain, bool asMarked) const;

    // One solving step in words, as the chain tells it.
    // A what-if step names the clues it followed, when given.
    std::string StepSentence(const Step& step, const CGrid& before,
                             const std::vector<int>& searched = {}) const;

private:
    bool IsRight(const Mark& m) const;
    CGrid GridOf(const std::vector<Mark>& marks) const;
    Chain Derive(const std::vector<int>& clueSet, const Mark& mark, const CGrid& start,
                 int maxTier) const;
    std::string ClueSays(int clue) const;
    std::string MarkText(const Mark& m) const;

    ClueBook m_book;
    Solution m_answer;
    bool m_solvable = false;
};

// Sentence pieces the coach is made of, public for tests.
namespace words {
std::string Number(int n); // "one" .. "ten", then digits
// "A", "A or B", "A, B or C" (with "and" when joined by and).
std::string List(const std::vector<std::string>& items, const char* joiner);
// "cannot have the last price ($7)", "cannot have any of the first two prices ($2, $3)".
std::string NotAtEnd(const ClueBook::Category& ordered, bool last, int places);
} // namespace words

// The coach of the puzzle file at puzzlePath, from the clue file beside it.
// Null with cause causeNone when there is no clue file; null with a file-error
// cause when it cannot be read, is damaged or does not fit the puzzle's answer.
std::unique_ptr<CCoach> LoadCoach(const std::string& puzzlePath,
                                  const std::vector<std::string>& answerKeys, int& cause);

// The board as the coach needs it: every marked cell of the document that
// the book names, saved-game marks first in board order, then the marks of
// this run in the order they were made.
std::vector<Mark> BoardMarks(const CGridDoc& doc, const ClueBook& book);
// Makes the marks on the board as clicks would, as one step that can be
// undone. False when nothing changed.
bool MakeMarks(CGridDoc& doc, const ClueBook& book, const std::vector<Mark>& marks);
// Clears the cell of the mark, as one step that can be undone.
bool ClearMark(CGridDoc& doc, const ClueBook& book, const Mark& mark);

} // namespace reasoning
