# Subsystem folders, as in src/. Each one contributes its core sources to
# vorel_core, its widgets/ sources to vorel_widgets and its tests to
# test_<name> (and test_<name>_widgets).
set(VOREL_SUBSYSTEMS text data sentence quiz srs settings app editor print image)

# Core sources of every subsystem except the widget folders and the GUI shell.
function(vorel_core_sources out)
    set(result)
    foreach(sub IN LISTS VOREL_SUBSYSTEMS)
        if(sub STREQUAL "app")
            continue()
        endif()
        file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/*.cpp)
        list(APPEND result ${files})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

function(vorel_widget_sources out)
    set(result)
    foreach(sub IN LISTS VOREL_SUBSYSTEMS)
        file(GLOB files CONFIGURE_DEPENDS
            ${PROJECT_SOURCE_DIR}/src/${sub}/widgets/*.cpp
            ${PROJECT_SOURCE_DIR}/src/${sub}/widgets/*.h)
        list(APPEND result ${files})
    endforeach()
    file(GLOB app CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/*.cpp ${PROJECT_SOURCE_DIR}/src/app/*.h)
    list(FILTER app EXCLUDE REGEX "/main\\.cpp$")
    list(APPEND result ${app})
    set(${out} ${result} PARENT_SCOPE)
endfunction()
