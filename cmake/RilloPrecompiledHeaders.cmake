# Precompiled headers: most of a Qt or GoogleTest translation unit's compile
# time is spent parsing the same framework headers, so each target parses
# them once. The lists hold only headers that nearly every file of the target
# includes anyway, so a change to the project's own headers never rebuilds a
# header set.
set(RILLO_QT_PCH_HEADERS
    <QApplication> <QString> <QStringList> <QWidget> <QDialog> <QLabel> <QLineEdit>
    <QPushButton> <QGroupBox> <QVBoxLayout> <QHBoxLayout> <QGridLayout> <QFile> <QDir>
    <QTimer> <QImage> <QPainter> <QEvent> <QKeyEvent> <QMainWindow> <QMdiSubWindow>
    <QAction> <QPrinter> <QScreen> <QRegularExpression>
    <string> <vector> <functional> <memory> <optional>)
set(RILLO_TEST_PCH_HEADERS <gtest/gtest.h> <gmock/gmock.h>)

option(RILLO_PRECOMPILED_HEADERS "Precompile the framework headers of the Qt and test targets" ON)

function(rillo_precompile_qt_headers target)
  if(RILLO_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${RILLO_QT_PCH_HEADERS} ${ARGN})
  endif()
endfunction()

function(rillo_precompile_test_headers target)
  if(RILLO_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${RILLO_TEST_PCH_HEADERS} ${ARGN})
  endif()
endfunction()
