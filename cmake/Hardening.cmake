# The hardened build: what the program ships as. scripts/check-hardening reads the result back
# from the binary.
#
# Every build is position independent and links with full RELRO: these cost nothing at run time
# and do not interfere with the sanitizers.
#
# The stack protector and _FORTIFY_SOURCE go only into optimised builds without sanitizers.
# _FORTIFY_SOURCE needs the optimiser to know object sizes, and under AddressSanitizer its
# checked functions (__memcpy_chk, ...) would stand between the code and ASan's own interceptors,
# so that ASan would see less; the stack protector's canary only repeats what ASan's stack
# redzones already check, more coarsely. A sanitizer build is a test build: it checks memory
# itself, and is never shipped.

include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE TWINDLE_PIE_MESSAGE LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker cannot make position-independent executables: ${TWINDLE_PIE_MESSAGE}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_link_options(LINKER:-z,relro LINKER:-z,now)

set(TWINDLE_OPTIMISED_BUILD_TYPES Release RelWithDebInfo MinSizeRel)
if(CMAKE_BUILD_TYPE IN_LIST TWINDLE_OPTIMISED_BUILD_TYPES AND NOT TWINDLE_SANITIZE)
    add_compile_options(-fstack-protector-strong)
    # Undefined first: a toolchain that already sets a level would otherwise warn, and warnings
    # are errors here.
    add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
    set(TWINDLE_HARDENED ON)
else()
    set(TWINDLE_HARDENED OFF)
endif()
message(STATUS "Stack protector and _FORTIFY_SOURCE: ${TWINDLE_HARDENED}")
