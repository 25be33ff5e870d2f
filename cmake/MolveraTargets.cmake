# Per-target settings shared by every library, program and test of the tree.

# Warnings and Qt hygiene, hoverlet's rules: one set for the whole tree.
include(${PROJECT_SOURCE_DIR}/hoverlet/cmake/HoverletHygiene.cmake)

function(molvera_target_defaults target)
    hoverlet_hygiene(${target})
endfunction()

# Gives a library of the tree an include root that holds its own folder and nothing else, so
# that its users write <folder/header.h> and reach no other folder's headers by accident. The
# root is a directory of the build tree with a link to the library's source folder in it.
function(molvera_include_root target)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
    cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME folder)
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()

# A QtTest program registered with CTest.
#   molvera_add_test(tst_name SOURCES a.cpp ... LIBRARIES lib ... [LABELS l ...] [X11] [TIMEOUT s]
#                    [RESOURCE_LOCK r] [ENVIRONMENT VAR=value ...])
# Widget tests run on the offscreen platform; X11 ones need a real X server (the test command
# runs ctest under Xvfb). Tests that print on the shared CUPS printer take RESOURCE_LOCK cups-pdf,
# so that each finds its own sheet among the printer's output.
function(molvera_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "X11" "TIMEOUT;RESOURCE_LOCK" "SOURCES;LIBRARIES;LABELS;ENVIRONMENT")
    add_executable(${name} ${arg_SOURCES})
    molvera_target_defaults(${name})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    if(arg_X11)
        set(platform xcb)
        list(APPEND arg_LABELS x11)
    else()
        set(platform offscreen)
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        LABELS "${arg_LABELS}"
        TIMEOUT ${arg_TIMEOUT}
        ENVIRONMENT "LANGUAGE=en;QT_QPA_PLATFORM=${platform};QTEST_DISABLE_STACK_DUMP=1;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/xdg-data;${arg_ENVIRONMENT}")
    if(arg_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${arg_RESOURCE_LOCK})
    endif()
endfunction()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
