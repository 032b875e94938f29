# Shared build settings: warnings and the precompiled Qt headers every target uses.

function(orstation_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  target_precompile_headers(${target} REUSE_FROM orstation_pch_host)
endfunction()

# One small object library owns the precompiled header; every other target
# reuses it, so its compile definitions must be those every target has: the
# Core and Sql modules only.
add_library(orstation_pch_host OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch_host.cpp)
target_link_libraries(orstation_pch_host PUBLIC Qt6::Core Qt6::Sql)
target_precompile_headers(orstation_pch_host PRIVATE
  <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDateTime>
  <QtCore/QHash> <QtCore/QList> <QtCore/QObject> <QtSql/QSqlDatabase> <QtSql/QSqlQuery>
  <memory> <vector> <string> <functional> <optional> <stdexcept>)

# Windows and their tests share a second precompiled header with the widget modules.
function(orstation_gui_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  target_precompile_headers(${target} REUSE_FROM orstation_pch_gui_host)
endfunction()

add_library(orstation_pch_gui_host OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch_host.cpp)
target_link_libraries(orstation_pch_gui_host PUBLIC Qt6::Core Qt6::Sql Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
target_precompile_headers(orstation_pch_gui_host PRIVATE
  <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDateTime>
  <QtCore/QHash> <QtCore/QList> <QtCore/QObject> <QtWidgets/QWidget> <QtWidgets/QDialog>
  <QtWidgets/QLabel> <QtWidgets/QLineEdit> <QtWidgets/QPushButton> <QtWidgets/QMainWindow>
  <memory> <vector> <functional>)
