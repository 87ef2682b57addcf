# libFuzzer targets and their smoke runs.
#
# With VARNEL_WITH_FUZZ (clang only) every target of the build is compiled with
# coverage feedback for libFuzzer and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so a fuzz target sees and checks all the code it
# reaches, whichever library it lives in. The first sanitizer finding ends the run.
if(NOT VARNEL_WITH_FUZZ)
    return()
endif()

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

# `cmake --build <dir> --target fuzzers` builds every fuzz target.
add_custom_target(fuzzers)

set(VARNEL_FUZZ_SECONDS 3 CACHE STRING "Length in seconds of each fuzz target's smoke run")
set(VARNEL_FUZZ_SMOKE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/FuzzSmokeRun.cmake)

# varnel_add_fuzzer(NAME name SOURCES ... LIBS ...)
# Builds one libFuzzer target and registers its smoke run with CTest (label
# "fuzz"): a few seconds from the checked-in seed corpus in the calling
# folder's corpus/.
function(varnel_add_fuzzer)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers ${ARG_NAME})
    add_test(NAME ${ARG_NAME}_smoke
        COMMAND ${CMAKE_COMMAND}
            -DFUZZER=$<TARGET_FILE:${ARG_NAME}>
            -DSEEDS=${CMAKE_CURRENT_SOURCE_DIR}/corpus
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}-run
            -DSECONDS=${VARNEL_FUZZ_SECONDS}
            -P ${VARNEL_FUZZ_SMOKE_SCRIPT})
    set_tests_properties(${ARG_NAME}_smoke PROPERTIES LABELS fuzz TIMEOUT 120)
endfunction()
