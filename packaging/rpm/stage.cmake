# Run by CPack after it installed the files into its staging directory, before it packs them.
# zsh finds vendors' completions in vendor-completions on Debian, in site-functions on Fedora
# and openSUSE: the RPM puts keylon2ctl's where its systems' zsh looks.
if(CPACK_GENERATOR STREQUAL "RPM")
    set(zsh "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/share/zsh")
    if(EXISTS "${zsh}/vendor-completions/_keylon2ctl")
        file(MAKE_DIRECTORY "${zsh}/site-functions")
        file(RENAME "${zsh}/vendor-completions/_keylon2ctl" "${zsh}/site-functions/_keylon2ctl")
        file(REMOVE "${zsh}/vendor-completions")
    endif()
endif()
