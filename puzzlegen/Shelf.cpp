#include "puzzlegen/Shelf.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace puzzlegen {

std::vector<ShelfSlot> ShelfPlan(int count) {
    // {cats, items, ordered?, grade}, easiest first.
    struct Row {
        int cats, items;
        bool ordered;
        int grade;
    };
    static const Row plan[] = {
        // Easy: clue marks, elimination and links.
        {3, 4, false, 1},
        {3, 4, false, 1},
        {3, 4, false, 1},
        {3, 5, false, 1},
        {3, 5, false, 1},
        {3, 5, false, 1},
        {4, 4, false, 1},
        {4, 4, false, 1},
        {4, 4, false, 1},
        {4, 5, false, 1},
        // Medium: ordering clues.
        {3, 4, true, 2},
        {3, 4, true, 2},
        {3, 5, true, 2},
        {3, 5, true, 2},
        {4, 4, true, 2},
        {4, 4, true, 2},
        {4, 5, true, 2},
        {4, 5, true, 2},
        {5, 4, true, 2},
        {5, 5, true, 2},
        // Hard: one what-if.
        {3, 5, true, 3},
        {4, 4, true, 3},
        {4, 4, true, 3},
        {4, 5, true, 3},
        {4, 5, true, 3},
        {4, 5, true, 3},
        {5, 4, true, 3},
        {5, 5, true, 3},
        {5, 5, true, 3},
        {4, 6, true, 3},
        // Expert: several what-ifs.
        {4, 5, true, 4},
        {4, 5, true, 4},
        {5, 5, true, 4},
        {5, 5, true, 4},
        {5, 5, true, 4},
        {4, 6, true, 4},
        {4, 6, true, 4},
        {5, 5, true, 4},
        {5, 6, true, 4},
        {5, 6, true, 4},
    };
    const int planned = static_cast<int>(sizeof(plan) / sizeof(plan[0]));
    std::vector<ShelfSlot> slots;
    for (int i = 0; i < count; ++i) {
        const Row& r = plan[i * planned / count];
        ShelfSlot s;
        s.number = i + 1;
        s.theme = i % static_cast<int>(Themes().size());
        s.telling = i / static_cast<int>(Themes().size());
        s.shape = {r.cats, r.items, r.ordered ? 1 + (i * 7) % (r.cats - 1) : -1};
        s.grade = r.grade;
        s.seed = 1000 + static_cast<uint64_t>(i) * 97;
        slots.push_back(s);
    }
    return slots;
}

ShelfGame MakeShelfGame(const ShelfSlot& slot, int tries, const std::function<bool()>& stop) {
    ShelfGame best;
    int bestDistance = 99;
    for (int t = 0; t < tries && bestDistance > 0; ++t) {
        if (stop && stop()) {
            best = ShelfGame{};
            break;
        }
        GeneratedPuzzle p;
        const uint64_t seed = slot.seed + static_cast<uint64_t>(t);
        if (!Generate(slot.shape, seed, GenOptions{}, p))
            continue;
        const int grade = Grade(p.grading);
        const int distance = std::abs(grade - slot.grade);
        if (distance < bestDistance) {
            bestDistance = distance;
            best.puzzle = std::move(p);
            best.grade = grade;
            best.seedUsed = seed;
        }
    }
    best.slot = slot;
    Name(best, slot.number);
    return best;
}

void Name(ShelfGame& game, int number) {
    game.slot.number = number;
    game.title = "Game " + std::to_string(number) + ": " +
                 ShelfTheme(game.slot.theme, game.slot.telling).title;
    char name[16];
    std::snprintf(name, sizeof name, "game%02d", number);
    game.fileName = name;
}

std::vector<ShelfGame> MakeShelf(int count) {
    std::vector<ShelfGame> shelf;
    for (const ShelfSlot& slot : ShelfPlan(count))
        shelf.push_back(MakeShelfGame(slot));
    // Rising difficulty even where a slot missed its grade.
    std::stable_sort(shelf.begin(), shelf.end(),
                     [](const ShelfGame& a, const ShelfGame& b) { return a.grade < b.grade; });
    for (size_t i = 0; i < shelf.size(); ++i)
        Name(shelf[i], static_cast<int>(i + 1));
    return shelf;
}

int CellSizeFor(const Shape& shape) {
    return shape.cats <= 3 ? 24 : shape.cats == 4 ? 22 : 20;
}

