# How every target of the project is built, as the properties of one interface library that
# each target links (twindle_link_build_flags, called once at the end of the top-level file):
# warnings that fail the build, the sanitizers of the sanitizer build, and the hardening of the
# build the program ships as. scripts/check-hardening reads the hardening back from the binary.
set(CMAKE_COMPILE_WARNING_AS_ERROR ON)

option(TWINDLE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(twindle_build_flags INTERFACE)
target_compile_options(twindle_build_flags INTERFACE -Wall -Wextra)

# GCC 12 reports a false overlap when a string literal is assigned to a std::string at -O2
# (GCC bug 105329, mended in GCC 13); that one warning cannot be told apart from real ones.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(twindle_build_flags INTERFACE -Wno-restrict)
endif()

if(TWINDLE_SANITIZE)
    target_compile_options(twindle_build_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(twindle_build_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Every build is position independent and links with full RELRO: these cost nothing at run time
# and do not interfere with the sanitizers.
include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE TWINDLE_PIE_MESSAGE LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker cannot make position-independent executables: ${TWINDLE_PIE_MESSAGE}")
endif()
set_target_properties(twindle_build_flags PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
target_link_options(twindle_build_flags INTERFACE LINKER:-z,relro LINKER:-z,now)

# The stack protector and _FORTIFY_SOURCE go only into optimised builds without sanitizers.
# _FORTIFY_SOURCE needs the optimiser to know object sizes, and under AddressSanitizer its
# checked functions (__memcpy_chk, ...) would stand between the code and ASan's own interceptors,
# so that ASan would see less; the stack protector's canary only repeats what ASan's stack
# redzones already check, more coarsely. A sanitizer build is a test build and is never shipped.
set(TWINDLE_OPTIMISED_BUILD_TYPES Release RelWithDebInfo MinSizeRel)
if(CMAKE_BUILD_TYPE IN_LIST TWINDLE_OPTIMISED_BUILD_TYPES AND NOT TWINDLE_SANITIZE)
    # Undefined first: a toolchain that already sets a level would otherwise warn, and warnings
    # are errors here.
    target_compile_options(twindle_build_flags INTERFACE
        -fstack-protector-strong -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
    set(TWINDLE_HARDENED ON)
else()
    set(TWINDLE_HARDENED OFF)
endif()
message(STATUS "Stack protector and _FORTIFY_SOURCE: ${TWINDLE_HARDENED}")

# Links the build flags into every library and program defined in `directory` and below it.
function(twindle_link_build_flags directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            target_link_libraries(${target} PRIVATE twindle_build_flags)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        twindle_link_build_flags(${subdirectory})
    endforeach()
endfunction()
