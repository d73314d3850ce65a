#include "platform/qt/Module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QString>
#include <map>
#include <memory>
#include <string>

namespace platform {

namespace {

std::map<std::string, std::unique_ptr<QLibrary>>& Loaded() {
    static std::map<std::string, std::unique_ptr<QLibrary>> loaded;
    return loaded;
}

// One library object per module, kept for the run unless unloaded; null when
// the module could not be loaded (it is not looked for again).
QLibrary* Load(const char* module) {
    auto [it, added] = Loaded().try_emplace(module);
    if (!added)
        return it->second.get();
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& dir : {here.path(), here.absoluteFilePath("..")}) {
        auto library = std::make_unique<QLibrary>(QDir(dir).absoluteFilePath(module));
        if (library->load()) {
            it->second = std::move(library);
            break;
        }
    }
    if (!it->second)
        qWarning("the %s module cannot be loaded", module);
    return it->second.get();
}

} // namespace

QFunctionPointer ModuleFunction(const char* module, const char* function) {
    QLibrary* library = Load(module);
    return library ? library->resolve(function) : nullptr;
}

void UnloadModule(const char* module) {
    auto it = Loaded().find(module);
    if (it == Loaded().end() || !it->second)
        return;
    it->second->unload();
    it->second.reset(); // not looked for again
}

} // namespace platform
