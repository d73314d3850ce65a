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
    t.push_back(
        {"The Book Fair",
         "",
         {People({"Abe", "Bonnie", "Cedric", "Delia", "Enzo", "Frida", "Gideon", "Harriet"}),
          Plain("Specialties", "the seller who specialises in {}",
                {"atlases", "cookbooks", "comics", "poetry", "plays", "novels", "biographies",
                 "travel guides"}),
          Plain("Halls", "the seller in the {} hall",
                {"east", "west", "north", "south", "main", "upper", "lower", "side"}),
          Plain("Towns", "the seller from {}",
                {"York", "Bath", "Leeds", "Derby", "Ely", "Hull", "Wells", "Truro"}),
          Ordered("Books sold", "the seller who sells {} books",
                  {"15", "30", "45", "60", "75", "90", "105", "120"}, {}, 15, "{} book", "{} books",
                  "{a} sells fewer books than {b}.", "{b} sells exactly {d} more than {a}.")}});
    t.push_back(
        {"The Regatta",
         "",
         {People({"Ahmed", "Brenda", "Colin", "Daphne", "Edgar", "Fiona", "Gareth", "Helga"}),
          Plain("Boats", "the skipper of the {}",
                {"Albatross", "Seagull", "Osprey", "Petrel", "Heron", "Kestrel", "Puffin", "Tern"}),
          Plain("Sail colours", "the skipper with {} sails",
                {"white", "red", "blue", "yellow", "green", "black", "orange", "striped"}),
          Plain("Home ports", "the skipper from {}",
                {"Cowes", "Falmouth", "Oban", "Whitby", "Dover", "Poole", "Brixham", "Tenby"}),
          Ordered("Finish times", "the skipper who finishes at {}",
                  {"1:10", "1:20", "1:30", "1:40", "1:50", "2:00", "2:10", "2:20"}, {}, 10,
                  "{} minute", "{} minutes", "{a} finishes earlier than {b}.",
                  "{a} finishes exactly {d} before {b}.")}});
    t.push_back(
        {"The Cooking Contest",
         "",
         {People({"Alma", "Basil", "Clara", "Desmond", "Elena", "Frank", "Gloria", "Henri"}),
          Plain("Dishes", "the cook who makes {}",
                {"risotto", "curry", "paella", "goulash", "lasagne", "ramen", "tagine", "chowder"}),
          Plain("Spices", "the cook who swears by {}",
                {"saffron", "cumin", "paprika", "ginger", "nutmeg", "cinnamon", "turmeric",
                 "fennel"}),
          Plain(
              "Desserts", "the cook who serves {}",
              {"sorbet", "trifle", "flan", "mousse", "baklava", "pavlova", "tiramisu", "crumble"}),
          Ordered("Scores", "the cook who scores {}", {"3", "4", "5", "6", "7", "8", "9", "10"}, {},
                  1, "{} point", "{} points", "{a} scores lower than {b}.",
                  "{b} scores exactly {d} more than {a}.")}});
    t.push_back(
        {"The Train Journey",
         "",
         {People({"Alfie", "Bridget", "Conrad", "Doris", "Ewan", "Flo", "Gordon", "Heidi"}),
          Plain("Destinations", "the traveller bound for {}",
                {"Glasgow", "Cardiff", "Bristol", "Exeter", "Chester", "Carlisle", "Norwich",
                 "Durham"}),
          Plain("Hats", "the traveller in the {}",
                {"beret", "bowler", "cap", "fedora", "beanie", "panama", "trilby", "bonnet"}),
          Plain("Tickets", "the traveller with a {} ticket",
                {"single", "return", "season", "day", "rover", "weekly", "monthly", "group"}),
          Ordered("Train times", "the traveller on the {} train",
                  {"6:15", "6:45", "7:15", "7:45", "8:15", "8:45", "9:15", "9:45"}, {}, 30,
                  "{} minute", "{} minutes", "{a} leaves earlier than {b}.",
                  "{a} leaves exactly {d} before {b}.")}});
    t.push_back(
        {"The Quiz Night",
         "",
         {People({"Agnes", "Barney", "Cecil", "Dolly", "Ernest", "Fern", "Godfrey", "Hattie"}),
          Plain("Teams", "the member of the {}",
                {"Owls", "Foxes", "Badgers", "Otters", "Ravens", "Hares", "Stoats", "Moles"}),
          Plain("Topics", "the {} expert",
                {"history", "science", "sport", "music", "film", "geography", "food", "art"}),
          Plain("Buzzers", "the player whose buzzer {}",
                {"honks", "beeps", "quacks", "rings", "whistles", "moos", "chimes", "buzzes"},
                {"Honk", "Beep", "Quack", "Ring", "Whistle", "Moo", "Chime", "Buzz"}),
          Ordered("Points", "the player with {} points",
                  {"5", "10", "15", "20", "25", "30", "35", "40"}, {}, 5, "{} point", "{} points",
                  "{a} has fewer points than {b}.", "{b} has exactly {d} more than {a}.")}});
    t.push_back(
        {"The Talent Show",
         "",
         {People({"Arlo", "Briony", "Calvin", "Della", "Eamon", "Freda", "Gino", "Holly"}),
          Plain("Acts", "the {}",
                {"singer", "juggler", "dancer", "magician", "comedian", "mime", "ventriloquist",
                 "acrobat"}),
          Plain("Costumes", "the performer in {}",
                {"sequins", "a top hat", "a cape", "a tutu", "overalls", "a kilt", "a tuxedo",
                 "a ballgown"},
                {"Sequins", "Top hat", "Cape", "Tutu", "Overalls", "Kilt", "Tuxedo", "Ballgown"}),
          Plain("Props", "the performer with the {}",
                {"ladder", "umbrella", "hoop", "chair", "ball", "rope", "cane", "trunk"}),
          Ordered("Stage times", "the performer on stage at {}",
                  {"7:00", "7:15", "7:30", "7:45", "8:00", "8:15", "8:30", "8:45"}, {}, 15,
                  "{} minute", "{} minutes", "{a} is on stage earlier than {b}.",
                  "{a} is on stage exactly {d} before {b}.")}});
    t.push_back(
        {"The Ski Resort",
         "",
         {People({"Axel", "Britt", "Carla", "Dieter", "Elin", "Franz", "Gunnar", "Heike"}),
          Plain("Runs", "the skier who loves the {} run",
                {"Eagle", "Fox", "Chamois", "Lynx", "Marmot", "Ibex", "Bear", "Wolf"}),
          Plain("Jackets", "the skier in the {} jacket",
                {"red", "blue", "yellow", "green", "purple", "orange", "black", "white"}),
          Plain("Lodges", "the skier staying at the {} lodge",
                {"Alpine", "Summit", "Edelweiss", "Glacier", "Sunnyside", "Pinewood", "Birch",
                 "Snowdrop"}),
          Ordered("Ages", "the {}-year-old", {"20", "25", "30", "35", "40", "45", "50", "55"}, {},
                  5, "{} year", "{} years", "{a} is younger than {b}.",
                  "{b} is exactly {d} older than {a}.")}});
    t.push_back(
        {"The Science Fair",
         "",
         {People({"Abby", "Boyd", "Cass", "Dmitri", "Esme", "Fergus", "Gita", "Howard"}),
          Plain("Projects", "the pupil who built the {}",
                {"volcano", "robot", "rocket", "solar oven", "battery", "telescope", "weather vane",
                 "ant farm"}),
          Plain("Classes", "the pupil in class {}",
                {"3A", "3B", "4A", "4B", "5A", "5B", "6A", "6B"},
                {"Class 3A", "Class 3B", "Class 4A", "Class 4B", "Class 5A", "Class 5B", "Class 6A",
                 "Class 6B"}),
          Plain("Mentors", "the pupil whose mentor is {}",
                {"Dr Ash", "Dr Banks", "Dr Cole", "Dr Dunn", "Dr Eade", "Dr Ford", "Dr Gill",
                 "Dr Hart"}),
          Ordered("Scores", "the pupil awarded {} marks",
                  {"55", "60", "65", "70", "75", "80", "85", "90"}, {}, 5, "{} mark", "{} marks",
                  "{a} gets fewer marks than {b}.", "{b} gets exactly {d} more than {a}.")}});
    t.push_back(
        {"The Seaside",
         "",
         {People({"Amber", "Bruce", "Chloe", "Duncan", "Elise", "Fraser", "Georgia", "Harvey"}),
          Plain(
              "Ice creams", "the holidaymaker who buys {} ice cream",
              {"vanilla", "strawberry", "mint", "lemon", "toffee", "coffee", "pistachio", "mango"}),
          Plain("Towels", "the holidaymaker with the {} towel",
                {"striped", "spotted", "pink", "blue", "orange", "green", "yellow", "rainbow"}),
          Plain("Hotels", "the holidaymaker staying at the {} Hotel",
                {"Bay", "Grand", "Pier", "Royal", "Sands", "Beacon", "Marine", "Crown"}),
          Ordered("Nights", "the holidaymaker who stays {} nights",
                  {"2", "3", "4", "5", "6", "7", "8", "9"}, {}, 1, "{} night", "{} nights",
                  "{a} stays fewer nights than {b}.", "{b} stays exactly {d} longer than {a}.")}});
    t.push_back(
        {"The Knitting Circle",
         "",
         {People({"Audrey", "Bernard", "Connie", "Dennis", "Edith", "Frances", "Gilbert", "Hazel"}),
          Plain("Projects", "the knitter making a {}",
                {"scarf", "jumper", "beanie", "blanket", "shawl", "cardigan", "tea cosy",
                 "waistcoat"}),
          Plain("Yarns", "the knitter whose yarn is {}",
                {"wool", "cotton", "alpaca", "mohair", "silk", "bamboo", "cashmere", "linen"}),
          Plain("Colours", "the knitter working in {}",
                {"scarlet", "navy", "mustard", "teal", "lilac", "cream", "charcoal", "olive"}),
          Ordered("Needle sizes", "the knitter on size {} needles",
                  {"2", "3", "4", "5", "6", "7", "8", "9"},
                  {"Size 2", "Size 3", "Size 4", "Size 5", "Size 6", "Size 7", "Size 8", "Size 9"},
                  1, "{} size", "{} sizes", "{a} uses smaller needles than {b}.",
                  "{b} uses needles exactly {d} bigger than {a}.")}});
    t.push_back(
        {"The Film Festival",
         "",
         {People({"Anton", "Beatrix", "Caspar", "Dalia", "Elliot", "Fleur", "Grant", "Helena"}),
          Plain("Films", "the director of the {}",
                {"western", "musical", "thriller", "comedy", "documentary", "cartoon", "drama",
                 "war film"}),
          Plain("Countries", "the director from {}",
                {"Italy", "France", "India", "Korea", "Mexico", "Sweden", "Iran", "Ireland"}),
          Plain("Cinemas", "the director showing at the {}",
                {"Roxy", "Regal", "Plaza", "Rialto", "Lux", "Empire", "Astoria", "Palace"}),
          Ordered("Running times", "the director whose film runs {} minutes",
                  {"80", "90", "100", "110", "120", "130", "140", "150"}, {}, 10, "{} minute",
                  "{} minutes", "{a} has a shorter film than {b}.",
                  "{b} has a film exactly {d} longer than {a}.")}});
    t.push_back(
        {"The Bowling League",
         "",
         {People({"Archie", "Bonita", "Clive", "Dottie", "Elmer", "Frankie", "Gwyn", "Hettie"}),
          Plain("Teams", "the bowler who plays for the {}",
                {"Strikers", "Pinheads", "Rollers", "Alley Cats", "Spares", "Hotshots", "Kingpins",
                 "Lucky Ones"}),
          Plain("Balls", "the bowler with the {} ball",
                {"red", "blue", "black", "purple", "green", "orange", "pink", "silver"}),
          Plain("Lanes", "the bowler on lane {}", {"1", "2", "3", "4", "5", "6", "7", "8"},
                {"Lane 1", "Lane 2", "Lane 3", "Lane 4", "Lane 5", "Lane 6", "Lane 7", "Lane 8"}),
          Ordered("Scores", "the bowler who scores {}",
                  {"120", "130", "140", "150", "160", "170", "180", "190"}, {}, 10, "{} pin",
                  "{} pins", "{a} scores lower than {b}.",
                  "{b} scores exactly {d} more than {a}.")}});
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
        Plain("Bookmarks", "the seller who hands out {} bookmarks",
              {"leather", "paper", "silk", "wooden", "metal", "felt", "card", "lace"}),
        Plain("Caps", "the skipper in the {} cap",
              {"navy", "white", "red", "yellow", "green", "grey", "striped", "checked"}),
        Plain("Pans", "the cook who uses the {} pan",
              {"copper", "cast-iron", "steel", "clay", "enamel", "glass", "nonstick", "aluminium"}),
        Plain(
            "Seats", "the traveller in seat {}", {"4", "9", "15", "22", "31", "38", "47", "56"},
            {"Seat 4", "Seat 9", "Seat 15", "Seat 22", "Seat 31", "Seat 38", "Seat 47", "Seat 56"}),
        Plain("Jumpers", "the player in the {} jumper",
              {"red", "green", "navy", "cream", "yellow", "purple", "grey", "orange"}),
        Plain("Supporters", "the performer cheered on by {}",
              {"an aunt", "a cousin", "a grandma", "a brother", "a sister", "a neighbour",
               "a teacher", "an uncle"},
              {"Aunt", "Cousin", "Grandma", "Brother", "Sister", "Neighbour", "Teacher", "Uncle"}),
        Plain("Goggles", "the skier with {} goggles",
              {"mirrored", "yellow", "pink", "blue", "clear", "green", "orange", "smoky"}),
        Plain("Badges", "the pupil wearing the {} badge",
              {"star", "moon", "atom", "planet", "comet", "magnet", "prism", "gear"}),
        Plain("Pastimes", "the holidaymaker who spends the afternoon {}",
              {"surfing", "snorkelling", "sunbathing", "paddling", "rock pooling", "reading",
               "sailing", "crabbing"}),
        Plain("Teas", "the knitter who drinks {} tea",
              {"mint", "green", "black", "herbal", "fruit", "chai", "lemon", "ginger"}),
        Plain("Popcorn flavours", "the director who eats {} popcorn",
              {"salted", "sweet", "caramel", "cheese", "butter", "chilli", "toffee", "plain"}),
        Plain("Nicknames", "the bowler nicknamed {}",
              {"Ace", "Boomer", "Hook", "Lucky", "Rocket", "Spin", "Thunder", "Ziggy"}),
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
        {"{b} sells more books than {a}.", "{a} sells exactly {d} fewer than {b}."},
        {"{b} finishes later than {a}.", "{b} finishes exactly {d} after {a}."},
        {"{b} scores higher than {a}.", "{a} scores exactly {d} fewer than {b}."},
        {"{b} leaves later than {a}.", "{b} leaves exactly {d} after {a}."},
        {"{b} has more points than {a}.", "{a} has exactly {d} fewer than {b}."},
        {"{b} is on stage later than {a}.", "{b} is on stage exactly {d} after {a}."},
        {"{b} is older than {a}.", "{a} is exactly {d} younger than {b}."},
        {"{b} gets more marks than {a}.", "{a} gets exactly {d} fewer than {b}."},
        {"{b} stays more nights than {a}.", "{a} stays exactly {d} fewer than {b}."},
        {"{b} uses bigger needles than {a}.", "{a} uses needles exactly {d} smaller than {b}."},
        {"{b} has a longer film than {a}.", "{a} has a film exactly {d} shorter than {b}."},
        {"{b} scores higher than {a}.", "{a} scores exactly {d} fewer than {b}."},
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
        {"{n} booksellers run stalls at the book fair.",
         {"specialises in one kind of book", "has a stall in one hall", "comes from one town",
          "sells a different number of books", "hands out one kind of bookmark"}},
        {"{n} skippers race their boats in the harbour regatta.",
         {"sails one boat", "flies sails of one colour", "comes from one home port",
          "finishes at a different time", "wears a cap of one colour"}},
        {"{n} cooks compete in the town cooking contest.",
         {"makes one dish", "swears by one spice", "serves one dessert",
          "gets a different score from the judges", "cooks in one kind of pan"}},
        {"{n} travellers wait on the platform at the railway station.",
         {"travels to one destination", "wears one kind of hat", "holds one kind of ticket",
          "takes a different train", "has one seat number"}},
        {"{n} friends play at the pub quiz night.",
         {"plays for one team", "knows one topic best", "has a buzzer with one sound",
          "ends with a different score", "wears a jumper of one colour"}},
        {"{n} performers take the stage at the village talent show.",
         {"performs one act", "wears one costume", "brings one prop",
          "is on stage at a different time", "is cheered on by one supporter"}},
        {"{n} skiers spend a week at the mountain resort.",
         {"loves one run", "wears a jacket of one colour", "stays at one lodge",
          "is a different age", "has one pair of goggles"}},
        {"{n} pupils show their projects at the school science fair.",
         {"shows one project", "is in one class", "has one mentor", "gets a different score",
          "wears one badge"}},
        {"{n} holidaymakers spend a summer week at the seaside.",
         {"buys one flavour of ice cream", "brings one beach towel", "has a room at one hotel",
          "stays a different number of nights", "spends the afternoons on one pastime"}},
        {"{n} friends meet every week at the knitting circle.",
         {"is making one project", "knits with one yarn", "works in one colour",
          "uses needles of a different size", "drinks one kind of tea"}},
        {"{n} directors show new films at the city film festival.",
         {"directed one kind of film", "comes from one country", "shows at one cinema",
          "has a film of a different length", "eats one flavour of popcorn"}},
        {"{n} bowlers meet on league night at the bowling alley.",
         {"plays for one team", "rolls a ball of one colour", "bowls on one lane",
          "scores a different total", "goes by one nickname"}},
    };
    for (size_t i = 0; i < t.size() && i < told.size(); ++i) {
        t[i].intro = told[i].first;
        t[i].clauses = told[i].second;
    }
    // A second ordered category in a few themes, after the rest: only a board
    // bigger than the shelf's orders two categories, so no shelf game or
    // smaller made game tells it.
    struct Second {
        size_t theme;
        CategoryDef cat;
        const char* after;
        const char* apartBack;
        const char* clause;
    };
    const Second second[] = {
        {0,
         Ordered("Herd sizes", "the farmer with a herd of {}",
                 {"5", "10", "15", "20", "25", "30", "35", "40"}, {}, 5, "{} animal", "{} animals",
                 "{a} has a smaller herd than {b}.", "{b} keeps exactly {d} more than {a}."),
         "{b} has a bigger herd than {a}.", "{a} keeps exactly {d} fewer than {b}.",
         "has a herd of a different size"},
        {1,
         Ordered("Start times", "the baker who starts at {}",
                 {"5:00", "5:30", "6:00", "6:30", "7:00", "7:30", "8:00", "8:30"}, {}, 30,
                 "{} minute", "{} minutes", "{a} starts earlier than {b}.",
                 "{b} starts exactly {d} after {a}."),
         "{b} starts later than {a}.", "{a} starts exactly {d} before {b}.",
         "starts baking at a different time"},
        {2,
         Ordered("Bib numbers", "the runner wearing number {}",
                 {"11", "12", "13", "14", "15", "16", "17", "18"}, {}, 1, "{}", "{}",
                 "{a} wears a lower number than {b}.",
                 "{b} wears a number exactly {d} higher than {a}."),
         "{b} wears a higher number than {a}.", "{a} wears a number exactly {d} lower than {b}.",
         "wears a different number"},
        {4,
         Ordered("Budgets", "the driver with a budget of ${}",
                 {"100", "200", "300", "400", "500", "600", "700", "800"},
                 {"$100", "$200", "$300", "$400", "$500", "$600", "$700", "$800"}, 100, "${}",
                 "${}", "{a} has a smaller budget than {b}.",
                 "{b} has exactly {d} more to spend than {a}."),
         "{b} has a bigger budget than {a}.", "{a} has exactly {d} less to spend than {b}.",
         "has a different budget"},
    };
    for (const Second& more : second)
        if (more.theme < t.size()) {
            CategoryDef c = more.cat;
            c.after = more.after;
            c.apartBack = more.apartBack;
            t[more.theme].cats.push_back(c);
            t[more.theme].clauses.resize(t[more.theme].cats.size() - 2);
            t[more.theme].clauses.push_back(more.clause);
        }
    // Each theme's second telling, for the shelf's second game in it: the
    // same people and categories under a title and setting of their own.
    const std::pair<const char*, const char*> again[] = {
        {"The Harvest", "{n} farmers bring in the harvest before the autumn rains."},
        {"The Summer Fete", "{n} bakers run cake stalls at the summer fete."},
        {"The Charity Run", "{n} runners take part in the charity run through the park."},
        {"The Pet Parade", "{n} children walk their pets in the spring pet parade."},
        {"The Long Weekend", "{n} friends drive off for a long weekend away."},
        {"The Reading Circle", "{n} members of the reading circle meet at the library."},
        {"The Open Gardens", "{n} gardeners open their allotment plots to visitors for a day."},
        {"The Spring Recital", "{n} students play in the music school's spring recital."},
        {"The Long Mission", "{n} astronauts share the long mission on the station."},
        {"The Chess Tournament", "{n} players enter the weekend chess tournament."},
        {"The Scout Camp", "{n} friends help at the scout camp in the woods."},
        {"The Gallery Night", "{n} artists take booths at the gallery's open night."},
        {"The Book Market",
         "{n} booksellers take stalls in the exhibition halls for the book market."},
        {"The Harbour Race", "{n} skippers race round the harbour islands."},
        {"The Cook-Off", "{n} cooks meet in the final of the charity cook-off."},
        {"The Morning Train", "{n} travellers catch early trains from the city station."},
        {"The Quiz Final", "{n} friends reach the final of the pub quiz league."},
        {"The Christmas Show", "{n} performers appear in the village hall's Christmas show."},
        {"The Snow Week", "{n} skiers share a week of fresh snow in the mountains."},
        {"The Science Prize", "{n} pupils compete for the county science prize."},
        {"The Beach Holiday", "{n} holidaymakers take short breaks by the beach."},
        {"The Craft Fair", "{n} knitters show their work at the craft fair."},
        {"The Closing Night", "{n} directors screen their films on the festival's last night."},
        {"The Bowling Final", "{n} bowlers play in the league's final night."},
    };
    for (size_t i = 0; i < t.size() && i < std::size(again); ++i) {
        t[i].againTitle = again[i].first;
        t[i].againIntro = again[i].second;
    }
    return t;
}

} // namespace

const std::vector<ThemeDef>& Themes() {
    static const std::vector<ThemeDef> themes = MakeThemes();
    return themes;
}

const ThemeDef& ShelfTheme(int theme, int telling) {
    static const std::vector<ThemeDef> retold = [] {
        std::vector<ThemeDef> r = Themes();
        for (ThemeDef& t : r)
            if (!t.againTitle.empty()) {
                t.title = t.againTitle;
                t.intro = t.againIntro;
            }
        return r;
    }();
    return (telling > 0 ? retold : Themes())[static_cast<size_t>(theme)];
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
