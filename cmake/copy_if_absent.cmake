# SPDX-License-Identifier: GPL-3.0-or-later
# Copies SOURCE to TARGET only when TARGET does not exist: a user's edited file is never replaced.
if(NOT EXISTS "${TARGET}")
    get_filename_component(folder "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
