# `cmake --install` lays out a folder an author can ship as it is: the program with its settings
# file, the demo manuscripts and help, the Qt libraries and plugins it needs in lib/ and plugins/
# (found through a relative run path and qt.conf), and Qt's translations. CPack packs it as a
# .tar.gz (scripts/package).
include(GNUInstallDirs)

# DT_RPATH, unlike DT_RUNPATH, also serves the libraries the bundled ones load, and plugins.
set_target_properties(folionix PROPERTIES INSTALL_RPATH "$ORIGIN/lib" BUILD_WITH_INSTALL_RPATH OFF)
target_link_options(folionix PRIVATE "LINKER:--disable-new-dtags")

install(TARGETS folionix RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/demo/folionix.INI ${CMAKE_SOURCE_DIR}/demo/KeepersDaughter.pdf
              ${CMAKE_SOURCE_DIR}/demo/FogBell.rtf ${CMAKE_SOURCE_DIR}/demo/LastLight.txt
              ${CMAKE_SOURCE_DIR}/demo/FolionixHelp.rtf
              ${CMAKE_SOURCE_DIR}/resources/folionix.desktop ${CMAKE_SOURCE_DIR}/resources/folionix.png
        DESTINATION .)
install(CODE "file(WRITE \"\${CMAKE_INSTALL_PREFIX}/qt.conf\" \"[Paths]\\nPrefix=.\\nLibraries=lib\\nPlugins=plugins\\nTranslations=translations\\n\")")

get_target_property(FOLIONIX_QT_CORE Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT FOLIONIX_QT_CORE)
    get_target_property(FOLIONIX_QT_CORE Qt6::Core LOCATION)
endif()
set(qt_plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
set(FOLIONIX_PLUGINS
    platforms/libqxcb.so platforms/libqoffscreen.so
    platforminputcontexts/libcomposeplatforminputcontextplugin.so)
foreach(plugin IN LISTS FOLIONIX_PLUGINS)
    if(EXISTS "${qt_plugins}/${plugin}")
        get_filename_component(folder ${plugin} DIRECTORY)
        install(FILES "${qt_plugins}/${plugin}" DESTINATION plugins/${folder})
        list(APPEND FOLIONIX_PLUGIN_FILES "${qt_plugins}/${plugin}")
    endif()
endforeach()
file(GLOB FOLIONIX_QT_TRANSLATIONS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_*.qm")
install(FILES ${FOLIONIX_QT_TRANSLATIONS} DESTINATION translations)

# Every shared library the program and its plugins load, but the C and C++ runtimes that every
# Linux system has.
install(CODE "
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"$<TARGET_FILE:folionix>\"
        MODULES ${FOLIONIX_PLUGIN_FILES}
        RESOLVED_DEPENDENCIES_VAR libraries
        UNRESOLVED_DEPENDENCIES_VAR unresolved
        PRE_EXCLUDE_REGEXES \"^ld-linux\" \"^linux-vdso\" \"^libc\\\\.so\" \"^libm\\\\.so\" \"^libpthread\\\\.so\"
                            \"^libdl\\\\.so\" \"^librt\\\\.so\" \"^libstdc\\\\+\\\\+\\\\.so\" \"^libgcc_s\\\\.so\")
    if(unresolved)
        message(WARNING \"unresolved libraries: \${unresolved}\")
    endif()
    foreach(library IN LISTS libraries)
        file(INSTALL \"\${library}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/lib\" FOLLOW_SYMLINK_CHAIN)
    endforeach()
")

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME folionix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "folionix-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
