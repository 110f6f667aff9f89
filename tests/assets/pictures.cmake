# Tests of the pictures: sizes, frames, layout and sharpness of every card and window picture.
add_executable(picture_tests
    picture_test_main.cpp
    card_picture_test.cpp
    picture_detail_test.cpp
    window_picture_test.cpp)
target_link_libraries(picture_tests PRIVATE twindle_assets twindle_test_support GTest::gtest)
add_test(NAME picture_tests COMMAND picture_tests)
