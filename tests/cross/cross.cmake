# SPDX-License-Identifier: GPL-3.0-or-later
# The tests of a build for another architecture (cmake/toolchains/), run here under emulation, and
# compared with this machine's own build of brolant-logger and brolant-board, which
# BROLANT_HOST_BUILD_DIR names (scripts/cross-test makes one).
set(BROLANT_HOST_BUILD_DIR "" CACHE PATH "A build of this machine's own brolant-logger and brolant-board, for the tests of a cross build")
if(NOT BROLANT_HOST_BUILD_DIR)
    message(FATAL_ERROR "The tests of a cross build compare with this machine's own brolant-logger: "
                        "give -DBROLANT_HOST_BUILD_DIR=<its build> or -DBROLANT_TESTS=OFF")
endif()

set(EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})
set(ARCHITECTURE ${BROLANT_DEBIAN_ARCHITECTURE})
set(programs_folder ${PROJECT_BINARY_DIR}/emulated)
foreach(PROGRAM brolant brolant-logger brolant-board)
    set(BINARY ${PROJECT_BINARY_DIR}/${PROGRAM})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/launcher.in ${programs_folder}/${PROGRAM} @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
endforeach()
# Emulated, a test takes longer than here.
set(test_timeout 300)

# The package, packed from this build: its brolant-logger, unpacked, against this machine's own.
# Alone, since the two loggers' clocks are compared.
add_test(NAME tst_package_${ARCHITECTURE}
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/package_test.sh ${CMAKE_CPACK_COMMAND} ${PROJECT_BINARY_DIR} ${ARCHITECTURE}
                 ${BROLANT_HOST_BUILD_DIR}/brolant-board ${BROLANT_HOST_BUILD_DIR}/brolant-logger
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(tst_package_${ARCHITECTURE} PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
