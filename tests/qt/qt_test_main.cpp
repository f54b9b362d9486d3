// GoogleTest main for the Qt tests: a QApplication on the offscreen platform (unless the caller
// chose another), with the program's own style, before any test runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "qt/app_style.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    brevane::qt::applyAppStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
