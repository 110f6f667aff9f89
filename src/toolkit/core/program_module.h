#pragma once

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

#include <memory>

namespace twindle {

// A new object of a module's making. Parts of the program that pull in a large library (the
// sound system, Qt's Wayland client) live in modules of their own, loaded when first needed,
// so that start-up never pays for loading and linking them. A module is looked for in
// lib/twindle beside the program's bin directory, both where the program is installed and where
// it is built; its entry point is a function taking nothing and returning a new Made that the
// caller owns. Nothing when the module or its entry point is missing, or before the application
// exists. A module stays loaded for the rest of the run: what it made may live until the end.
template <typename Made>
std::unique_ptr<Made> makeInModule(const QString& module, const char* entry)
{
    if (QCoreApplication::instance() == nullptr)
        return nullptr;
    QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/twindle/") + module);
    using Create = Made* (*)();
    const auto create = reinterpret_cast<Create>(library.resolve(entry));
    if (create == nullptr)
        return nullptr;
    return std::unique_ptr<Made>(create());
}

} // namespace twindle
