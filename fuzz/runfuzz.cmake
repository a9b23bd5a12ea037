# Runs one fuzzer for SECONDS over a fresh working corpus seeded from SEEDS, so that the committed
# seeds are never rewritten. Fails when the fuzzer finds a crash or a broken property.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
            -artifact_prefix=${WORK}/artifacts/ -print_final_stats=1 ${WORK}/corpus ${SEEDS}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()
