# Where an install puts things, and how a program of the utility is installed.
#
# The application folder (${VARNEL_APP_INSTALL_DIR}, below the prefix) holds the
# programs with libUsbgate.so, the skin, the language file and the help beside
# them, as the utility looks for them next to its executable. Each program gets a
# link on PATH. udev and the desktops read only their own folders, so the udev
# rule goes into udev's rules folder and the autostart entry into the system
# configuration folder (/etc for prefix /usr) whatever the prefix.
include(GNUInstallDirs)

set(VARNEL_APP_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/varnel" CACHE STRING
    "Folder, relative to the install prefix, that holds varnel and the files beside it")

find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_get_variable(varnel_udevdir udev udevdir)
endif()
if(NOT varnel_udevdir)
    set(varnel_udevdir /usr/lib/udev)
endif()
set(VARNEL_UDEV_RULES_DIR "${varnel_udevdir}/rules.d" CACHE PATH
    "udev's rules folder (absolute): udev reads no other")
# bash-completion looks in share/bash-completion/completions of every data folder
# (XDG_DATA_DIRS), so the completion follows the install prefix.
set(VARNEL_BASH_COMPLETION_DIR "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
set(VARNEL_MAN1_DIR "${CMAKE_INSTALL_MANDIR}/man1")

# Installs a program into the application folder with a link to it on PATH.
function(varnel_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${VARNEL_APP_INSTALL_DIR})
    file(RELATIVE_PATH link_target "/${CMAKE_INSTALL_BINDIR}" "/${VARNEL_APP_INSTALL_DIR}/${target}")
    set(link ${CMAKE_BINARY_DIR}/path-links/${target})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/path-links)
    file(CREATE_LINK ${link_target} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# The system configuration folder of the prefix given at install time, mapped as
# GNUInstallDirs maps it: /usr gives /etc, /opt/<x> gives /etc/opt/<x>.
set(VARNEL_INSTALL_SYSCONFDIR_CODE [[
    if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
        set(VARNEL_SYSCONFDIR "/etc")
    elseif(CMAKE_INSTALL_PREFIX MATCHES "^/opt/")
        set(VARNEL_SYSCONFDIR "/etc${CMAKE_INSTALL_PREFIX}")
    else()
        set(VARNEL_SYSCONFDIR "${CMAKE_INSTALL_PREFIX}/etc")
    endif()
]])
