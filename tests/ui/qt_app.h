#pragma once

#include <QApplication>

namespace quillor::testing {

// The one application object every widget test needs, made on first use.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "quillor-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace quillor::testing
