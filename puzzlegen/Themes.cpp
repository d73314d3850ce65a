#include "puzzlegen/Themes.h"

#include <cctype>
#include <iterator>

namespace puzzlegen {

namespace {

CategoryDef People(std::vector<std::string> names) {
    CategoryDef c;
    c.name = "Names";
    c.ref = "{}";
    c.words = std::move(names);
    return c;
}

CategoryDef Plain(std::string name, std::string ref, std::vector<std::string> words,
                  std::vector<std::string> labels = {}) {
    CategoryDef c;
    c.name = std::move(name);
    c.ref = std::move(ref);
    c.words = std::move(words);
    c.labels = std::move(labels);
    return c;
}

CategoryDef Ordered(std::string name, std::string ref, std::vector<std::string> words,
                    std::vector<std::string> labels, int step, std::string unitOne,
                    std::string unitMany, std::string before, std::string apart) {
    CategoryDef c;
    c.name = std::move(name);
    c.ref = std::move(ref);
    c.words = std::move(words);
    c.labels = std::move(labels);
    c.ordered = true;
    c.step = step;
    c.unitOne = std::move(unitOne);
    c.unitMany = std::move(unitMany);
    c.before = std::move(before);
    c.apart = std::move(apart);
    return c;
}

std::vector<ThemeDef> MakeThemes() {
    std::vector<ThemeDef> t;
    t.push_back(
        {"The Farm",
         "",
         {People({"Anna", "Ben", "Carl", "Dora", "Emil", "Fay", "Gil", "Hilda"}),
          Plain("Animals", "the farmer who keeps {}",
                {"cows", "goats", "pigs", "sheep", "hens", "ducks", "horses", "geese"}),
          Plain("Crops", "the farmer who grows {}",
                {"corn", "wheat", "beans", "oats", "potatoes", "barley", "rye", "peas"}),
          Plain("Tractors", "the farmer with the {} tractor",
                {"red", "blue", "green", "yellow", "orange", "grey", "black", "white"}),
          Ordered("Acres", "the farmer with {} acres",
                  {"10", "20", "30", "40", "50", "60", "70", "80"}, {}, 10, "{} acre", "{} acres",
                  "{a} has fewer acres than {b}.", "{b} has exactly {d} more than {a}.")}});
    t.push_back(
        {"The Bake Sale",
         "",
         {People({"Beth", "Dan", "Greta", "Hugo", "Ivy", "Joel", "Kate", "Leo"}),
          Plain("Treats", "the baker of the {}",
                {"lemon cake", "brownies", "muffins", "cookies", "apple pie", "scones", "tarts",
                 "fudge"},
                {"Lemon cake", "Brownies", "Muffins", "Cookies", "Apple pie", "Scones", "Tarts",
                 "Fudge"}),
          Plain("Stalls", "the baker at the {} stall",
                {"pink", "white", "blue", "green", "yellow", "purple", "orange", "red"}),
          Plain("Drinks", "the baker who drinks {}",
                {"tea", "coffee", "cocoa", "juice", "milk", "water", "lemonade", "cider"}),
          Ordered("Prices", "the baker who charges ${}", {"2", "3", "4", "5", "6", "7", "8", "9"},
                  {"$2", "$3", "$4", "$5", "$6", "$7", "$8", "$9"}, 1, "${}", "${}",
                  "{a} charges less than {b}.", "{b} charges exactly {d} more than {a}.")}});
    t.push_back(
        {"The Marathon",
         "",
         {People({"Alex", "Bea", "Chris", "Dina", "Eli", "Flora", "Gabe", "Iona"}),
          Plain("Countries", "the runner from {}",
                {"Kenya", "Japan", "Brazil", "Norway", "Canada", "Spain", "Chile", "Egypt"}),
          Plain("Shoes", "the runner in {} shoes",
                {"red", "black", "white", "blue", "green", "orange", "yellow", "grey"}),
          Plain("Snacks", "the runner who eats {}",
                {"bananas", "dates", "gel", "nuts", "raisins", "figs", "grapes", "oats"}),
          Ordered("Places", "the runner who finishes {}",
                  {"first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth"},
                  {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"}, 1, "{} place",
                  "{} places", "{a} finishes ahead of {b}.",
                  "{a} finishes exactly {d} ahead of {b}.")}});
    t.push_back(
        {"The Pet Show",
         "",
         {People({"Amy", "Bob", "Cleo", "Dev", "Erin", "Finn", "Gail", "Hugh"}),
          Plain("Pets", "the owner of the {}",
                {"dog", "cat", "rabbit", "parrot", "hamster", "turtle", "goldfish", "pony"}),
          Plain("Ribbons", "the child who wins the {} ribbon",
                {"gold", "silver", "bronze", "blue", "green", "white", "red", "purple"}),
          Plain("Pet names", "the owner of the pet called {}",
                {"Rex", "Milo", "Bella", "Coco", "Luna", "Max", "Daisy", "Oscar"}),
          Ordered("Ages", "the {}-year-old", {"8", "9", "10", "11", "12", "13", "14", "15"}, {}, 1,
                  "{} year", "{} years", "{a} is younger than {b}.",
                  "{b} is exactly {d} older than {a}.")}});
    t.push_back(
        {"The Road Trip",
         "",
         {People({"Gina", "Hal", "Iris", "Jack", "Kira", "Liam", "Mona", "Nico"}),
          Plain("Cities", "the driver going to {}",
                {"Paris", "Rome", "Oslo", "Vienna", "Prague", "Madrid", "Berlin", "Lisbon"}),
          Plain("Cars", "the driver of the {}",
                {"van", "jeep", "sedan", "pickup", "coupe", "camper", "minibus", "roadster"}),
          Plain("Music", "the driver who plays {}",
                {"jazz", "rock", "folk", "opera", "blues", "pop", "soul", "country"}),
          Ordered("Leaves at", "the driver who leaves at {}",
                  {"7:00", "8:00", "9:00", "10:00", "11:00", "12:00", "13:00", "14:00"}, {}, 1,
                  "{} hour", "{} hours", "{a} leaves earlier than {b}.",
                  "{a} leaves exactly {d} before {b}.")}});
    t.push_back(
        {"The Book Club",
         "",
         {People({"Ada", "Bruno", "Celia", "Dirk", "Edna", "Felix", "Hilde", "Ivo"}),
          Plain(
              "Genres", "the {} reader",
              {"mystery", "romance", "fantasy", "history", "poetry", "travel", "horror", "humour"}),
          Plain("Snacks", "the member who brings {}",
                {"grapes", "cheese", "crackers", "olives", "cake", "popcorn", "nuts", "toffee"}),
          Plain("Spots", "the member who reads {}",
                {"in bed", "on a bench", "in the bath", "on the bus", "in a cafe", "in the garden",
                 "on the train", "in the park"},
                {"Bed", "Bench", "Bath", "Bus", "Cafe", "Garden", "Train", "Park"}),
          Ordered("Pages", "the member whose book has {} pages",
                  {"100", "200", "300", "400", "500", "600", "700", "800"}, {}, 100, "{} page",
                  "{} pages", "{a} reads fewer pages than {b}.",
                  "{b} reads exactly {d} more than {a}.")}});
    t.push_back(
        {"The Garden Club",
         "",
         {People({"Gus", "Hana", "Ian", "Jill", "Kurt", "Lena", "Mara", "Nils"}),
          Plain("Flowers", "the gardener who grows {}",
                {"roses", "tulips", "lilies", "daisies", "orchids", "irises", "poppies", "asters"}),
          Plain("Tools", "the gardener with the {}",
                {"rake", "hoe", "spade", "trowel", "shears", "hose", "fork", "wheelbarrow"}),
          Plain("Streets", "the gardener on {} Street",
                {"Oak", "Elm", "Ash", "Pine", "Birch", "Maple", "Cedar", "Willow"}),
          Ordered("Plots", "the gardener of plot {}", {"1", "2", "3", "4", "5", "6", "7", "8"}, {},
                  1, "{}", "{}", "{a} has a lower plot number than {b}.",
                  "{b} has a plot number exactly {d} higher than {a}.")}});
    t.push_back(
        {"The Music School",
         "",
         {People({"Mia", "Ned", "Olga", "Paul", "Rosa", "Sam", "Tara", "Uri"}),
          Plain("Instruments", "the {} player",
                {"piano", "violin", "flute", "drum", "guitar", "cello", "trumpet", "harp"}),
          Plain("Teachers", "the student of {}",
                {"Mr Gray", "Ms Hill", "Mr Vance", "Ms Wood", "Mr Young", "Ms Zane", "Mr Abel",
                 "Ms Bell"}),
          Plain("Cases", "the student with the {} case",
                {"black", "brown", "red", "blue", "silver", "tan", "green", "white"}),
          Ordered("Days", "the student who has lessons on {}",
                  {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
                  {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}, 1, "{} day", "{} days",
                  "{a} has lessons earlier in the week than {b}.",
                  "{b} has lessons exactly {d} after {a}.")}});
    t.push_back(
        {"The Space Station",
         "",
         {People({"Ava", "Boris", "Chen", "Dana", "Emre", "Freya", "Gael", "Hiro"}),
          Plain("Modules", "the astronaut who works in the {}",
                {"lab", "gym", "galley", "dock", "greenhouse", "dome", "airlock", "bridge"}),
          Plain("Home towns", "the astronaut from {}",
                {"Houston", "Kazan", "Lyon", "Osaka", "Perth", "Quito", "Recife", "Tromso"}),
          Plain("Experiments", "the astronaut who studies {}",
                {"plants", "crystals", "bones", "flames", "sleep", "fluids", "magnets", "yeast"}),
          Ordered("Days aboard", "the astronaut who has been aboard for {} days",
                  {"10", "20", "30", "40", "50", "60", "70", "80"}, {}, 10, "{} day", "{} days",
                  "{a} has been aboard for fewer days than {b}.",
                  "{b} has been aboard exactly {d} longer than {a}.")}});
    t.push_back(
        {"The Chess Club",
         "",
         {People({"Anya", "Bart", "Cora", "Drew", "Elsa", "Fritz", "Greg", "Hedy"}),
          Plain("Openings", "the player who opens with the {}",
                {"Gambit", "Sicilian", "French", "Dutch", "English", "Italian", "Slav", "Catalan"}),
          Plain("Pieces", "the player whose best-loved piece is the {}",
                {"king", "queen", "rook", "bishop", "knight", "pawn"}),
          Plain("Drinks", "the player who drinks {}",
                {"tea", "coffee", "cola", "lemonade", "water", "milk", "juice", "cocoa"}),
          Ordered("Ratings", "the player rated {}",
                  {"1200", "1300", "1400", "1500", "1600", "1700", "1800", "1900"}, {}, 100,
                  "{} point", "{} points", "{a} has a lower rating than {b}.",
                  "{b} is rated exactly {d} higher than {a}.")}});
    t.push_back(
        {"The Camping Trip",
         "",
         {People({"Ann", "Carlos", "Dee", "Eric", "Gwen", "Hank", "Ines", "Jon"}),
          Plain("Tents", "the camper in the {} tent",
                {"red", "green", "blue", "yellow", "orange", "brown", "white", "grey"}),
          Plain("Activities", "the camper who goes {}",
                {"fishing", "hiking", "canoeing", "climbing", "swimming", "birding", "kayaking",
                 "running"}),
          Plain("Suppers", "the camper who cooks {}",
                {"chili", "stew", "trout", "noodles", "pancakes", "soup", "pasta", "beans"}),
          Ordered("Wakes at", "the camper who wakes at {}",
                  {"5:00", "6:00", "7:00", "8:00", "9:00", "10:00", "11:00", "12:00"}, {}, 1,
                  "{} hour", "{} hours", "{a} wakes earlier than {b}.",
                  "{a} wakes exactly {d} before {b}.")}});
    t.push_back(
        {"The Art Fair",
         "",
         {People({"Bianca", "Cyril", "Daisy", "Ezra", "Gemma", "Hector", "Ivan", "Jade"}),
          Plain("Media", "the artist who works in {}",
                {"oil", "watercolour", "charcoal", "pastel", "ink", "acrylic", "clay", "chalk"}),
          Plain("Subjects", "the artist who paints {}",
                {"horses", "boats", "flowers", "cities", "faces", "mountains", "birds", "trees"}),
          Plain("Rows", "the artist in row {}", {"A", "B", "C", "D", "E", "F", "G", "H"},
                {"Row A", "Row B", "Row C", "Row D", "Row E", "Row F", "Row G", "Row H"}),
          Ordered("Prices", "the artist who asks ${}",
                  {"100", "200", "300", "400", "500", "600", "700", "800"},
                  {"$100", "$200", "$300", "$400", "$500", "$600", "$700", "$800"}, 100, "${}",
                  "${}", "{a} asks less than {b}.", "{b} asks exactly {d} more than {a}.")}});
    // Each theme's fifth category after the people: in play in puzzles of six
    // categories, and in place of a category with too few items for a shape.
    const CategoryDef extra[] = {
        Plain("Dogs", "the farmer whose dog is called {}",
              {"Bolt", "Duke", "Rusty", "Shep", "Tess", "Nell", "Pip", "Skip"}),
        Plain("Aprons", "the baker in the {} apron",
              {"striped", "spotted", "checked", "plain", "floral", "denim", "lace", "tartan"}),
        Plain("Bibs", "the runner wearing bib {}", {"7", "12", "21", "33", "40", "58", "64", "99"},
              {"Bib 7", "Bib 12", "Bib 21", "Bib 33", "Bib 40", "Bib 58", "Bib 64", "Bib 99"}),
        Plain("Treats", "the owner whose pet loves {}",
              {"carrots", "biscuits", "seeds", "apples", "cheese", "chicken", "peanuts", "fish"}),
        Plain(
            "Snacks", "the driver who packs {}",
            {"crisps", "apples", "sandwiches", "nuts", "sweets", "cookies", "carrots", "pretzels"}),
        Plain("Drinks", "the member who drinks {}",
              {"tea", "coffee", "cocoa", "juice", "milk", "water", "cider", "lemonade"}),
        Plain("Birds", "the gardener whose feeder draws {}",
              {"robins", "wrens", "finches", "sparrows", "tits", "thrushes", "doves", "jays"}),
        Plain("Pieces", "the student practising the {}",
              {"waltz", "march", "sonata", "etude", "nocturne", "minuet", "fugue", "prelude"}),
        Plain("Mascots", "the astronaut with the {} mascot",
              {"bear", "fox", "owl", "whale", "tiger", "robot", "rocket", "comet"}),
        Plain("Snacks", "the player who nibbles {}",
              {"nuts", "grapes", "crisps", "toffee", "biscuits", "cheese", "olives", "pretzels"}),
        Plain("Boots", "the camper in {} boots",
              {"brown", "black", "green", "red", "blue", "grey", "tan", "white"}),
        Plain("Frames", "the artist who uses {} frames",
              {"gold", "black", "oak", "silver", "white", "walnut", "pine", "steel"}),
    };
    for (size_t i = 0; i < t.size() && i < std::size(extra); ++i)
        t[i].cats.push_back(extra[i]);
    // Each theme's comparisons told from the other side: "b is later than a",
    // "a is exactly d earlier than b".
    const std::pair<const char*, const char*> otherSide[] = {
        {"{b} has more acres than {a}.", "{a} has exactly {d} fewer than {b}."},
        {"{b} charges more than {a}.", "{a} charges exactly {d} less than {b}."},
        {"{b} finishes behind {a}.", "{b} finishes exactly {d} behind {a}."},
        {"{b} is older than {a}.", "{a} is exactly {d} younger than {b}."},
        {"{b} leaves later than {a}.", "{b} leaves exactly {d} after {a}."},
        {"{b} reads more pages than {a}.", "{a} reads exactly {d} fewer than {b}."},
        {"{b} has a higher plot number than {a}.",
         "{a} has a plot number exactly {d} lower than {b}."},
        {"{b} has lessons later in the week than {a}.", "{a} has lessons exactly {d} before {b}."},
        {"{b} has been aboard for more days than {a}.",
         "{a} has been aboard exactly {d} less than {b}."},
        {"{b} has a higher rating than {a}.", "{a} is rated exactly {d} lower than {b}."},
        {"{b} wakes later than {a}.", "{b} wakes exactly {d} after {a}."},
        {"{b} asks more than {a}.", "{a} asks exactly {d} less than {b}."},
    };
    for (size_t i = 0; i < t.size() && i < std::size(otherSide); ++i)
        for (CategoryDef& c : t[i].cats)
            if (c.ordered) {
                c.after = otherSide[i].first;
                c.apartBack = otherSide[i].second;
            }
    // Each theme's setting and, per category after the people, what every
    // person has of it; the introduction names only the categories in play.
    const std::vector<std::pair<std::string, std::vector<std::string>>> told = {
        {"{n} farmers meet at the county fair.",
         {"keeps one kind of animal", "grows one crop", "drives a tractor of one colour",
          "works a farm of a different size", "has a dog with its own name"}},
        {"{n} bakers run the school bake sale.",
         {"bakes one treat", "works at a stall of one colour", "drinks one thing all day",
          "sells at a different price", "wears an apron of one pattern"}},
        {"{n} runners finish the city marathon.",
         {"comes from one country", "wears shoes of one colour", "eats one snack on the way",
          "finishes in a different place", "wears one bib number"}},
        {"{n} children bring their pets to the pet show.",
         {"brings one kind of pet", "wins a ribbon of one colour", "has a pet with its own name",
          "is a different age", "has a pet that loves one treat"}},
        {"{n} friends set off on road trips on the same morning.",
         {"drives to one city", "drives one kind of car", "takes one kind of music along",
          "leaves at a different time", "packs one snack for the road"}},
        {"{n} members of the book club each read a book this month.",
         {"reads one kind of book", "brings one snack to the meeting",
          "reads in one favourite spot", "reads a book of a different length",
          "drinks one thing while reading"}},
        {"{n} gardeners show their plots at the garden club.",
         {"grows one flower", "swears by one tool", "lives on one street",
          "has a plot with a different number", "feeds one kind of bird"}},
        {"{n} students take lessons at the music school.",
         {"plays one instrument", "has one teacher", "carries a music case of one colour",
          "has lessons on a different day", "practises one piece"}},
        {"{n} astronauts live on the space station.",
         {"works in one module", "comes from one home town", "runs one experiment",
          "has been aboard for a different number of days", "keeps one mascot"}},
        {"{n} players meet on club night.",
         {"favours one opening", "likes one piece best", "drinks one thing at the board",
          "has a different rating", "nibbles one snack"}},
        {"{n} friends go camping by the lake.",
         {"sleeps in a tent of one colour", "spends the day on one activity", "cooks one supper",
          "wakes at a different time", "wears boots of one colour"}},
        {"{n} artists show their work at the art fair.",
         {"works in one medium", "paints one subject", "has a booth in one row",
          "asks a different price", "uses one kind of frame"}},
    };
    for (size_t i = 0; i < t.size() && i < told.size(); ++i) {
        t[i].intro = told[i].first;
        t[i].clauses = told[i].second;
    }
    return t;
}

} // namespace

const std::vector<ThemeDef>& Themes() {
    static const std::vector<ThemeDef> themes = MakeThemes();
    return themes;
}

std::string NumberWord(int n) {
    static const char* words[] = {"Zero", "One", "Two",   "Three", "Four",
                                  "Five", "Six", "Seven", "Eight", "Nine"};
    return n >= 0 && n <= 9 ? words[n] : std::to_string(n);
}

std::string Fill(std::string text, const std::string& key, const std::string& value) {
    const std::string token = "{" + key + "}";
    for (size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}

std::string Capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace puzzlegen
