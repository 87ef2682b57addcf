# Runs one fuzz target for SECONDS seconds, starting from the seed corpus SEEDS.
# Inputs it finds and any crash input go to the scratch folder WORK, which starts
# empty each time, never into the checked-in seeds. Fails when the target finds
# a crash, a sanitizer report, a leak or an input that takes more than 10 s.
foreach(variable IN ITEMS FUZZER SEEDS WORK SECONDS)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "FuzzSmokeRun.cmake needs -D${variable}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
# Targets that write files write them to their own scratch folder below TMPDIR;
# in memory, where there is a memory file system, so each write costs no disk sync.
if(IS_DIRECTORY /dev/shm)
    set(ENV{TMPDIR} /dev/shm)
endif()
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -seed=1 -timeout=10 -rss_limit_mb=2048
            -artifact_prefix=${WORK}/ -print_final_stats=1 ${WORK}/corpus ${SEEDS}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is kept in ${WORK}")
endif()
