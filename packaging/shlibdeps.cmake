# Run by CPack once the package's files are staged (CPACK_PRE_BUILD_SCRIPTS): Depends is what
# dpkg-shlibdeps reads off every ELF file in the package. CPack's own SHLIBDEPS would give the
# same list, but it also writes maintainer scripts that call ldconfig for any shared object
# under /usr/lib, and the modules there are loaded by path, never looked up by the linker.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(elf_files)
foreach(file IN LISTS staged)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        list(APPEND elf_files "${file}")
    endif()
endforeach()
if(NOT elf_files)
    message(FATAL_ERROR "shlibdeps: no ELF file in ${CPACK_TEMPORARY_DIRECTORY}")
endif()

# dpkg-shlibdeps wants to run from a Debian source tree; an empty control file is enough.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(MAKE_DIRECTORY "${work}/debian")
file(TOUCH "${work}/debian/control")
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files}
    WORKING_DIRECTORY "${work}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE substvars
    ERROR_VARIABLE complaints)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "shlibdeps: dpkg-shlibdeps failed: ${complaints}")
endif()
# It always warns that the files are not in a Debian build tree's package directory, which
# CPack's staging directory never is; other warnings are passed on.
string(REGEX REPLACE "dpkg-shlibdeps: warning: binaries to analyze should already be installed[^\n]*\n"
    "" complaints "${complaints}")
if(complaints)
    message(WARNING "shlibdeps: ${complaints}")
endif()
string(REGEX MATCH "shlibs:Depends=([^\n]*)" found "${substvars}")
if(NOT found)
    message(FATAL_ERROR "shlibdeps: dpkg-shlibdeps gave no Depends: ${substvars}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
