// Window tests need one QApplication for the whole run (offscreen platform, set by CTest).
#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

// utextm_files_test.cpp: the program that KilledProgramsSheetIsRestored kills.
int killedWithAChangedSheet(const char* folder);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (const char* folder = std::getenv("ZOLT_KILLED_SHEET_DIR"))
        return killedWithAChangedSheet(folder);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