namespace {

std::string Num(int n, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

std::string ShortAnswer(const CStory& story, const std::vector<Mark>& marks) {
    if (marks.size() == 1)
        return story.MarkText(marks[0]);
    std::string trues, falses;
    for (const Mark& m : marks) {
        std::string& list = m.yes ? trues : falses;
        list += (list.empty() ? "" : "; ") + story.Label(m.x) + " - " + story.Label(m.y);
    }
    std::string text;
    if (!trues.empty())
        text = "True: " + trues;
    if (!falses.empty())
        text += (text.empty() ? "" : ". ") + std::string("False: ") + falses;
    if (text.size() > 160)
        text = "Mark " + std::to_string(marks.size()) + " squares false";
    return text;
}

std::string MarkList(const CStory& story, const std::vector<Mark>& marks) {
    std::string text;
    for (const Mark& m : marks)
        text += (text.empty() ? "" : "\n") + story.MarkText(m);
    return text;
}

} // namespace

std::vector<NamedPage> MakeGamePages(const ShelfGame& game, const CStory& story,
                                     const ITextMeasure& measure) {
    std::vector<NamedPage> pages;
    const GeneratedPuzzle& p = game.puzzle;
    const Shape& shape = p.shape;
    auto add = [&](const std::string& suffix, const CPageBuilder& b) {
        pages.push_back({suffix, b.Page(), b.WidestRow()});
    };

    // The first page: the story, the categories, the clues.
    {
        CPageBuilder b(measure, game.title);
        // A made game's code has a line of its own below, not the heading.
        std::string heading = game.title;
        const std::string codeTail = " (" + game.code + ")";
        if (!game.code.empty() && heading.size() > codeTail.size() &&
            heading.compare(heading.size() - codeTail.size(), codeTail.size(), codeTail) == 0)
            heading.erase(heading.size() - codeTail.size());
        b.Text(heading, kLargeHeading);
        b.Text(std::string(GradeName(game.grade)) + " - " + std::to_string(shape.cats) +
                   " categories of " + std::to_string(shape.items) + " items",
               kDarkBlueBold);
        if (!game.code.empty()) {
            b.Paragraph({{"Game code: ", kBold}, {game.code, kPlain}});
            b.Text("Type this code in New Random Game (File menu) to play this very game again.",
                   kSmallBlue);
        }
        b.HalfLine();
        b.Text(story.Intro(), kPlain);
        b.HalfLine();
        b.Text("The categories", kSubHeading);
        for (int c = 0; c < shape.cats; ++c) {
            std::string items;
            for (int i = 0; i < shape.items; ++i)
                items += (i ? ", " : "") + story.Label({c, i});
            b.Paragraph({{story.CategoryName(c) + ": ", kBold}, {items, kPlain}});
        }
        b.HalfLine();
        b.Text("The clues", kSubHeading);
        for (size_t i = 0; i < p.clues.size(); ++i)
            b.Hanging({std::to_string(i + 1) + ". ", kBold}, story.ClueText(p.clues[i]), kPlain);
        b.HalfLine();
        b.Text("How to play", kSubHeading);
        b.Text("Click a square once to mark it false, twice to mark it true, and a third time "
               "to clear it. Each true square pairs the item of its row with the item of its "
               "column.",
               kSmallBlue);
        b.Text("Stuck? Press a numbered hint button: its page explains that clue and the board "
               "shows the squares it is about. Check My Answer tells you how many of your true "
               "squares are right. Hints and checks cost points.",
               kSmallBlue);
        add("_00", b);
    }
    // One hint page per clue.
    std::vector<std::vector<Step>> later(p.clues.size());
    for (const Step& s : p.grading.steps)
        if (s.rule == StepRule::Clue && s.clue >= 0)
            later[s.clue].push_back(s);
    for (size_t i = 0; i < p.clues.size(); ++i) {
        const Clue& clue = p.clues[i];
        const std::vector<Mark> marks = DirectMarks(shape, clue);
        const std::string hint = "Hint " + std::to_string(i + 1);
        CPageBuilder b(measure, game.title + " - " + hint);
        b.Text(hint, kLargeHeading);
        b.Text(story.ClueText(clue), kItalic);
        b.HalfLine();
        b.Text("The board marks the squares this clue is about.", kSmallBlue);
        b.HalfLine();
        b.Text("What can you mark?", kSubHeading);
        std::string title = ShortAnswer(story, marks);
        if (title == "2." || title == "0") // such titles would start revealed
            title = "Answer: " + title;
        b.Reveal(title, "Click here to see what this clue lets you mark.",
                 MarkList(story, marks) + "\n" + story.Explain(clue));
        add(Num(static_cast<int>(i + 1), "_%.2d"), b);
    }
    // The answer page.
    {
        CPageBuilder b(measure, game.title + " - The Answer");
        b.Text("The Answer", kLargeHeading);
        b.Text(game.title, kDarkBlueBold);
        b.HalfLine();
        std::vector<std::vector<std::string>> table;
        std::vector<std::string> header;
        for (int c = 0; c < shape.cats; ++c)
            header.push_back(story.CategoryName(c));
        table.push_back(header);
        for (int e = 0; e < shape.items; ++e) {
            std::vector<std::string> row;
            for (int c = 0; c < shape.cats; ++c)
                row.push_back(story.Label({c, p.solution.value[c][e]}));
            table.push_back(row);
        }
        const std::vector<std::vector<std::string>> body(table.begin() + 1, table.end());
        if (b.TableFits(table, kDarkBlueBold, kSmallBlue)) {
            b.Table(table, kDarkBlueBold, kSmallBlue);
        } else if (b.TableFits(body, kSmallBlue, kSmallBlue)) {
            // Too wide with its headings: name the columns above the rows.
            std::string columns;
            for (const std::string& h : header)
                columns += (columns.empty() ? "" : ", ") + h;
            b.Text(columns, kDarkBlueBold);
            b.Table(body, kSmallBlue, kSmallBlue);
        } else {
            for (int e = 0; e < shape.items; ++e) {
                std::string rest;
                for (int c = 1; c < shape.cats; ++c)
                    rest += (c > 1 ? ", " : "") + story.Label({c, p.solution.value[c][e]});
                b.Paragraph({{story.Label({0, e}) + ": ", kBold}, {rest, kPlain}});
            }
        }
        b.HalfLine();
        b.Text("One way to solve it", kSubHeading);
        b.Text("Each line is one square found true, in the order a careful solver finds them.",
               kSmallBlue);
        int n = 0;
        for (const Step& s : p.grading.steps) {
            if (!s.mark.yes && s.rule != StepRule::WhatIf)
                continue;
            b.Hanging({std::to_string(++n) + ". ", kBold}, story.StepText(s), kPlain);
        }
        b.HalfLine();
        b.Text("Click a square on the board to see which hint names it.", kSmallBlue);
        add("-00", b);
    }
    // Each hint once the game is over: its deduction in full.
    for (size_t i = 0; i < p.clues.size(); ++i) {
        const Clue& clue = p.clues[i];
        const std::string hint = "Hint " + std::to_string(i + 1);
        CPageBuilder b(measure, game.title + " - " + hint);
        b.Text(hint, kLargeHeading);
        b.Text(story.ClueText(clue), kItalic);
        b.HalfLine();
        b.Text("What it lets you mark", kSubHeading);
        for (const Mark& m : DirectMarks(shape, clue))
            b.Text(story.MarkText(m), kPlain);
        b.Text(story.Explain(clue), kSmallBlue);
        b.HalfLine();
        b.Text("Later in the solution", kSubHeading);
        bool any = false;
        for (const Step& s : later[i]) {
            bool direct = false;
            for (const Mark& m : DirectMarks(shape, clue))
                direct |= m == s.mark;
            if (direct)
                continue;
            b.Text(story.StepText(s), kPlain);
            any = true;
        }
        if (!any)
            b.Text("Nothing more: the marks above are all it gives; the other clues and the "
                   "grid do the rest.",
                   kPlain);
        b.HalfLine();
        b.Text("In the answer", kSubHeading);
        std::string truth;
        switch (clue.kind) {
        case ClueKind::Is:
        case ClueKind::EitherOr:
        case ClueKind::IsNot:
        case ClueKind::NeitherNor:
            truth = story.Label(clue.a) + " goes with " +
                    story.Label(
                        {clue.b.cat, p.solution.value[clue.b.cat][p.solution.EntityOf(clue.a)]}) +
                    ".";
            break;
        case ClueKind::Before:
        case ClueKind::Apart: {
            const int o = OrderCat(shape, clue);
            truth = story.Label(clue.a) + " goes with " +
                    story.Label({o, OrderOf(shape, p.solution, clue.a, o)}) + " and " +
                    story.Label(clue.b) + " with " +
                    story.Label({o, OrderOf(shape, p.solution, clue.b, o)}) + ".";
        } break;
        case ClueKind::OneOther: {
            const bool first = p.solution.EntityOf(clue.a) == p.solution.EntityOf(clue.c);
            truth = story.Label(clue.a) + " goes with " + story.Label(first ? clue.c : clue.d) +
                    " and " + story.Label(clue.b) + " with " +
                    story.Label(first ? clue.d : clue.c) + ".";
            break;
        }
        }
        b.Text(truth, kPlain);
        add(Num(static_cast<int>(i + 1), "-%.2d"), b);
    }
    return pages;
}

} // namespace puzzlegen
