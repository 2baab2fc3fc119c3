# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's build flags for an optimised build, as a Debian package is built: fortified functions,
# the stack protector, a read-only relocation table bound at load (relro, bindnow).
find_program(BROLANT_DPKG_BUILDFLAGS dpkg-buildflags)
if(BROLANT_DPKG_BUILDFLAGS AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(debian_flags "")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${BROLANT_DPKG_BUILDFLAGS} --get ${kind}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        # The build type says how far to optimise and whether to keep symbols.
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g)$")
        list(JOIN flags " " debian_${kind})
    endforeach()
    string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
    string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${debian_LDFLAGS}")
endif()
