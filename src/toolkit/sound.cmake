# The WAVE image parser: plain C++ without Qt, so that a fuzzer can drive it on its own.
add_library(twindle_wave STATIC wave_image.cpp)
target_include_directories(twindle_wave PUBLIC ${TWINDLE_SOURCE_ROOT})
