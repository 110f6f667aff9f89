# Tests of the sound device and the WAVE image parser.
add_executable(wave_image_tests wave_image_test.cpp wave_mangling_test.cpp)
target_link_libraries(wave_image_tests PRIVATE twindle_wave twindle_test_support GTest::gtest_main)
add_test(NAME wave_image_tests COMMAND wave_image_tests)
