# Every target of the project builds warning-free; a warning is a build error.
add_compile_options(-Wall -Wextra -Werror)

# The sanitizer build: AddressSanitizer and UndefinedBehaviorSanitizer, failing on the first report.
option(TWINDLE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TWINDLE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# GCC 12 reports a false overlap when a string literal is assigned to a std::string at -O2
# (GCC bug 105329, mended in GCC 13); that one warning cannot be told apart from real ones.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
