#include "board/qt/BoardOptions.h"

#include <QSettings>

namespace board {

namespace {
constexpr const char* kMarkRestFalse = "Board/MarkRestFalse";
constexpr const char* kShowSymbols = "Board/ShowSymbols";

} // namespace

BoardOptions ReadBoardOptions() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Deduxa", "Deduxa");
    BoardOptions options;
    options.markRestFalse = store.value(kMarkRestFalse, false).toBool();
    options.showSymbols = store.value(kShowSymbols, false).toBool();
    return options;
}

void WriteBoardOptions(const BoardOptions& options) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Deduxa", "Deduxa");
    store.setValue(kMarkRestFalse, options.markRestFalse);
    store.setValue(kShowSymbols, options.showSymbols);
}

} // namespace board
