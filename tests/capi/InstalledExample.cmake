# Installs the C interface into a fresh prefix, then builds examples/c against it twice, through
# find_package(varnexa) and through pkg-config, and runs both programs. Run with cmake -P.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

function(check_output program_output)
    # Saturation pressure at 100 °C, the one failed state, and the conversion to psi(a).
    foreach(expected "saturation pressure at 100 C: 1.014180 bar(a)" "1 failed: KX_WS_IF97_HPT;"
                     "that saturation pressure in psi(a): 14.7094")
        string(FIND "${program_output}" "${expected}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "missing \"${expected}\" in:\n${program_output}")
        endif()
    endforeach()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component capi)

# find_package(varnexa)
run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${WORK_DIR}/cmake -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake)
run(${WORK_DIR}/cmake/varnexa_c_example)
check_output("${output}")

# pkg-config
file(GLOB_RECURSE pc_file ${prefix}/varnexa.pc)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
run(pkg-config --cflags --libs varnexa)
separate_arguments(flags UNIX_COMMAND "${output}")
run(cc -std=c99 -Wall -Wextra -Wpedantic -Werror ${EXAMPLE_DIR}/varnexa_example.c ${flags}
    -o ${WORK_DIR}/pkgconfig_example)
run(pkg-config --variable=libdir varnexa)
string(STRIP "${output}" libdir)
set(ENV{LD_LIBRARY_PATH} ${libdir})
run(${WORK_DIR}/pkgconfig_example)
check_output("${output}")
