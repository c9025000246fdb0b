# Design files in folders whose names are not ASCII (Latin, Cyrillic, CJK): kovrin-cli reads
# them, writes generated code and converted designs into them, and names them in its messages.
# Arguments: CLI, INPUT (a design file that checks clean), EXPECTED_HEAD and EXPECTED_TAIL (its
# generated code in two parts), WORK (a folder it may empty), EMULATOR (optional).
include(${CMAKE_CURRENT_LIST_DIR}/run_cli.cmake)

function(expect_done what status err)
    if(NOT status EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "${what}: exit ${status}, said: ${err}")
    endif()
endfunction()

file(READ "${EXPECTED_HEAD}" head HEX)
file(READ "${EXPECTED_TAIL}" tail HEX)
function(expect_generated what file)
    file(READ "${file}" actual HEX)
    if(NOT actual STREQUAL "${head}${tail}")
        message(FATAL_ERROR "${what}: ${file} differs from the golden bytes")
    endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(source_folder "${WORK}/Übung")
file(MAKE_DIRECTORY "${source_folder}")
file(COPY_FILE "${INPUT}" "${source_folder}/menü.kvx")
native_path(design "${source_folder}/menü.kvx")

run_cli(status out err check "${design}")
expect_done("check ${design}" "${status}" "${err}")

foreach(folder "Übung" "Задания" "任务")
    set(target "${WORK}/${folder}")
    file(MAKE_DIRECTORY "${target}")
    native_path(native_target "${target}")

    run_cli(status out err generate "${design}" -o "${native_target}/код.txt")
    expect_done("generate into ${folder}" "${status}" "${err}")
    expect_generated("generate into ${folder}" "${target}/код.txt")

    run_cli(status out err convert "${design}" "${native_target}/菜单.kvx")
    expect_done("convert into ${folder}" "${status}" "${err}")
    # The converted file reads back: generating from it gives the same code.
    run_cli(status out err generate "${native_target}/菜单.kvx" -o "${native_target}/again.txt")
    expect_done("generate from ${folder}" "${status}" "${err}")
    expect_generated("generate from ${folder}" "${target}/again.txt")
endforeach()

# A file that is not there is named in the message as it was given, in UTF-8.
run_cli(status out err check "${native_target}/нет.kvx")
string(FIND "${err}" "任务" named)
if(NOT status EQUAL 2 OR named EQUAL -1)
    message(FATAL_ERROR "check of a missing file: exit ${status}, said: ${err}")
endif()
