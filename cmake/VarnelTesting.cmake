# varnel_add_test(NAME name SOURCES ... LIBS ... [LABELS ...] [GUI])
# Builds one GoogleTest program and registers its tests with CTest. Tests labelled
# "core" also run in the sanitizer build; GUI tests run on Qt's offscreen platform.
find_package(GTest REQUIRED)
include(GoogleTest)

function(varnel_add_test)
    cmake_parse_arguments(ARG "GUI" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock
                                              GTest::gtest_main Threads::Threads)
    set(environment "VARNEL_TEST_BIN_DIR=${VARNEL_OUTPUT_DIR}")
    if(ARG_GUI)
        list(APPEND environment "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${ARG_NAME}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "${environment}" TIMEOUT 300)
endfunction()
