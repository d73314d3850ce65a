#include "madegames/GameCode.h"

#include "puzzlegen/Generator.h"
#include "puzzlegen/Story.h"
#include "puzzlegen/Themes.h"

namespace madegames {

namespace {

constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kBase = 32;
constexpr int kPayload = kCodeLength - 1;

// The value of a typed character, or -1.
int ValueOf(char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c == 'O')
        c = '0';
    if (c == 'I' || c == 'L')
        c = '1';
    for (int v = 0; v < kBase; ++v)
        if (kAlphabet[v] == c)
            return v;
    return -1;
}

// Luhn mod 32 over the payload values: the value that makes the sum whole.
int CheckValue(const int* values, int count) {
    int sum = 0;
    int factor = 2;
    for (int i = count - 1; i >= 0; --i) {
        int addend = factor * values[i];
        addend = addend / kBase + addend % kBase;
        sum += addend;
        factor = factor == 2 ? 1 : 2;
    }
    return (kBase - sum % kBase) % kBase;
}

} // namespace

std::string EncodeGameCode(const GameRecipe& recipe) {
    // Seed in the high bits, so that the code starts with what varies most.
    uint64_t bits = recipe.seed & kSeedMask;
    bits = bits << 5 | static_cast<uint64_t>((recipe.theme + 1) & 31);
    bits = bits << 2 | static_cast<uint64_t>((recipe.grade - 1) & 3);
    bits = bits << 4 | static_cast<uint64_t>((recipe.items - 2) & 15);
    bits = bits << 4 | static_cast<uint64_t>((recipe.cats - 2) & 15);
    int values[kPayload];
    for (int i = kPayload - 1; i >= 0; --i) {
        values[i] = static_cast<int>(bits % kBase);
        bits /= kBase;
    }
    std::string code;
    for (int i = 0; i < kPayload; ++i) {
        if (i == 5)
            code += '-';
        code += kAlphabet[values[i]];
    }
    code += kAlphabet[CheckValue(values, kPayload)];
    return code;
}

bool DecodeGameCode(const std::string& typed, GameRecipe& recipe, std::string& fault) {
    int values[kCodeLength];
    int count = 0;
    for (char c : typed) {
        if (c == ' ' || c == '-' || c == '\t')
            continue;
        const int v = ValueOf(c);
        if (v < 0) {
            const bool printable =
                static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f;
            fault = printable ? std::string("A game code has no \"") + c +
                                    "\": it is made of the digits and the letters A to Z "
                                    "without I, L, O and U."
                              : std::string("A game code is made of the digits and the letters "
                                            "A to Z without I, L, O and U.");
            return false;
        }
        if (count == kCodeLength) {
            ++count;
            break;
        }
        values[count++] = v;
    }
    if (count != kCodeLength) {
        fault = "A game code has " + std::to_string(kCodeLength) +
                " letters and digits, such as K7QX2-M4RT9.";
        if (count > 0 && count < kCodeLength)
            fault += " This one has " + std::to_string(count) + ".";
        return false;
    }
    if (CheckValue(values, kPayload) != values[kPayload]) {
        fault = "This game code has a typing error. Check it and type it again.";
        return false;
    }
    uint64_t bits = 0;
    for (int i = 0; i < kPayload; ++i)
        bits = bits * kBase + static_cast<uint64_t>(values[i]);
    GameRecipe r;
    r.cats = static_cast<int>(bits & 15) + 2;
    r.items = static_cast<int>(bits >> 4 & 15) + 2;
    r.grade = static_cast<int>(bits >> 8 & 3) + 1;
    r.theme = static_cast<int>(bits >> 10 & 31) - 1;
    r.seed = static_cast<uint32_t>(bits >> 15 & kSeedMask);
    if (const std::string problem = RecipeProblem(r); !problem.empty()) {
        fault = "This game code is for a game this version cannot make: " + problem;
        return false;
    }
    recipe = r;
    return true;
}

std::string RecipeProblem(const GameRecipe& recipe) {
    if (recipe.cats < 2 || recipe.cats > reasoning::kMaxCats || recipe.items < 2 ||
        recipe.items > reasoning::kMaxItems)
        return std::to_string(recipe.cats) + " categories of " + std::to_string(recipe.items) +
               " items (the largest is " + std::to_string(reasoning::kMaxCats) + " categories of " +
               std::to_string(reasoning::kMaxItems) + ").";
    if (recipe.grade < 1 || recipe.grade > 4)
        return "no such grade.";
    if (recipe.theme != kAnyTheme &&
        (recipe.theme < 0 || recipe.theme >= static_cast<int>(puzzlegen::Themes().size())))
        return "a theme it does not have.";
    if (recipe.seed > kSeedMask)
        return "a seed out of range.";
    const reasoning::Shape shape = ShapeOf(recipe);
    if (recipe.theme != kAnyTheme)
        return puzzlegen::ThemeProblem(puzzlegen::Themes()[recipe.theme], shape);
    if (puzzlegen::AnyTheme(shape, recipe.seed) < 0)
        return "no theme can tell " + std::to_string(recipe.cats) + " categories of " +
               std::to_string(recipe.items) + " items.";
    return "";
}

reasoning::Shape ShapeOf(const GameRecipe& recipe) {
    const int ordered =
        recipe.grade <= 1 ? -1 : 1 + static_cast<int>(recipe.seed % (recipe.cats - 1));
    return {recipe.cats, recipe.items, ordered};
}

} // namespace madegames
