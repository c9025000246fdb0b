# Runs the real kovrin-cli CLI (through EMULATOR, "|"-separated, e.g. wine for the Windows build):
# the code it generates from INPUT equals the golden EXPECTED_HEAD then EXPECTED_TAIL, a run
# without a subcommand exits 2, and in folders named in Latin, Cyrillic and CJK (under WORK) it
# reads designs, writes code and converted designs, and names them in its messages.
string(REPLACE "|" ";" emulator "${EMULATOR}")
macro(run_cli)
    execute_process(COMMAND ${emulator} "${CLI}" ${ARGN}
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    if(NOT status EQUAL EXPECTED_STATUS)
        message(FATAL_ERROR "kovrin-cli ${ARGN}: exit ${status}, said: ${err}")
    endif()
endmacro()
file(READ "${EXPECTED_HEAD}" head HEX)
file(READ "${EXPECTED_TAIL}" tail HEX)
function(expect_generated file)
    file(READ "${file}" actual HEX)
    if(NOT actual STREQUAL "${head}${tail}")
        message(FATAL_ERROR "${file} differs from the golden bytes")
    endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/Übung")
execute_process(COMMAND ${emulator} "${CLI}" generate "${INPUT}" OUTPUT_FILE "${WORK}/stdout.txt")
expect_generated("${WORK}/stdout.txt")
set(EXPECTED_STATUS 2)
run_cli()
if(NOT err MATCHES "Usage:")
    message(FATAL_ERROR "kovrin-cli without a subcommand said: ${err}")
endif()

set(EXPECTED_STATUS 0)
file(COPY_FILE "${INPUT}" "${WORK}/Übung/menü.kvx")
# Under Wine a Linux folder is drive Z:, written the Windows way.
set(native "${WORK}")
if(emulator)
    string(REPLACE "/" "\\" native "Z:${WORK}")
endif()
run_cli(check "${native}/Übung/menü.kvx")
foreach(folder "Übung" "Задания" "任务")
    file(MAKE_DIRECTORY "${WORK}/${folder}")
    set(target "${native}/${folder}")
    run_cli(generate "${native}/Übung/menü.kvx" -o "${target}/код.txt")
    expect_generated("${WORK}/${folder}/код.txt")
    # The converted file reads back: generating from it gives the same code.
    run_cli(convert "${native}/Übung/menü.kvx" "${target}/菜单.kvx")
    run_cli(generate "${target}/菜单.kvx" -o "${target}/again.txt")
    expect_generated("${WORK}/${folder}/again.txt")
endforeach()

# A file that is not there is named in the message as it was given, in UTF-8.
set(EXPECTED_STATUS 2)
run_cli(check "${target}/нет.kvx")
string(FIND "${err}" "任务" named)
if(named EQUAL -1)
    message(FATAL_ERROR "check of a missing file said: ${err}")
endif()
