# Install rules (FHS layout under the prefix), the copy of the installed
# resources inside the build tree, and the Debian package (cpack -G DEB).
#
# The program finds its resources at <folder of the executable>/../share/vorel,
# so bin and share must stay siblings: the build tree mirrors that with
# <build>/share/vorel beside <build>/src and <build>/tests.
include(GNUInstallDirs)

set(VOREL_DESKTOP_ID org.vorel.Vorel)
set(VOREL_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/vorel)
set(VOREL_RELEASE_DATE "2026-12-09" CACHE STRING "Date of this version, for the AppStream file")

# Resources in the build tree: links into the source tree, so that an edited
# help page or example is seen without building again.
set(VOREL_BUILD_DATA ${PROJECT_BINARY_DIR}/share/vorel)
file(MAKE_DIRECTORY ${VOREL_BUILD_DATA})
foreach(folder examples help designs)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${folder} AND NOT EXISTS ${VOREL_BUILD_DATA}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${VOREL_BUILD_DATA}/${folder} SYMBOLIC)
    endif()
endforeach()

install(TARGETS vorel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${VOREL_DATA_DESTINATION}/examples)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/designs/ DESTINATION ${VOREL_DATA_DESTINATION}/designs)
if(EXISTS ${PROJECT_SOURCE_DIR}/help)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${VOREL_DATA_DESTINATION}/help)
endif()

# Translations of the program's own texts, where there are any
# (translations/vorel_<lang>.ts, built with Qt's lrelease).
file(GLOB VOREL_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
if(VOREL_GUI AND VOREL_TS_FILES)
    find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
    set_source_files_properties(${VOREL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${VOREL_BUILD_DATA}/translations)
    qt_add_lrelease(vorel TS_FILES ${VOREL_TS_FILES} QM_FILES_OUTPUT_VARIABLE VOREL_QM_FILES)
    install(FILES ${VOREL_QM_FILES} DESTINATION ${VOREL_DATA_DESTINATION}/translations)
endif()

if(TARGET vorel)
    install(TARGETS vorel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
    install(FILES ${desktop}/${VOREL_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    configure_file(${desktop}/${VOREL_DESKTOP_ID}.metainfo.xml.in
                   ${PROJECT_BINARY_DIR}/${VOREL_DESKTOP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${VOREL_DESKTOP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${desktop}/${VOREL_DESKTOP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME ${VOREL_DESKTOP_ID}.xml)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${VOREL_DESKTOP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Manual pages and the package documentation, compressed without a time
# stamp as Debian wants them (two builds give the same bytes).
set(VOREL_DOC_DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorel)
set(VOREL_GZIPPED)
function(vorel_install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    set(gz ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
        COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${source} ${gz}
        DEPENDS ${source} VERBATIM)
    install(FILES ${gz} DESTINATION ${destination})
    set(VOREL_GZIPPED ${VOREL_GZIPPED} ${gz} PARENT_SCOPE)
endfunction()
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
vorel_install_gzipped(${packaging}/man/vorel-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET vorel)
    vorel_install_gzipped(${packaging}/man/vorel.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
vorel_install_gzipped(${packaging}/debian/changelog ${VOREL_DOC_DESTINATION})
add_custom_target(vorel_packaging_docs ALL DEPENDS ${VOREL_GZIPPED})
install(FILES ${packaging}/debian/copyright DESTINATION ${VOREL_DOC_DESTINATION})

include(${PROJECT_SOURCE_DIR}/cmake/VorelPackage.cmake)
