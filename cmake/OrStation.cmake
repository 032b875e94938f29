# Shared build settings: warnings and the precompiled Qt headers every target uses.

add_library(orstation_pch INTERFACE)

function(orstation_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  target_precompile_headers(${target} REUSE_FROM orstation_pch_host)
endfunction()

# One small object library owns the precompiled header; every other target reuses it.
add_library(orstation_pch_host OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch_host.cpp)
target_link_libraries(orstation_pch_host PUBLIC Qt6::Core Qt6::Sql Qt6::Gui Qt6::Widgets)
target_precompile_headers(orstation_pch_host PRIVATE
  <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDateTime>
  <QtCore/QHash> <QtCore/QList> <QtCore/QObject> <QtSql/QSqlDatabase> <QtSql/QSqlQuery>
  <QtWidgets/QWidget> <memory> <vector> <string> <functional> <optional> <stdexcept>)
