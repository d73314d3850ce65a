#include "tools/puzzlegen/qt/HelpText.h"

namespace puzzlegen {

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string Topic(int context, const std::string& heading, const std::string& body) {
    return "<a name=\"" + std::to_string(context) + "\"></a>\n<h1>" + heading + "</h1>\n" + body +
           "\n<hr>\n\n";
}

} // namespace

std::string HelpDocument(const ShelfGame& example, const CStory& story) {
    std::string doc = "<html>\n<head>\n<title>Deduxa Help</title>\n</head>\n<body>\n\n";

    doc += Topic(0, "How to play Deduxa", R"(
<p>Each Deduxa game is a logic-grid puzzle. A few people (or things) each have exactly one
item of every category: one pet, one age, one colour and so on. The clues on the first page
of the game tell you just enough to work out who has what. No guessing is needed.</p>
<h2>The board</h2>
<p>The board to the right is a grid of squares. The categories are written along the top and
down the left side, and every square pairs the item of its row with the item of its column.
The first category down the left is played against every category across the top; the
other categories follow below it in a staircase, so every two categories meet in exactly one
block of squares.</p>
<ul>
<li>Click a square once to mark it <b>false</b> (red): those two items do not go together.</li>
<li>Click it again to mark it <b>true</b> (green): those two items go together.</li>
<li>Click a third time to clear it.</li>
</ul>
<p>In every block, each row and each column has exactly one true square. So a true square
makes the rest of its row and column false, and when only one open square is left in a row
or column, it must be true.</p>
<p>Blocks work together, too: if Anna keeps the cows and the cow keeper grows corn, then
Anna grows corn. If Anna keeps the cows and the cow keeper does not grow wheat, then Anna
does not grow wheat either.</p>
<h2>Hints and checks</h2>
<p>The numbered buttons at the top are the hints, one for each clue. A hint page shows the
clue again, the board marks the squares the clue is about, and a red line of text hides what
the clue lets you mark: click it to see. <b>Check My Answer</b> tells you how many of your
true squares are right. <b>Show The Solution</b> ends the game and shows the answer.</p>
<h2>Scoring</h2>
<p>A solved game scores up to 100. Every hint you open (once, however often you look at it)
and every check you make costs 30 points divided by the puzzle's hints and true squares
together, and never less than 1 point. Every game here has 16 or more of them, so in all of
them each hint and each check costs 1 point; <b>Scoring</b> in the Help menu tells the cost
and the average score of the game you are playing. Showing the solution ends the game with a score
for the share of true squares you had found. When you solve a puzzle you may play a short
reward game: catch as many ants as you can before the time runs out.</p>
<h2>Difficulty</h2>
<p>The games are listed from easy to hard. <b>Easy</b> games need only the clues, the rows and
columns of each block, and links between blocks. <b>Medium</b> games add clues about order
(younger, earlier, exactly two places ahead). <b>Hard</b> games need one "what if": suppose a
square is true, follow the clues, and find that something clashes, so the square is false.
<b>Expert</b> games need that more than once.</p>
<h2>Playing from the keyboard</h2>
<p>Tab goes round the page, the buttons and the board. On the board the arrow keys move a
cell cursor (Home and End go to the ends of the row, Page Up and Page Down to the block above
or below); Space does what a click does, and F, T and Delete mark a square false, true or
empty. <b>Undo</b> and <b>Redo</b> in the Actions menu (Ctrl+Z, Ctrl+Y) take back and give
again your marks; hints and checks once taken stay taken.</p>
<h2>The coach</h2>
<p><b>Explain Next Step</b> in the Actions menu (Ctrl+E) explains the easiest next deduction
from your own marks, naming the clues it rests on, shows its squares on the board and offers
to mark them for you. If a mark of yours is wrong, it says so first. <b>Where Did I Go
Wrong?</b> names your first wrong mark and the clue or the chain of steps that rules it out,
and offers to clear it. Each use of either costs as much as an answer check.</p>
<h2>New games</h2>
<p><b>New Random Game</b> in the File menu (Ctrl+R) makes a new puzzle of the size, grade and
theme you choose. Every made game has a code of ten letters and digits, shown in its title
and on its first page: type that code in the same dialog, on any computer, to make the very
same game again, for instance to play the puzzle a friend played. Made games are listed after
the others when you choose a game. Bigger puzzles bring clues of one more kind: "Of A and B,
one is X and the other is Y" means that A and B are two different people, and one of them has
X while the other has Y.</p>
)");

    // The quick instructions walk through the first game of the shelf.
    std::string walk = "<p>This walk-through plays <b>" + Escape(example.title) +
                       "</b>, the first game in the list. Open it to follow along.</p>\n";
    walk += "<p>" + Escape(story.Intro()) + "</p>\n<h2>The clues</h2>\n<ol>\n";
    for (const Clue& c : example.puzzle.clues)
        walk += "<li>" + Escape(story.ClueText(c)) + "</li>\n";
    walk += "</ol>\n<h2>Step by step</h2>\n<ol>\n";
    int shown = 0;
    for (const Step& s : example.puzzle.grading.steps) {
        if (!s.mark.yes && s.rule != StepRule::Clue)
            continue;
        walk += "<li>" + Escape(story.StepText(s)) + "</li>\n";
        if (++shown == 12)
            break;
    }
    walk += "</ol>\n<p>Keep going the same way: every true square rules out the rest of its row "
            "and column, and blocks that share a category tell each other what they know. When "
            "every true square is marked, press <b>Check My Answer</b>.</p>\n"
            "<p>Tip: mark false squares as soon as a clue rules them out. Most of the puzzle "
            "is found by elimination.</p>";
    doc += Topic(1001, "Quick instructions: a first game", walk);

    doc += Topic(12, "Choosing a game", R"(
<p>The <b>Select Game To Play</b> window lists every game, easiest first. Click a game and
press <b>Play Selected Game</b>, or double-click it.</p>
<p>If you have an unfinished saved game of the same title, you are asked before it is
overwritten. <b>Open Saved Game</b> lists your saved games so that you can carry on where you
stopped. Tick <b>Show Quick Instructions upon Startup</b> to see the quick instructions when
the game begins.</p>
)");
    doc += Topic(9, "Deleting players", R"(
<p>Select one or more players in the list and press <b>OK</b>. You are asked to confirm;
then each deleted player's record, statistics and saved games are erased for good. The
player who is playing now is not listed and cannot be deleted.</p>
)");
    doc += Topic(6, "Saved games", R"(
<p>Deduxa keeps your unfinished games: when you change game, change player or quit, the game
in progress is saved. The saved games window lists your unfinished games. Select one and
press <b>OK</b> to carry on with it where you left off.</p>
)");
    doc += Topic(4, "Statistics", R"(
<p>For every game you have played, Deduxa keeps how many times you played it, how many hints
you took and checks you made, your score and when you last played or finished it. The
statistics window shows them for the current player; the print button opens them as a text
file that you can print from your text editor.</p>
)");
    doc += Topic(8, "Settings", R"(
<p><b>Play Sounds</b> turns the game's sounds on or off.</p>
<p>The three colours are those of the board: squares marked true, squares marked false, and
the squares of the hint you are looking at. Press <b>Change Color</b> to choose another colour
and <b>Default Colors</b> for green, red and blue again. Your choice is kept for next time.</p>
)");
    doc += Topic(11, "Finding the hints for a square", R"(
<p>Wondering which clue tells you about a square? Press <b>Find Hints For A Cell</b> and click
the square on the board: the window tells you which hint names it. A square that no hint names,
or that several hints name, shows nothing; work it out from the rows, columns and links
between blocks instead. Close the window to go back to marking squares.</p>
)");
    doc += "</body>\n</html>\n";
    return doc;
}

} // namespace puzzlegen
