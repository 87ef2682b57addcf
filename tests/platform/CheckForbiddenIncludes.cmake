# Fails when a C or C++ source under one of the given folders includes what its
# layer must not: FORBIDDEN=qt refuses Qt headers (the core layers build and test
# without Qt); FORBIDDEN=app refuses the application's start-up folder (only the
# composition root may include "app/...").
# Usage: cmake -DROOT=<source root> -DFOLDERS="a;b" -DFORBIDDEN=qt|app -P CheckForbiddenIncludes.cmake
# A folder that does not exist yet is skipped; at least one must exist.
if(FORBIDDEN STREQUAL "qt")
    set(forbidden_include
        "#[ \t]*include[ \t]*[<\"](Q[A-Z][A-Za-z0-9]*|Qt[A-Za-z0-9]*/[^>\"]*|qt[a-z0-9]*\\.h)[>\"]")
    set(complaint "Qt headers included below the user-interface layer")
elseif(FORBIDDEN STREQUAL "app")
    set(forbidden_include "#[ \t]*include[ \t]*[<\"](\\.\\./)*app/")
    set(complaint "Start-up folder included below the application")
else()
    message(FATAL_ERROR "FORBIDDEN must be qt or app, not '${FORBIDDEN}'")
endif()
set(found_folder FALSE)
set(offenders "")
foreach(folder IN LISTS FOLDERS)
    if(NOT IS_DIRECTORY "${ROOT}/${folder}")
        continue()
    endif()
    set(found_folder TRUE)
    file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.hpp"
         "${ROOT}/${folder}/*.c" "${ROOT}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" lines REGEX "${forbidden_include}")
        foreach(line IN LISTS lines)
            string(APPEND offenders "${source}: ${line}\n")
        endforeach()
    endforeach()
endforeach()
if(NOT found_folder)
    message(FATAL_ERROR "none of the folders exists: ${FOLDERS}")
endif()
if(offenders)
    message(FATAL_ERROR "${complaint}:\n${offenders}")
endif()
