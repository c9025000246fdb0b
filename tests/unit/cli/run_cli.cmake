# Shared by the scripts that run the real kovrin-cli: run_cli(<status> <out> <err> args...) runs
# it, through EMULATOR ("|"-separated, e.g. wine for the Windows build) when one is given.

if(EMULATOR)
    string(REPLACE "|" ";" KOVRIN_EMULATOR "${EMULATOR}")
endif()

function(run_cli status_var out_var err_var)
    execute_process(COMMAND ${KOVRIN_EMULATOR} "${CLI}" ${ARGN}
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    set(${status_var} "${status}" PARENT_SCOPE)
    set(${out_var} "${out}" PARENT_SCOPE)
    set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

# A path as the program under test takes it: under Wine a Linux folder is drive Z:, written the
# Windows way.
function(native_path out_var path)
    if(KOVRIN_EMULATOR)
        string(REPLACE "/" "\\" path "${path}")
        set(path "Z:${path}")
    endif()
    set(${out_var} "${path}" PARENT_SCOPE)
endfunction()
