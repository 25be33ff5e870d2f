# Fails when the built library no longer exports a symbol that a released version with the same
# SONAME exported: a host built against that version would no longer link, or load.
# Run by CTest with LIBRARY (the built library), SONAME and ABI_DIR. abi/<SONAME>.symbols lists
# what was released; abi/<SONAME>.withdrawn the few that went without a new SONAME, which no host
# could reach. A new SONAME starts with no list: nothing has been released under it yet.
cmake_minimum_required(VERSION 3.25)

set(released "${ABI_DIR}/${SONAME}.symbols")
if(NOT EXISTS "${released}")
    message(STATUS "nothing released as ${SONAME} yet")
    return()
endif()

function(read_symbols file out)
    set(symbols)
    if(EXISTS "${file}")
        file(STRINGS "${file}" lines)
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "^#" AND NOT line STREQUAL "")
                list(APPEND symbols "${line}")
            endif()
        endforeach()
    endif()
    set(${out} "${symbols}" PARENT_SCOPE)
endfunction()
read_symbols("${released}" promised)
read_symbols("${ABI_DIR}/${SONAME}.withdrawn" withdrawn)
list(REMOVE_ITEM promised ${withdrawn})

execute_process(
    COMMAND nm -D --defined-only -C --format=just-symbols "${LIBRARY}"
    OUTPUT_VARIABLE exported RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm could not read ${LIBRARY}")
endif()
string(REPLACE ";" "\\;" exported "${exported}")
string(REPLACE "\n" ";" exported "${exported}")

set(missing)
foreach(symbol IN LISTS promised)
    if(NOT symbol IN_LIST exported)
        list(APPEND missing "${symbol}")
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "${SONAME} no longer exports what a released version did:\n  ${missing}\n"
        "Export them again, or give the library a new SONAME.")
endif()
