# SPDX-License-Identifier: GPL-3.0-or-later
# The Italian installer, Velluna-VERSION-setup.exe beside Velluna.exe, made with NSIS
# whenever makensis is there.
find_program(VELLUNA_MAKENSIS makensis)
if(VELLUNA_MAKENSIS)
    set(velluna_setup ${CMAKE_BINARY_DIR}/Velluna-${VELLUNA_VERSION}-setup.exe)
    add_custom_command(OUTPUT ${velluna_setup}
        COMMAND ${VELLUNA_MAKENSIS} -V2 -WX
            -DVERSION=${VELLUNA_VERSION} -DNUMERIC_VERSION=${PROJECT_VERSION}.0
            -DEXE=$<TARGET_FILE:velluna> -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
            -DICON=${PROJECT_SOURCE_DIR}/resources/icon/velluna.ico -DOUTFILE=${velluna_setup}
            ${CMAKE_CURRENT_LIST_DIR}/setup.nsi
        DEPENDS velluna ${CMAKE_CURRENT_LIST_DIR}/setup.nsi ${PROJECT_SOURCE_DIR}/LICENSE
        COMMENT "Making the installer"
        VERBATIM)
    add_custom_target(setup ALL DEPENDS ${velluna_setup})
endif()
