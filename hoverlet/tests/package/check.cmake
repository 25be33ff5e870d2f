# Installs libhoverlet from the tree's build into a scratch prefix and checks what is there; builds
# hoverlet again as a project of its own and installs that; then builds and runs a program that
# finds it with find_package(hoverlet). Run by CTest with BUILD_DIR, WORK_DIR, SOURCE_DIR,
# HOVERLET_DIR, GENERATOR and CXX.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --component hoverlet --prefix "${prefix}")
foreach(installed
        include/hoverlet/hoverlet.h
        include/hoverlet/componentserver.h
        include/hoverlet/hoverlet_version.h
        lib/cmake/hoverlet/hoverletConfig.cmake
        lib/cmake/hoverlet/hoverletConfigVersion.cmake
        lib/cmake/hoverlet/hoverletTargets.cmake)
    if(NOT EXISTS "${prefix}/${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()
file(GLOB soname "${prefix}/lib*/libhoverlet.so.1")
if(NOT soname)
    message(FATAL_ERROR "libhoverlet.so.1 not installed")
endif()

# Nothing of the larger tree is needed to build the library.
set(alone "${WORK_DIR}/alone")
run(${CMAKE_COMMAND} -S "${HOVERLET_DIR}" -B "${WORK_DIR}/hoverlet" -G "${GENERATOR}"
    -DCMAKE_CXX_COMPILER=${CXX} -DBUILD_TESTING=OFF)
run(${CMAKE_COMMAND} --build "${WORK_DIR}/hoverlet")
run(${CMAKE_COMMAND} --install "${WORK_DIR}/hoverlet" --prefix "${alone}")

run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${alone})
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run("${WORK_DIR}/build/consumer")
