# Runs the real kovrin-cli: its generated code on standard output must equal the golden bytes
# (the preamble followed by the dialog classes), and a run without a subcommand must exit 2.
# Arguments: CLI, INPUT, EXPECTED_HEAD, EXPECTED_TAIL, OUTPUT, EMULATOR (optional).
include(${CMAKE_CURRENT_LIST_DIR}/run_cli.cmake)

execute_process(COMMAND ${KOVRIN_EMULATOR} "${CLI}" generate "${INPUT}"
                OUTPUT_FILE "${OUTPUT}" ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "kovrin-cli generate exited with ${status}: ${errors}")
endif()

file(READ "${OUTPUT}" actual HEX)
file(READ "${EXPECTED_HEAD}" head HEX)
file(READ "${EXPECTED_TAIL}" tail HEX)
if(NOT actual STREQUAL "${head}${tail}")
    message(FATAL_ERROR "kovrin-cli generate: ${OUTPUT} differs from the golden bytes")
endif()

run_cli(status out usage)
if(NOT status EQUAL 2 OR NOT usage MATCHES "Usage:")
    message(FATAL_ERROR "kovrin-cli without a subcommand: status ${status}, said: ${usage}")
endif()
