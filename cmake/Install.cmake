# Where `cmake --install` puts the program on a Linux desktop: the programs in
# bin/ (and the drawing half of ombrix-cli in libexec/ombrix/), the data files of the program folder in share/ombrix/ (the program
# looks there beside bin/ and seeds the user's own folder from it), the desktop
# entry and the icon where the desktop finds them.
include(GNUInstallDirs)

foreach(program ombrix ombrix-cli)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()
# The drawing half of ombrix-cli, started by it (it looks in ../libexec/ombrix).
if(TARGET ombrix-cli-views)
    install(TARGETS ombrix-cli-views RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/ombrix)
endif()

get_directory_property(ombrix_data_files DIRECTORY ${CMAKE_SOURCE_DIR}/data
                       DEFINITION OMBRIX_DATA_FILES)
list(TRANSFORM ombrix_data_files PREPEND ${CMAKE_SOURCE_DIR}/data/)
install(FILES ${ombrix_data_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/ombrix)

if(TARGET ombrix)
    install(FILES ${CMAKE_SOURCE_DIR}/data/ombrix.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/data/ombrix.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
